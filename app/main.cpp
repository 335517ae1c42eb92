// SPDX-License-Identifier: MIT
#include <cstdio>

int main() {
  std::puts("Tovimel: the windows are not built yet; run scripts/test to exercise the logic.");
  return 0;
}
