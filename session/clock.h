// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tovimel {

struct MainWindow;

// Minutes and seconds, each padded to two digits; longer minutes are neither padded nor cut.
std::string ClockText(int minutes, int seconds);

// The Timer handler of timOverAll: one more second of run time on the clock.
void timOverAll_Timer(MainWindow& w);

}  // namespace tovimel
