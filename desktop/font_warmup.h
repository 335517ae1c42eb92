// SPDX-License-Identifier: MIT
// Reads the system's font configuration on a second thread while Qt connects to the display.
#pragma once

#include <thread>

namespace tovimel {

// fontconfig spends about as long parsing its configuration files as QApplication spends
// opening the display; Qt would otherwise do the first only after the second, when the first
// window needs a font. Construct it before the QApplication and wait() before building windows.
class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // Returns once the configuration is loaded (or loading failed: Qt then tries on its own).
  void wait();

 private:
  std::thread thread_;
};

}  // namespace tovimel
