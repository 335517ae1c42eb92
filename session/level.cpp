// SPDX-License-Identifier: MIT
#include "session/level.h"

#include <array>

#include "answers/answer_forms.h"
#include "engine/numbers.h"
#include "session/main_window.h"

namespace tovimel {
namespace {

// Kept: the level leaves the control as the previous level left it.
enum class Show { Hidden, Shown, Kept };

struct LevelRow {
  std::array<bool, 6> prob;  // lblProb(0)..lblProb(5)
  Show add0, add1;
  bool line, upper_root, lower_root;
  int answer_form;
  int offer_whole_forms;  // ShowHideEntry's argument
};

constexpr auto H = Show::Hidden;
constexpr auto S = Show::Shown;
constexpr auto K = Show::Kept;

constexpr std::array<LevelRow, 5> kLevels{{
    {{false, false, true, false, false, false}, H, H, false, true, false, 3, 0},
    {{false, true, true, false, false, false}, H, H, false, true, false, 3, 0},
    {{false, true, true, false, true, false}, H, H, true, true, false, 0, 0},
    {{false, true, true, false, true, true}, K, K, true, true, true, 0, 0},
    {{false, true, false, true, true, true}, K, S, true, false, true, 7, 1},
}};

void Apply(Form& f, int index, Show show) {
  if (show != Show::Kept) f.setVisible("lblAdd", index, show == Show::Shown);
}

}  // namespace

void vsbLevel_Change(MainWindow& w) {
  Form& f = w.form;
  const int level = w.level();
  f.setText("lblLevel", -1, NumberText(level));
  if (level < 1 || level > static_cast<int>(kLevels.size())) return;
  const LevelRow& row = kLevels[level - 1];

  for (int i = 0; i < 6; ++i) f.setVisible("lblProb", i, row.prob[i]);
  Apply(f, 0, row.add0);
  Apply(f, 1, row.add1);
  f.setVisible("Line1", -1, row.line);
  // Observers see the roots change in the same order as on the original screen.
  if (level == 5) {
    f.setVisible("imgLowerRadical", -1, row.lower_root);
    f.setVisible("imgUpperRadical", -1, row.upper_root);
  } else {
    f.setVisible("imgUpperRadical", -1, row.upper_root);
    f.setVisible("imgLowerRadical", -1, row.lower_root);
  }
  optAnswerForm_Click(w, row.answer_form);
  f.setText("lblLevelShow", -1, "Level " + NumberText(level));
  ShowHideEntry(w, row.offer_whole_forms);
  // Keeps the arrow keys on the scroll bar while the student tries the levels.
  if (level >= 2) f.focus("vsbLevel");
}

}  // namespace tovimel
