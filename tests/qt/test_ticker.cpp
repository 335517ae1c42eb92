// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "desktop/ticker.h"

namespace tovimel {
namespace {

// Wakes every time `late` ms after the tick fell due, as a busy event loop does. A schedule that
// never lets time pass fails on the wake-up bound instead of hanging.
std::int64_t RunFor(TickSchedule& s, std::int64_t until, int late) {
  std::int64_t now = 0;
  for (int wakes = 0; wakes < 100'000; ++wakes) {
    now += s.wait(now) + late;
    if (now > until) return s.delivered();
    s.take(now);
  }
  ADD_FAILURE() << "the schedule never reached " << until << " ms";
  return -1;
}

TEST(TickSchedule, LateWakeUpsDoNotAddUpOverTenMinutes) {
  for (int late : {0, 1, 15, 120, 990}) {
    SCOPED_TRACE(late);
    TickSchedule s;
    s.start(0, 1000);
    EXPECT_EQ(RunFor(s, 600'000 + late, late), 600);
  }
}

TEST(TickSchedule, AStallIsMadeUpOneTickAtATime) {
  TickSchedule s;
  s.start(500, 1000);
  EXPECT_FALSE(s.take(1499));
  EXPECT_EQ(s.wait(1499), 1);
  const std::int64_t after_stall = 500 + 5'000 + 300;
  int taken = 0;
  while (taken < 100 && s.take(after_stall)) ++taken;
  EXPECT_EQ(taken, 5);
  EXPECT_EQ(s.wait(after_stall), 700);
  s.start(9'000, 250);  // a restart counts afresh
  EXPECT_EQ(s.delivered(), 0);
  EXPECT_EQ(s.wait(9'000), 250);
}

}  // namespace
}  // namespace tovimel
