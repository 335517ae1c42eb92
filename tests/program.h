// SPDX-License-Identifier: MIT
// The program's logic on the stand-ins: both windows, or the practice window alone as its
// session loads it. Either way the handlers are the session's own, as in the program.
#pragma once

#include <cstdint>

#include "session/session.h"
#include "signin/signin.h"
#include "tests/fakes.h"

namespace tovimel::testing {

// The program as it starts: the sign-in window and the main window behind it.
struct Program {
  explicit Program(std::uint64_t start = 1) : random(start) {}

  ReplayRandom random;
  FakeTime time;
  RecordingPrinter printer;
  FakeProcess process;
  Session session{random, time, printer, process};
  SignIn signin{session, time, process};

  Form& main() { return session.form(); }
  Form& in() { return signin.form(); }
  MainWindow& window() { return session.window(); }
};

// The practice window loaded by its session, with no sign-in in front of it, and the level set
// as the student sets it.
template <class Random>
struct LoadedWindow {
  explicit LoadedWindow(int level = 1) {
    session.load();
    f.setValue(frmTovimel3::vsbLevel, level);
  }

  Random random;
  FakeTime time;
  RecordingPrinter printer;
  FakeProcess process;
  Session session{random, time, printer, process};
  MainWindow& w = session.window();
  Form& f = w.form;
};

}  // namespace tovimel::testing
