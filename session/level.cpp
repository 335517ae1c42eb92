// SPDX-License-Identifier: MIT
#include "session/level.h"

#include "answers/answer_forms.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

void Apply(Form& f, ControlId control, Show show) {
  if (show != Show::Kept) f.setVisible(control, show == Show::Shown);
}

}  // namespace

void vsbLevel_Change(MainWindow& w) {
  Form& f = w.form;
  f.setText(lblLevel, NumberText(w.level()));
  const Level* level = FindLevel(w.level());
  if (level == nullptr) return;

  for (int i = 0; i < 6; ++i) f.setVisible(lblProb[i], level->numbers[static_cast<std::size_t>(i)]);
  Apply(f, lblAdd[0], level->plus0);
  Apply(f, lblAdd[1], level->plus1);
  f.setVisible(Line1, level->bar);
  // Observers see the roots change in the same order as on the original screen.
  if (level->lower_root_first) {
    f.setVisible(imgLowerRadical, level->lower_root);
    f.setVisible(imgUpperRadical, level->upper_root);
  } else {
    f.setVisible(imgUpperRadical, level->upper_root);
    f.setVisible(imgLowerRadical, level->lower_root);
  }
  w.rows.arrange(f);
  optAnswerForm_Click(w, level->answer_form);
  f.setText(lblLevelShow, std::string(level->name));
  ShowHideEntry(w, level->whole_forms ? 1 : 0);
  // Keeps the arrow keys on the scroll bar while the student tries the levels.
  if (level != &kLevels.front()) f.focus(vsbLevel);
}

}  // namespace tovimel
