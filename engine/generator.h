// SPDX-License-Identifier: MIT
// The problem generator: a level's draws made into a problem and its exact key, without a window.
#pragma once

#include <array>
#include <cstdint>

#include "engine/levels.h"
#include "engine/random.h"

namespace tovimel {

// The primes every number of a problem is made of, indexed from 1.
inline constexpr std::array<std::int32_t, 4> kPrimes{0, 2, 3, 5};

// One problem. Tables are indexed from 1 as the problem template numbers its positions (slot 0
// unused), and exponents by prime 1..3.
struct Problem {
  std::array<std::array<std::int32_t, 4>, 7> exponents{};         // drawn, per position
  std::array<std::int32_t, 7> numbers{};                          // N1..N6
  std::array<std::array<std::int32_t, 4>, 7> answer_exponents{};  // of the key's factors
  std::array<std::int32_t, 7> key{};                              // K1..K6
};

// Draws a problem of `level` from `random` and works out its key: the whole of what "&Next"
// makes, before anything is shown.
Problem MakeProblem(const Level& level, RandomSource& random);

}  // namespace tovimel
