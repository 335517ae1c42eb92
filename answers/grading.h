// SPDX-License-Identifier: MIT
// Grading a submitted answer, and the score.
#pragma once

namespace tovimel {

struct MainWindow;

// "&Submit": compares the four answer parts with the key, colours the boxes, counts the
// submission; a right answer refreshes the score, enables "&Next" and ends the run at the
// problem limit, a wrong one reselects the level's answer form.
void cmdSubmit_Click(MainWindow& w);

}  // namespace tovimel
