// SPDX-License-Identifier: MIT
// Test doubles and helpers shared by the headless tests.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/random.h"

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

}  // namespace tovimel::testing
