// SPDX-License-Identifier: MIT
// Doubles for the machine's services, and a whole program (both windows) built on them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/random.h"
#include "session/platform.h"
#include "session/session.h"
#include "signin/signin.h"
#include "ui/form.h"

namespace tovimel::testing {

// Everything a window shows and holds: every control's props and where the focus is.
struct Snapshot {
  std::vector<std::pair<std::string, Props>> controls;
  std::string focus;
  bool operator==(const Snapshot&) const = default;
};

inline Snapshot Snap(const Form& form) {
  Snapshot s;
  for (const Control& c : form.controls()) s.controls.emplace_back(c.key(), c.props);
  if (const Control* f = form.focused()) s.focus = f->key();
  return s;
}

// The keys of the controls whose props differ, and the focus if it moved; empty when equal.
inline std::string Diff(const Snapshot& a, const Snapshot& b) {
  std::string out;
  for (std::size_t i = 0; i < a.controls.size() && i < b.controls.size(); ++i) {
    if (a.controls[i] != b.controls[i]) out += a.controls[i].first + " ";
  }
  if (a.controls.size() != b.controls.size()) out += "(control count) ";
  if (a.focus != b.focus) out += "(focus " + a.focus + " -> " + b.focus + ")";
  return out;
}

// The snapshot without one control, for checks where a setter itself changed it.
inline Snapshot Without(Snapshot s, const std::string& key) {
  std::erase_if(s.controls, [&](const auto& entry) { return entry.first == key; });
  return s;
}

class FakeTime final : public TimeSource {
 public:
  double secondsSinceMidnight() override { return seconds; }
  std::string todayText() override {
    ++date_reads;
    return today;
  }

  double seconds = 45296.0;  // 12:34:56
  std::string today = "3/7/2025";
  int date_reads = 0;
};

class RecordingPrinter final : public Printer {
 public:
  void printWindow(const Form& window) override { pages.push_back(Snap(window)); }
  std::vector<Snapshot> pages;
};

class FakeProcess final : public Process {
 public:
  void endNow() override { ++ended; }
  void quit() override { ++quits; }
  int ended = 0;
  int quits = 0;
};

// Real pseudo-random values from a fixed start, so that a failing run can be replayed; the
// seeds the program asks for are recorded instead of used.
class ReplayRandom final : public RandomSource {
 public:
  explicit ReplayRandom(std::uint64_t start) { engine.seed(start); }
  void seed(std::uint64_t s) override { seeds.push_back(s); }
  double next() override { return engine.next(); }

  MersenneSource engine;
  std::vector<std::uint64_t> seeds;
};

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

}  // namespace tovimel::testing
