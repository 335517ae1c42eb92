// SPDX-License-Identifier: MIT
// What the program asks of the machine, behind seams that tests drive.
#pragma once

#include <string>

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
  // One page holding the window as it stands, with its visible controls.
  virtual void printWindow(const Form& window) = 0;
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
