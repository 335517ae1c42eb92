// SPDX-License-Identifier: MIT
// The practice window: its controls, the state it keeps beside them, and its procedure for the
// end of a run. The engine, the answer forms, grading and the session all work on it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/random.h"
#include "windows/controls.h"
#include "windows/form.h"
#include "windows/rows.h"

namespace tovimel {

struct MainWindow {
  // Builds frmTovimel3 from its layout. The session installs its handlers.
  explicit MainWindow(RandomSource& random);

  Form form;
  RandomSource& random;
  // Places the problem's and the key's rows around the numbers they show.
  RowArranger rows{form};

  // Tables are indexed from 1, as the problem template numbers its positions; slot 0 is unused.
  std::array<std::int32_t, 4> Primes{};
  std::array<std::array<std::int32_t, 4>, 7> ProblemExponents{};
  std::array<std::int32_t, 7> ProblemNumbers{};
  std::array<std::array<std::int32_t, 4>, 7> AnswerExponents{};

  std::int32_t RightCount = 0;
  std::int32_t TotalCount = 0;
  std::int32_t ProblemLimit = 0;

  std::array<std::int32_t, 4> AnswerBoxHome{};  // indexed 0..3 like the boxes
  std::int32_t RadicalHome = 0;
  std::int32_t BarHomeX1 = 0;
  std::int32_t BarHomeX2 = 0;

  std::int16_t ClockSeconds = 0;
  std::int16_t ClockMinutes = 0;

  // Saves where the answer area's movable parts stand by design; the answer forms move them
  // relative to these.
  void captureHomes();

  // The level lives in the scroll bar.
  int level() const { return form(frmTovimel3::vsbLevel).value; }
};

// Ends the run: clock stopped, problem/answer/key frames hidden, white background, title shown,
// Submit and Next gone, "Print Results" offered and focused.
void shutdown(MainWindow& w);

}  // namespace tovimel
