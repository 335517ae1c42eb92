// SPDX-License-Identifier: MIT
#pragma once

namespace tovimel {

struct MainWindow;

// Chooses the answer form for the level (and, at level 4, the key's shape).
void SetupAnswers(MainWindow& w);

}  // namespace tovimel
