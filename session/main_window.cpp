// SPDX-License-Identifier: MIT
#include "session/main_window.h"

#include "answers/answer_forms.h"
#include "ui/layouts.h"

namespace tovimel {

MainWindow::MainWindow(RandomSource& source) : form(MainWindowLayout()), random(source) {
  WireAnswerArea(*this);
}

}  // namespace tovimel
