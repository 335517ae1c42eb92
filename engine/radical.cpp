// SPDX-License-Identifier: MIT
#include "engine/radical.h"

#include <stdexcept>

#include "engine/numbers.h"

namespace tovimel {

std::int32_t RaiseTo(std::int32_t base, std::int32_t exponent) {
  std::int32_t product = 1;
  for (std::int32_t i = 0; i < exponent; ++i) product = CheckedMul(product, base);
  return product;
}

void reduce(std::int32_t& a, std::int32_t& b, std::int32_t& c) {
  if (a == 0 && b == 0 && c == 0) throw std::invalid_argument("reduce of three zeros");
  for (const std::int32_t p : {2, 3, 5}) {
    while (a % p == 0 && b % p == 0 && c % p == 0) {
      a /= p;
      b /= p;
      c /= p;
    }
  }
}

}  // namespace tovimel
