// SPDX-License-Identifier: MIT
#include "engine/main_window.h"

#include <cmath>

#include "engine/levels.h"
#include "windows/layouts.h"

namespace tovimel {

using namespace frmTovimel3;

MainWindow::MainWindow(RandomSource& source)
    : form(MainWindowLayout(kLevelCount)), random(source) {}

void MainWindow::captureHomes() {
  for (int k = 0; k < txtAnswer.count; ++k) AnswerBoxHome[k] = form(txtAnswer[k]).left;
  RadicalHome = form(imgRadical).left;
  BarHomeX2 = static_cast<std::int32_t>(std::lround(form(lneViniculum).x2));
  BarHomeX1 = static_cast<std::int32_t>(std::lround(form(lneViniculum).x1));
}

void shutdown(MainWindow& w) {
  Form& f = w.form;
  f.setEnabled(timOverAll, false);
  f.setVisible(fraProb, false);
  f.setVisible(fraKey, false);
  f.setVisible(fraAnswer, false);
  f.setBack(f.self(), kWhite);
  f.setVisible(lblTitle, true);
  f.setVisible(cmdSubmit, false);
  f.setVisible(cmdNew, false);
  f.setVisible(cmdPrintIt, true);
  f.setEnabled(cmdPrintIt, true);
  // "&Next" took the focus with the right answer and is gone: the keyboard goes on to the one
  // step left.
  f.focus(cmdPrintIt);
}

}  // namespace tovimel
