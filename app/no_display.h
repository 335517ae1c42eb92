// SPDX-License-Identifier: MIT
// A clear word when there is no display to open the windows on.
#pragma once

namespace tovimel {

// Qt meets a display it cannot open with a few warnings, then a fatal message that advises
// reinstalling and aborts with a core dump. From construction until release(), this holds
// Qt's messages back: if QApplication's start fails, one line on stderr keeps Qt's cause (no
// display, or a platform plugin missing or broken) with the settings that led to it, and the
// process exits with status 1; once it has started, the
// held messages go on to where they would have gone.
class DisplayStartGuard {
 public:
  DisplayStartGuard();
  ~DisplayStartGuard() { release(); }
  DisplayStartGuard(const DisplayStartGuard&) = delete;
  DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

  void release();

 private:
  bool holding_ = true;
};

}  // namespace tovimel
