// SPDX-License-Identifier: MIT
#pragma once

namespace tovimel {

struct MainWindow;

// "&Next": makes a problem of the current level, shows it, writes its key and prepares the
// answer area. Start runs it for the first problem.
void cmdNew_Click(MainWindow& w);

}  // namespace tovimel
