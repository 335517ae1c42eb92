// SPDX-License-Identifier: MIT
#pragma once

#include "windows/answer_form_table.h"

namespace tovimel {

struct MainWindow;

// Arranges the answer area for form `index` (0..14), as a click on optAnswerForm(index) does;
// the rows of windows/answer_form_table.h say how.
void optAnswerForm_Click(MainWindow& w, int index);
inline void optAnswerForm_Click(MainWindow& w, AnswerForm form) {
  optAnswerForm_Click(w, Index(form));
}
// Offers (show != 0) or withdraws (show == 0) the forms 7 to 14.
void ShowHideEntry(MainWindow& w, int show);
// Puts the neutral values back into the boxes the selected form hides, as selecting the form
// does; for a new problem that keeps the student's form.
void RestoreHiddenBoxes(MainWindow& w);
// An answer box received the focus: select its whole text.
void txtAnswer_GotFocus(MainWindow& w, int index);
// Focus into the first visible answer box.
void pickAnswerSlot(MainWindow& w);

}  // namespace tovimel
