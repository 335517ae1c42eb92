// SPDX-License-Identifier: MIT
// The whole problem space of each level, for property tests: every combination of exponents
// the generator can draw, and a way to make the generator draw a given one.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/levels.h"
#include "engine/main_window.h"
#include "session/new_problem.h"
#include "tests/program.h"

namespace tovimel::testing {

using namespace frmTovimel3;

// Sanitizer builds run the whole-space tests on a deterministic sample of level 4's 46656
// problems; plain builds run them all.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// Every problem of levels 1, 2, 3 and 5; of level 4 every problem in a plain build, every 16th
// under the sanitizers (problem i of the enumeration is taken when i % stride == 0).
inline std::size_t SampleStride(int level) {
  return level == 4 && kSanitized ? 16 : 1;
}

// The draws of a level, in the order the generator makes them.
inline std::vector<PositionDraw> LevelDraws(int level) {
  std::vector<PositionDraw> out;
  for (const PositionDraw& d : FindLevel(level)->draws) {
    if (d.position != 0) out.push_back(d);
  }
  return out;
}

// Every combination of values in `ranges`, the first varying fastest.
inline std::vector<std::vector<int>> EveryCombination(const std::vector<ExponentRange>& ranges) {
  std::vector<std::vector<int>> out;
  std::vector<int> cur;
  for (const auto& r : ranges) cur.push_back(r.lo);
  while (true) {
    out.push_back(cur);
    std::size_t i = 0;
    for (; i < cur.size(); ++i) {
      if (++cur[i] <= ranges[i].hi) break;
      cur[i] = ranges[i].lo;
    }
    if (i == cur.size()) return out;
  }
}

// Every combination of exponents a level can draw, flattened in draw order.
inline std::vector<std::vector<int>> EveryDraw(int level) {
  std::vector<ExponentRange> ranges;
  for (const auto& d : LevelDraws(level))
    ranges.insert(ranges.end(), d.exponents.begin(), d.exponents.end());
  return EveryCombination(ranges);
}

// Queues the draws of `drawn` (flattened in draw order) on the scripted source.
inline void ScriptDraws(ScriptedRandom& random, int level, const std::vector<int>& drawn) {
  std::size_t at = 0;
  for (const auto& d : LevelDraws(level)) {
    for (const auto& [lo, hi] : d.exponents) random.willDraw(drawn[at++], lo, hi);
  }
}

// The practice window as its session loads it, at a level, for the answer area's tests.
struct AnswerWindow : LoadedWindow<ScriptedRandom> {
  using LoadedWindow::LoadedWindow;

  // Writes K1..K6 into lblProb(6)..lblProb(11) as the generator does.
  void setKey(const std::array<const char*, 6>& key) {
    for (int i = 0; i < 6; ++i) f.setText(lblProb[6 + i], key[static_cast<std::size_t>(i)]);
  }
  void type(int box, std::string text) { f.setText(txtAnswer[box], std::move(text)); }
  // Makes the problem whose exponents are `drawn`, through the "&Next" handler.
  void make(const std::vector<int>& drawn) {
    ScriptDraws(random, w.level(), drawn);
    cmdNew_Click(w);
  }
  int selectedForm() const {
    const Control* c = SelectedOption(f);
    return c == nullptr ? -1 : c->index;
  }
  int focusedBox() const {
    const Control* c = f.focused();
    return c != nullptr && c->name == frmTovimel3::txtAnswer.name ? c->index : -1;
  }
};

}  // namespace tovimel::testing
