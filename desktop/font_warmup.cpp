// SPDX-License-Identifier: MIT
#include "desktop/font_warmup.h"

#include <fontconfig/fontconfig.h>

namespace tovimel {

// FcInit loads the default configuration once per process and is safe to race: whichever
// thread comes second finds it loaded.
FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
  wait();
}

void FontConfigWarmUp::wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace tovimel
