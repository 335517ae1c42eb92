// SPDX-License-Identifier: MIT
#include "engine/random.h"

#include <cmath>

namespace tovimel {

int Draw(RandomSource& random, int lo, int hi) {
  const double r = random.next();
  return lo + static_cast<int>(std::floor(r * static_cast<double>(hi - lo + 1)));
}

}  // namespace tovimel
