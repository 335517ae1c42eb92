// SPDX-License-Identifier: MIT
// Stand-ins for the machine, shared by the Qt tests and the screenshot driver.
#pragma once

#include <QApplication>
#include <string>

#include "engine/random.h"
#include "session/platform.h"
#include "ui/qt/look.h"

namespace tovimel::testing {

class FakeTime final : public TimeSource {
 public:
  double secondsSinceMidnight() override { return seconds; }
  std::string todayText() override { return today; }
  double seconds = 36000;
  std::string today = "12/8/2026";
};

// The same problems on every run, whatever the program seeds it with.
class FixedRandom final : public RandomSource {
 public:
  void seed(std::uint64_t) override {}
  double next() override { return source_.next(); }

 private:
  MersenneSource source_;
};

class FakeProcess final : public Process {
 public:
  void endNow() override { ++ended_now; }
  void quit() override { ++quitted; }
  int ended_now = 0;
  int quitted = 0;
};

// What the program's main sets up before it builds windows.
inline void SetUpApplication() {
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
  QApplication::setFont(DefaultFont());
}

}  // namespace tovimel::testing
