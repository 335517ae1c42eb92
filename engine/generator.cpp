// SPDX-License-Identifier: MIT
#include "engine/generator.h"

#include "engine/numbers.h"
#include "engine/radical.h"

namespace tovimel {
namespace {

// Draws a level's exponents, positions in the table's order and at each position the primes 2,
// 3 and 5 in that order.
void DrawExponents(Problem& p, const Level& level, RandomSource& random) {
  for (const PositionDraw& draw : level.draws) {
    if (draw.position == 0) break;
    auto& row = p.exponents[static_cast<std::size_t>(draw.position)];
    for (int j = 1; j <= 3; ++j) {
      const ExponentRange& range = draw.exponents[static_cast<std::size_t>(j - 1)];
      row[j] = Draw(random, range.lo, range.hi);
    }
  }
  if (level.key == KeyMethod::Conjugate) {
    auto all_zero = [&](int i) {
      const auto& e = p.exponents[i];
      return e[1] == 0 && e[2] == 0 && e[3] == 0;
    };
    // The denominator's root needs a coefficient other than 1 and a radicand that is no square.
    if (all_zero(5)) p.exponents[5][2] = 1;
    if (all_zero(6)) p.exponents[6][1] = 1;
  }
}

std::int32_t Build(const std::array<std::int32_t, 4>& exponents) {
  std::int32_t product = 1;
  for (int j = 1; j <= 3; ++j) product = CheckedMul(product, RaiseTo(kPrimes[j], exponents[j]));
  return product;
}

// Levels 1 to 4: N2 root N3 / (N5 root N6), rationalised, square factors taken out, cancelled.
void RationaliseAndCancel(Problem& p) {
  for (int j = 1; j <= 3; ++j) {
    const std::int32_t a2 = p.exponents[2][j];
    const std::int32_t a3 = p.exponents[3][j];
    const std::int32_t a5 = p.exponents[5][j];
    const std::int32_t a6 = p.exponents[6][j];
    std::int32_t d = a5 + a6 / 2 + a6 % 2;
    std::int32_t r = a3 + a6 % 2;
    std::int32_t c = a2 + r / 2;
    r %= 2;
    if (c > d) {
      c -= d;
      d = 0;
    } else if (d > c) {
      d -= c;
      c = 0;
    } else {
      c = 0;
      d = 0;
    }
    p.answer_exponents[2][j] = c;
    p.answer_exponents[3][j] = r;
    p.answer_exponents[5][j] = d;
    p.answer_exponents[6][j] = 0;
  }
  p.key[1] = 0;
  p.key[2] = Build(p.answer_exponents[2]);
  p.key[3] = Build(p.answer_exponents[3]);
  p.key[4] = 0;
  p.key[5] = Build(p.answer_exponents[5]);
  p.key[6] = Build(p.answer_exponents[6]);
}

// Level 5: 1 / (N4 + N5 root N6) = (N4 - N5 root N6) / (N4^2 - N5^2 N6).
void Conjugate(Problem& p) {
  for (int j = 1; j <= 3; ++j) {
    p.answer_exponents[1][j] = p.exponents[4][j];
    p.answer_exponents[2][j] = p.exponents[5][j];
    p.answer_exponents[3][j] = p.exponents[6][j];
  }
  std::int32_t k1 = Build(p.answer_exponents[1]);
  std::int32_t k2 = Build(p.answer_exponents[2]);
  const std::int32_t k3 = Build(p.answer_exponents[3]);
  k2 = -k2;
  std::int32_t k5 = CheckedSub(CheckedMul(k1, k1), CheckedMul(CheckedMul(k2, k2), k3));
  if (k5 < 0) {
    k5 = -k5;
    k1 = -k1;
    k2 = -k2;
  }
  reduce(k1, k2, k5);
  p.key = {0, k1, k2, k3, 0, k5, 1};
}

}  // namespace

Problem MakeProblem(const Level& level, RandomSource& random) {
  Problem p;
  DrawExponents(p, level, random);
  for (int i = 1; i <= 6; ++i) p.numbers[static_cast<std::size_t>(i)] = Build(p.exponents[i]);
  if (level.key == KeyMethod::Conjugate) {
    Conjugate(p);
  } else {
    RationaliseAndCancel(p);
  }
  return p;
}

}  // namespace tovimel
