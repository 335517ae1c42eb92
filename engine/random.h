// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace tovimel {

// Uniform values in [0, 1), strictly below 1. Tests script the values.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void seed(std::uint64_t seed) = 0;
  virtual double next() = 0;
};

// A Mersenne twister; 53 random bits scaled by 2^-53, which cannot round up to 1.0 the way
// std::generate_canonical can.
class MersenneSource final : public RandomSource {
 public:
  void seed(std::uint64_t seed) override { engine_.seed(seed); }
  double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_{5489u};
};

// A whole number from lo to hi inclusive: lo + floor(r * (hi - lo + 1)).
int Draw(RandomSource& random, int lo, int hi);

}  // namespace tovimel
