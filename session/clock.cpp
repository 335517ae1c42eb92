// SPDX-License-Identifier: MIT
#include "session/clock.h"

#include <cstdint>
#include <limits>

#include "engine/main_window.h"
#include "engine/numbers.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

std::string TwoDigits(int value) {
  std::string text = NumberText(value);
  return text.size() == 1 ? std::string(1, '0').append(text) : text;
}

}  // namespace

std::string ClockText(int minutes, int seconds) {
  return TwoDigits(minutes) + ":" + TwoDigits(seconds);
}

void timOverAll_Timer(MainWindow& w) {
  int seconds = w.ClockSeconds + 1;
  int minutes = w.ClockMinutes;
  if (seconds >= 60) {
    if (minutes < std::numeric_limits<std::int16_t>::max()) {
      seconds = 0;
      ++minutes;
    } else {
      seconds = 59;  // the minutes cannot count further; the clock holds rather than wrap
    }
  }
  w.ClockSeconds = static_cast<std::int16_t>(seconds);
  w.ClockMinutes = static_cast<std::int16_t>(minutes);
  w.form.setText(clock, ClockText(minutes, seconds));
}

}  // namespace tovimel
