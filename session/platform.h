// SPDX-License-Identifier: MIT
// What the program asks of the machine, behind seams that tests drive.
#pragma once

#include <string>

#include "windows/accessibility.h"

namespace tovimel {

class Form;

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual double secondsSinceMidnight() = 0;
  // Today's date in the system's short-date format.
  virtual std::string todayText() = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // One page holding the window as it stands, with its visible controls, on the default
  // printer; with none, where the student chooses. Says where it went.
  virtual PageWent printWindow(const Form& window) = 0;
  // The same page offered as a file, `why` telling the student what became of the last try.
  virtual PageWent saveWindow(const Form& window, const std::string& why) = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  // Leaves the program at once; no further handler of either window runs.
  virtual void endNow() = 0;
  // The last window has closed: the program ends normally.
  virtual void quit() = 0;
};

}  // namespace tovimel
