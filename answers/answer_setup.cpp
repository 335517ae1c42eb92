// SPDX-License-Identifier: MIT
// The answer form for a new problem, and the focus into its first box.
#include "answers/answer_setup.h"

#include "answers/answer_forms.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

double KeyValue(const MainWindow& w, int label) {
  return ReadNumber(w.form(lblProb[label]).text);
}

// Gives the form's option button the focus, which selects the form through the button's focus
// handler. The form ends up selected and arranged exactly as by a click in every case: when the
// button already holds the focus (focusing it again runs no handler) or cannot take it (a hidden
// frame), the click's procedure runs directly.
void FocusForm(MainWindow& w, AnswerForm chosen) {
  const int form = Index(chosen);
  const bool had_focus = w.form.hasFocus(optAnswerForm[form]);
  if (had_focus || !w.form.focus(optAnswerForm[form])) optAnswerForm_Click(w, form);
}

}  // namespace

void SetupAnswers(MainWindow& w) {
  const Level* level = FindLevel(w.level());
  if (level == nullptr) {
    pickAnswerSlot(w);
    return;
  }
  switch (level->new_problem) {
    case NewProblemForm::Select:
      optAnswerForm_Click(w, level->answer_form);
      break;
    case NewProblemForm::SelectIfKeyHasAOne: {
      // Read in the order K1, K4, K2, K3, K5; all five before the test is decided.
      const double k1 = KeyValue(w, 6);
      const double k4 = KeyValue(w, 9);
      const double k2 = KeyValue(w, 7);
      const double k3 = KeyValue(w, 8);
      const double k5 = KeyValue(w, 10);
      if (k1 == 0 && k4 == 0 && (k2 == 1 || k3 == 1 || k5 == 1)) {
        FocusForm(w, level->answer_form);
      } else {
        // The student's form stays; its hidden boxes, emptied for the new problem, get their
        // neutral values back.
        RestoreHiddenBoxes(w);
      }
      break;
    }
    case NewProblemForm::SelectAndFocusWholePart:
      optAnswerForm_Click(w, level->answer_form);
      w.form.focus(txtAnswer[0]);
      break;
  }
  pickAnswerSlot(w);
}

}  // namespace tovimel
