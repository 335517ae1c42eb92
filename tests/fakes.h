// SPDX-License-Identifier: MIT
// Stand-ins for the machine behind the program's seams, shared by every test.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/random.h"
#include "session/platform.h"
#include "tests/model.h"

namespace tovimel::testing {

// Hands out the values it was given, in order; running dry is a test error.
class ScriptedRandom final : public RandomSource {
 public:
  void seed(std::uint64_t s) override { seeds.push_back(s); }
  double next() override {
    if (values.empty()) throw std::logic_error("scripted random source ran dry");
    const double r = values.front();
    values.pop_front();
    return r;
  }
  // Queues the r that makes a draw from lo..hi come out as `want`.
  void willDraw(int want, int lo, int hi) {
    values.push_back((want - lo + 0.5) / static_cast<double>(hi - lo + 1));
  }

  std::deque<double> values;
  std::vector<std::uint64_t> seeds;
};

// Real pseudo-random values from a fixed start, so that every run and every screenshot sees the
// same problems; the seeds the program asks for are recorded instead of used.
class ReplayRandom final : public RandomSource {
 public:
  explicit ReplayRandom(std::uint64_t start = 5489) { engine.seed(start); }
  void seed(std::uint64_t s) override { seeds.push_back(s); }
  double next() override { return engine.next(); }

  MersenneSource engine;
  std::vector<std::uint64_t> seeds;
};

class FakeTime final : public TimeSource {
 public:
  double secondsSinceMidnight() override { return seconds; }
  std::string todayText() override {
    ++date_reads;
    return today;
  }

  double seconds = 45296.0;  // 12:34:56
  std::string today = "12/8/2026";
  int date_reads = 0;
};

// Keeps what each page would have shown. Each request answers with the next of `outcomes`,
// once they run dry a page printed (or, asked to save, nothing saved).
class RecordingPrinter final : public Printer {
 public:
  PageWent printWindow(const Form& window) override {
    pages.push_back(Snap(window));
    return next({PageWent::To::Printer, "Room 12", ""});
  }
  PageWent saveWindow(const Form& window, const std::string& why) override {
    saves.push_back(Snap(window));
    whys.push_back(why);
    return next({});
  }
  std::vector<Snapshot> pages;  // each page sent to the printer
  std::vector<Snapshot> saves;  // each page offered as a file
  std::vector<std::string> whys;
  std::deque<PageWent> outcomes;

 private:
  PageWent next(PageWent otherwise) {
    if (outcomes.empty()) return otherwise;
    PageWent out = outcomes.front();
    outcomes.pop_front();
    return out;
  }
};

class FakeProcess final : public Process {
 public:
  void endNow() override { ++ended; }
  void quit() override { ++quits; }
  int ended = 0;
  int quits = 0;
};

}  // namespace tovimel::testing
