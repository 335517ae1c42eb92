// SPDX-License-Identifier: MIT
#include "session/session.h"

namespace tovimel {

void shutdown(MainWindow& w) {
  Form& f = w.form;
  f.setEnabled("timOverAll", -1, false);
  f.setVisible("fraProb", -1, false);
  f.setVisible("fraKey", -1, false);
  f.setVisible("fraAnswer", -1, false);
  f.setBack(f.name(), -1, kWhite);
  f.setVisible("lblTitle", -1, true);
  f.setVisible("cmdSubmit", -1, false);
  f.setVisible("cmdNew", -1, false);
  f.setVisible("cmdPrintIt", -1, true);
  f.setEnabled("cmdPrintIt", -1, true);
}

Session::Session(RandomSource& random, TimeSource& time, Printer& printer, Process& process)
    : window_(random), time_(time), printer_(printer), process_(process) {}

MainState Session::state() const {
  return MainState::SigningIn;
}
void Session::load() {}
void Session::start() {}
void Session::next() {}
void Session::submit() {}
void Session::exit() {}
void Session::tick() {}
void Session::print() {}
void Session::levelChange() {}
void Session::keyReveal() {}
void Session::answerForm(int) {}

}  // namespace tovimel
