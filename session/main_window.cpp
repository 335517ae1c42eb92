// SPDX-License-Identifier: MIT
#include "session/main_window.h"

#include <cmath>

#include "answers/answer_forms.h"
#include "ui/layouts.h"

namespace tovimel {

MainWindow::MainWindow(RandomSource& source) : form(MainWindowLayout()), random(source) {
  WireAnswerArea(*this);
}

void MainWindow::captureHomes() {
  for (int k = 0; k < 4; ++k) AnswerBoxHome[k] = form("txtAnswer", k).left;
  RadicalHome = form("imgRadical").left;
  BarHomeX2 = static_cast<std::int32_t>(std::lround(form("lneViniculum").x2));
  BarHomeX1 = static_cast<std::int32_t>(std::lround(form("lneViniculum").x1));
}

}  // namespace tovimel
