// SPDX-License-Identifier: MIT
#pragma once

namespace tovimel {

struct MainWindow;

// The Change handler of vsbLevel: shows the problem shape of the level, selects its answer
// form, names the level and offers or withdraws the level-5 forms.
void vsbLevel_Change(MainWindow& w);

}  // namespace tovimel
