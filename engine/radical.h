// SPDX-License-Identifier: MIT
// Integer routines for numbers built from the primes 2, 3 and 5.
#pragma once

#include <cstdint>

namespace tovimel {

// base to the power exponent by repeated (checked) multiplication; 1 for exponent <= 0.
std::int32_t RaiseTo(std::int32_t base, std::int32_t exponent);

// Removes every factor 2, 3 and 5 that a, b and c share; no other divisor is tried.
// They must not all be zero.
void reduce(std::int32_t& a, std::int32_t& b, std::int32_t& c);

}  // namespace tovimel
