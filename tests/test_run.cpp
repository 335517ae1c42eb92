// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "engine/numbers.h"
#include "session/clock.h"
#include "tests/player.h"
#include "tests/program.h"
#include "windows/teacher_code.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Answer;
using testing::Diff;
using testing::ExpectState;
using testing::Program;
using testing::PropsIn;
using testing::Snap;
using testing::Without;

struct Student {
  std::string period, id, name, teacher;
};

// One whole program run: sign in, choose the level, twenty problems each answered wrong once
// and then right, with the clock ticking in between, the end screen printed twice, and Exit.
// With `reveal`, the period label is clicked before Start, during the run and after the end.
void PlayRun(int level, const Student& student, bool reveal, std::uint64_t start) {
  SCOPED_TRACE("level " + std::to_string(level) + ", random start " + std::to_string(start));
  Program p(start);
  Form& f = p.main();
  p.signin.load();
  ExpectState(p.session, MainState::SigningIn, "loaded");
  p.in().setText(frmSignIn::txtPeriod, student.period);
  p.in().setText(frmSignIn::txtID, student.id);
  p.in().setText(frmSignIn::txtName, student.name);
  p.in().setText(frmSignIn::txtTeacher, student.teacher);
  ASSERT_TRUE(p.in().click(frmSignIn::cmdOk));
  ExpectState(p.session, MainState::Ready, "signed in");
  EXPECT_EQ(f(lblPeriod).text, student.period);
  EXPECT_EQ(f(lblDate).text, p.time.today);

  // Through another level first, so that the chosen one is applied over a different one.
  f.setValue(vsbLevel, level == 5 ? 3 : 5);
  f.setValue(vsbLevel, level);
  ExpectState(p.session, MainState::Ready, "level chosen");
  EXPECT_EQ(f(lblLevelShow).text, "Level " + std::to_string(level));
  if (reveal) {
    EXPECT_FALSE(f(fraKey).visible);
    ASSERT_TRUE(f.click(lblPeriod));
    EXPECT_TRUE(f(fraKey).visible);
    EXPECT_EQ(f(lblProb[7]).text, "0");  // the layout's text until the first problem
  }

  ASSERT_TRUE(f.click(cmdStart));
  int seconds = 0;
  const auto tick = [&](int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(f.tick(timOverAll));
    seconds += n;
  };
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE("problem " + std::to_string(n));
    ExpectState(p.session, MainState::ProblemOpen, "new problem");
    EXPECT_EQ(f(lblProbCount).text, std::to_string(n));
    EXPECT_EQ(f(fraKey).visible, reveal);
    tick(7);

    Answer(f, false);
    ExpectState(p.session, MainState::ProblemOpen, "after a wrong answer");
    EXPECT_EQ(p.window().TotalCount, 2 * n - 1);
    EXPECT_EQ(p.window().RightCount, n - 1);
    tick(5);

    Answer(f, true);
    EXPECT_EQ(p.window().TotalCount, 2 * n);
    EXPECT_EQ(p.window().RightCount, n);
    EXPECT_EQ(f(lblRight).text, ScoreText(n));
    EXPECT_EQ(f(lblWrong).text, ScoreText(2 * n));
    EXPECT_EQ(f(lblPercent).text, " 50%");
    if (n < 20) {
      ExpectState(p.session, MainState::ProblemSolved, "after the right answer");
      tick(1);
      ASSERT_TRUE(f.click(cmdNew));
    }
  }
  ExpectState(p.session, MainState::RunEnded, "after the twentieth right answer");
  EXPECT_FALSE(f(fraKey).visible);
  EXPECT_EQ(seconds, 19 * 13 + 12);
  EXPECT_EQ(f(clock).text, ClockText(seconds / 60, seconds % 60));
  EXPECT_EQ(f(lblProbCount).text, "20");
  EXPECT_EQ(f(lblRight).text, " 20");
  EXPECT_EQ(f(lblWrong).text, " 40");
  EXPECT_EQ(f(lblPercent).text, " 50%");
  EXPECT_EQ(f(lblLevelShow).text, "Level " + std::to_string(level));
  EXPECT_EQ(f(lblName).text, student.name);
  EXPECT_FALSE(f.tick(timOverAll));
  EXPECT_EQ(f(clock).text, ClockText(seconds / 60, seconds % 60));

  if (reveal) {
    const std::string last_key = f(lblProb[10]).text;
    ASSERT_TRUE(f.click(lblPeriod));
    EXPECT_TRUE(f(fraKey).visible);
    EXPECT_EQ(f(lblProb[10]).text, last_key);
  }
  ASSERT_TRUE(f.click(cmdPrintIt));
  ASSERT_TRUE(f.click(cmdPrintIt));
  ASSERT_EQ(p.printer.pages.size(), 2u);
  // Each page shows the run, not the line that tells where the page before it went.
  for (const auto& page : p.printer.pages) {
    EXPECT_FALSE(PropsIn(page, lblPageWent).visible);
  }
  EXPECT_EQ(f(lblPageWent).text, "The page went to the printer Room 12.");
  const auto page = [&](std::size_t i) { return Without(p.printer.pages[i], lblPageWent); };
  EXPECT_EQ(Diff(page(0), page(1)), "");
  EXPECT_EQ(Diff(page(0), Without(Snap(f), lblPageWent)), "");
  ExpectState(p.session, MainState::RunEnded, "after printing");

  ASSERT_TRUE(f.click(cmdExit));
  EXPECT_EQ(p.process.quits, 1);
  EXPECT_EQ(p.process.ended, 0);
  EXPECT_FALSE(f.window().props.visible);
}

const Student kStudent{"4", "20731", "Doe, Jo", "Smith"};

TEST(PracticeRun, TwentyProblemsAtEachLevel) {
  for (int level = 1; level <= 5; ++level) PlayRun(level, kStudent, false, 1000 + level);
}

TEST(PracticeRun, ManyRandomRunsAtTheHardestLevels) {
  for (std::uint64_t start = 1; start <= 10; ++start) {
    PlayRun(4, kStudent, false, start);
    PlayRun(5, kStudent, false, start);
  }
}

TEST(PracticeRun, TeacherCodeSignsInAloneAndRevealsTheKey) {
  PlayRun(5, {std::string(kTeacherCode), "", "", ""}, true, 77);
  PlayRun(2, {std::string(kTeacherCode), "", "", ""}, true, 78);
}

}  // namespace
}  // namespace tovimel
