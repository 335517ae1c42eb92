// SPDX-License-Identifier: MIT
#include "answers/grading.h"

#include <array>
#include <cmath>
#include <string>

#include "answers/answer_forms.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"
#include "windows/layouts.h"
#include "windows/text.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

// One change per box, as the colour alone was.
void Grade(Form& f, int k, bool right) {
  f.set(txtAnswer[k], [right](Props& p) {
    p.back = right ? kRightBox : kWrongBox;
    p.graded = p.visible;
  });
}

}  // namespace

void cmdSubmit_Click(MainWindow& w) {
  Form& f = w.form;
  w.TotalCount = CheckedAdd(w.TotalCount, 1);

  // Every part is read and compared before anything on the screen changes.
  const auto box = [&](int k) { return std::string(Trim(f(txtAnswer[k]).text)); };
  const auto key = [&](int label) { return ReadNumber(f(lblProb[label]).text); };
  const std::string signed_coefficient = std::string(Trim(f(lblAdd[4]).text)) + box(1);
  const std::array<double, 4> given{ReadNumber(box(0)), ReadNumber(signed_coefficient),
                                    ReadNumber(box(2)), ReadNumber(box(3))};
  const std::array<double, 4> expected{key(6), key(7), key(8), key(10)};
  std::array<bool, 4> right{};
  bool all_right = true;
  for (std::size_t k = 0; k < 4; ++k) {
    right[k] = given[k] == expected[k];
    all_right = all_right && right[k];
  }

  if (all_right) {
    for (int k = 0; k < txtAnswer.count; ++k) Grade(f, k, true);
    w.RightCount = CheckedAdd(w.RightCount, 1);
    f.setEnabled(cmdSubmit, false);
    // The binding mirrors every change at once, so these show before shutdown runs.
    f.setText(lblWrong, ScoreText(w.TotalCount));
    f.setText(lblRight, ScoreText(w.RightCount));
    const double grade =
        std::floor(100.0 * static_cast<double>(w.RightCount) / static_cast<double>(w.TotalCount));
    f.setText(lblPercent, ScoreText(static_cast<std::int64_t>(grade)) + "%");
    f.setEnabled(cmdNew, true);
    f.focus(cmdNew);
    if (ReadNumber(f(lblProbCount).text) >= static_cast<double>(w.ProblemLimit)) shutdown(w);
    return;
  }

  for (int k = 0; k < txtAnswer.count; ++k) Grade(f, k, right[static_cast<std::size_t>(k)]);
  if (const Level* level = FindLevel(w.level())) optAnswerForm_Click(w, level->retry_form);
}

}  // namespace tovimel
