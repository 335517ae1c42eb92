// SPDX-License-Identifier: MIT
#include "answers/answer_forms.h"

#include "session/main_window.h"

namespace tovimel {

void optAnswerForm_Click(MainWindow&, int) {}
void ShowHideEntry(MainWindow&, int) {}
void txtAnswer_GotFocus(MainWindow&, int) {}
void WireAnswerArea(MainWindow&) {}

}  // namespace tovimel
