// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/radical.h"
#include "engine/random.h"
#include "tests/fakes.h"

namespace tovimel {
namespace {

TEST(RaiseTo, RepeatedMultiplication) {
  struct Case {
    std::int32_t base, exponent, want;
  };
  const Case cases[] = {{2, 0, 1},    {0, 0, 1},   {5, -1, 1},  {3, 1, 3}, {2, 4, 16},
                        {5, 5, 3125}, {5, 3, 125}, {-2, 3, -8}, {0, 2, 0}, {2, 30, 1 << 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(RaiseTo(c.base, c.exponent), c.want) << c.base << "^" << c.exponent;
  }
  EXPECT_THROW(RaiseTo(2, 31), std::overflow_error);
}

TEST(Reduce, RemovesOnlyCommonFactorsTwoThreeFive) {
  struct Case {
    std::array<std::int32_t, 3> in, want;
  };
  const Case cases[] = {
      {{12, 18, 30}, {2, 3, 5}},      {{-4, 2, 6}, {-2, 1, 3}}, {{14, 21, 35}, {14, 21, 35}},
      {{6, 9, 1}, {6, 9, 1}},         {{8, 8, 8}, {1, 1, 1}},   {{50, -25, 75}, {2, -1, 3}},
      {{30, -2, 888}, {15, -1, 444}}, {{0, 6, 12}, {0, 1, 2}},  {{-6, -9, -15}, {-2, -3, -5}},
  };
  for (const auto& c : cases) {
    auto v = c.in;
    reduce(v[0], v[1], v[2]);
    EXPECT_EQ(v, c.want) << c.in[0] << ", " << c.in[1] << ", " << c.in[2];
  }
}

TEST(Reduce, RefusesThreeZeros) {
  std::int32_t a = 0, b = 0, c = 0;
  EXPECT_THROW(reduce(a, b, c), std::invalid_argument);
}

TEST(Draw, CoversTheRangeAtBothEndsOfR) {
  testing::ScriptedRandom r;
  r.values = {0.0, std::nextafter(1.0, 0.0), 0.5, 0.999};
  EXPECT_EQ(Draw(r, 1, 4), 1);
  EXPECT_EQ(Draw(r, 1, 4), 4);
  EXPECT_EQ(Draw(r, 0, 0), 0);
  EXPECT_EQ(Draw(r, 0, 1), 1);
}

TEST(MersenneSource, StaysBelowOne) {
  MersenneSource source;
  source.seed(12345);
  double low = 1, high = 0;
  for (int i = 0; i < 200000; ++i) {
    const double r = source.next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_LT(low, 0.001);
  EXPECT_GT(high, 0.999);
}

}  // namespace
}  // namespace tovimel
