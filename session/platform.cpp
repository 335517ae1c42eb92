// SPDX-License-Identifier: MIT
#include "session/platform.h"

#include <chrono>
#include <ctime>

namespace tovimel {

double SystemTime::secondsSinceMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
}

std::string SystemTime::todayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Month/day/year without leading zeros, the short date of a United States desktop.
  return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
         std::to_string(local.tm_year + 1900);
}

}  // namespace tovimel
