// SPDX-License-Identifier: MIT
#include "session/new_problem.h"

#include "answers/answer_setup.h"
#include "engine/generator.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"
#include "windows/layouts.h"

namespace tovimel {

using namespace frmTovimel3;

void cmdNew_Click(MainWindow& w) {
  Form& f = w.form;
  f.setEnabled(cmdNew, false);

  const double count = ReadNumber(f(lblProbCount).text);
  f.setText(lblProbCount, NumberText(static_cast<std::int64_t>(count) + 1));

  for (int k = 0; k < txtAnswer.count; ++k) f.setText(txtAnswer[k], "");
  for (int k = 0; k < txtAnswer.count; ++k) {
    f.set(txtAnswer[k], [](Props& p) {
      p.back = kFreshBox;
      p.graded = false;
    });
  }

  // The scroll bar offers the table's levels only; another value draws nothing.
  const Level* level = FindLevel(w.level());
  const Problem p = MakeProblem(level ? *level : Level{}, w.random);
  w.ProblemExponents = p.exponents;
  w.ProblemNumbers = p.numbers;
  w.AnswerExponents = p.answer_exponents;

  for (int i = 1; i <= 6; ++i) f.setText(lblProb[i - 1], NumberText(p.numbers[i]));
  for (int i = 1; i <= 6; ++i) f.setText(lblProb[5 + i], NumberText(p.key[i]));
  w.rows.arrange(f);

  f.setEnabled(cmdSubmit, true);
  SetupAnswers(w);
}

}  // namespace tovimel
