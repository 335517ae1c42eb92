// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/main_window.h"
#include "session/clock.h"
#include "tests/fakes.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

TEST(ClockText, PadsEachPartToTwoDigitsAndCutsNothing) {
  struct Case {
    int minutes, seconds;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "00:00"},    {0, 1, "00:01"},         {1, 0, "01:00"},   {9, 5, "09:05"},
      {10, 5, "10:05"},   {5, 10, "05:10"},        {59, 59, "59:59"}, {100, 0, "100:00"},
      {999, 9, "999:09"}, {32767, 59, "32767:59"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClockText(c.minutes, c.seconds), c.text) << c.minutes << ":" << c.seconds;
  }
}

struct Clocked {
  testing::ScriptedRandom random;
  MainWindow w{random};
  void ticks(int n) {
    for (int i = 0; i < n; ++i) timOverAll_Timer(w);
  }
};

TEST(ClockTick, CountsTicksIntoMinutesAndSeconds) {
  struct Case {
    int ticks;
    const char* text;
  };
  const Case cases[] = {{1, "00:01"},     {59, "00:59"},   {60, "01:00"},  {61, "01:01"},
                        {310, "05:10"},   {545, "09:05"},  {605, "10:05"}, {3599, "59:59"},
                        {6000, "100:00"}, {6001, "100:01"}};
  for (const Case& c : cases) {
    Clocked run;
    run.ticks(c.ticks);
    EXPECT_EQ(run.w.form(clock).text, c.text) << c.ticks << " ticks";
    EXPECT_EQ(run.w.ClockMinutes * 60 + run.w.ClockSeconds, c.ticks);
    EXPECT_LT(run.w.ClockSeconds, 60);
  }
}

TEST(ClockTick, HoldsAtTheLastMinuteItCanCount) {
  Clocked run;
  run.w.ClockMinutes = 32767;
  run.w.ClockSeconds = 58;
  run.ticks(1);
  EXPECT_EQ(run.w.form(clock).text, "32767:59");
  run.ticks(3);
  EXPECT_EQ(run.w.ClockMinutes, 32767);
  EXPECT_EQ(run.w.ClockSeconds, 59);
  EXPECT_EQ(run.w.form(clock).text, "32767:59");
}

}  // namespace
}  // namespace tovimel
