// SPDX-License-Identifier: MIT
#include "engine/answer_setup.h"

#include "session/main_window.h"

namespace tovimel {

void SetupAnswers(MainWindow&) {}

void pickAnswerSlot(MainWindow& w) {
  for (int k = 0; k < 4; ++k) {
    if (w.form("txtAnswer", k).visible) {
      w.form.focus("txtAnswer", k);
      return;
    }
  }
}

}  // namespace tovimel
