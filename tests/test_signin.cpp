// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/player.h"
#include "tests/program.h"
#include "windows/teacher_code.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Program;
using testing::Snap;

constexpr Rgb kPale{255, 255, 128};
constexpr Rgb kYellow{255, 255, 0};
const std::string kCode(kTeacherCode);

struct SignedIn : ::testing::Test {
  Program p;
  void SetUp() override { p.signin.load(); }
  void type(ControlId box, const std::string& text) { p.in().setText(box, text); }
  bool okEnabled() { return p.in()(frmSignIn::cmdOk).enabled; }
};

TEST_F(SignedIn, OpensWithOkDisabledFocusInPeriodAndTheMainWindowBehind) {
  EXPECT_FALSE(okEnabled());
  EXPECT_TRUE(p.in().hasFocus(frmSignIn::txtPeriod));
  EXPECT_FALSE(p.main().window().props.enabled);
  EXPECT_TRUE(p.main().window().props.visible);
  EXPECT_EQ(p.session.state(), MainState::SigningIn);
  EXPECT_EQ(p.main()(lblPeriod).text, "18");
  for (const ControlName label : {lblID, lblName, lblTeacher, lblDate}) {
    EXPECT_EQ(p.main()(label).text, "") << label.name;
  }
  EXPECT_EQ(p.in()(frmSignIn::lblFlash).back, kPale);
  EXPECT_EQ(p.in()(frmSignIn::lblFlash).fore, std::nullopt);
  EXPECT_TRUE(p.in()(frmSignIn::Timer1).enabled);
  // The main window has been loaded behind the sign-in.
  EXPECT_EQ(p.window().ProblemLimit, 20);
}

TEST_F(SignedIn, EveryKeystrokeIsCopiedToTheStripIncludingDeletions) {
  const std::array<std::pair<ControlName, ControlName>, 4> pairs{
      {{frmSignIn::txtPeriod, lblPeriod},
       {frmSignIn::txtID, lblID},
       {frmSignIn::txtName, lblName},
       {frmSignIn::txtTeacher, lblTeacher}}};
  for (const auto& [box, label] : pairs) {
    type(box, "D");
    EXPECT_EQ(p.main()(label).text, "D") << box.name;
    type(box, "Do");
    EXPECT_EQ(p.main()(label).text, "Do") << box.name;
    type(box, " Do e ");  // untrimmed
    EXPECT_EQ(p.main()(label).text, " Do e ") << box.name;
    type(box, "");
    EXPECT_EQ(p.main()(label).text, "") << box.name;
  }
}

TEST_F(SignedIn, OkRule) {
  struct Case {
    std::string period, id, name, teacher;
    bool ok;
  };
  const Case cases[] = {
      {"", "", "", "", false},
      {"3", "", "", "", false},
      {"3", "17", "Doe, Jo", "", false},
      {"", "17", "Doe, Jo", "Smith", false},
      {"3", "", "Doe, Jo", "Smith", false},
      {"3", "17", "", "Smith", false},
      {"3", "17", "Doe, Jo", "Smith", true},
      {" ", " ", " ", " ", true},  // blanks are text
      {kCode, "", "", "", true},
      {kCode, "17", "", "", true},
      {kCode + " ", "", "", "", false},
      {" " + kCode, "", "", "", false},
      {kCode + kCode, "", "", "", false},
      {kCode + "x", "17", "Doe, Jo", "Smith", true},  // an ordinary period then
  };
  for (const Case& c : cases) {
    Program fresh;
    fresh.signin.load();
    fresh.in().setText(frmSignIn::txtTeacher, c.teacher);
    fresh.in().setText(frmSignIn::txtName, c.name);
    fresh.in().setText(frmSignIn::txtID, c.id);
    fresh.in().setText(frmSignIn::txtPeriod, c.period);
    EXPECT_EQ(fresh.in()(frmSignIn::cmdOk).enabled, c.ok)
        << "'" << c.period << "' '" << c.id << "' '" << c.name << "' '" << c.teacher << "'";
  }
}

TEST_F(SignedIn, OkFollowsTheLastKeystrokeBothWays) {
  type(frmSignIn::txtName, "Doe");
  type(frmSignIn::txtTeacher, "Smith");
  type(frmSignIn::txtID, "7");
  EXPECT_FALSE(okEnabled());
  type(frmSignIn::txtPeriod, "2");
  EXPECT_TRUE(okEnabled());
  type(frmSignIn::txtID, "");
  EXPECT_FALSE(okEnabled());
  type(frmSignIn::txtID, "7");
  EXPECT_TRUE(okEnabled());
  type(frmSignIn::txtPeriod, "");
  EXPECT_FALSE(okEnabled());
  type(frmSignIn::txtPeriod, kCode);
  EXPECT_TRUE(okEnabled());
  type(frmSignIn::txtName, "");
  EXPECT_TRUE(okEnabled());  // the code needs nothing else
  type(frmSignIn::txtPeriod, kCode + "1");
  EXPECT_FALSE(okEnabled());
}

TEST_F(SignedIn, EnterDoesNothingWhileOkIsDisabled) {
  type(frmSignIn::txtPeriod, "2");
  const auto main_before = Snap(p.main());
  const auto in_before = Snap(p.in());
  EXPECT_FALSE(p.in().click(frmSignIn::cmdOk));
  p.signin.ok();  // even called directly
  EXPECT_EQ(Snap(p.main()), main_before);
  EXPECT_EQ(Snap(p.in()), in_before);
  EXPECT_FALSE(p.signin.unloaded());
  EXPECT_EQ(p.time.date_reads, 0);
}

TEST_F(SignedIn, FlashAlternatesEverySecondStartingWithYellowOnBlack) {
  for (int tick = 1; tick <= 5; ++tick) {
    ASSERT_TRUE(p.in().tick(frmSignIn::Timer1));
    const bool odd = tick % 2 == 1;
    EXPECT_EQ(p.in()(frmSignIn::lblFlash).back, odd ? kBlack : kYellow) << tick;
    EXPECT_EQ(p.in()(frmSignIn::lblFlash).fore, odd ? kYellow : kBlack) << tick;
  }
}

TEST_F(SignedIn, OkEnablesTheMainWindowStampsTheDateAndCloses) {
  type(frmSignIn::txtPeriod, "4");
  type(frmSignIn::txtID, "1234");
  type(frmSignIn::txtName, "Doe, Jo");
  type(frmSignIn::txtTeacher, "Smith");
  EXPECT_EQ(p.main()(lblDate).text, "");
  p.time.today = "12/31/2025";
  ASSERT_TRUE(p.in().click(frmSignIn::cmdOk));
  EXPECT_EQ(p.main()(lblDate).text, "12/31/2025");
  EXPECT_TRUE(p.main().window().props.enabled);
  EXPECT_EQ(p.session.state(), MainState::Ready);
  EXPECT_TRUE(p.signin.unloaded());
  EXPECT_FALSE(p.signin.ended());
  EXPECT_FALSE(p.in().window().props.visible);
  EXPECT_FALSE(p.in()(frmSignIn::Timer1).enabled);
  EXPECT_EQ(p.process.ended, 0);
  EXPECT_EQ(p.process.quits, 0);

  // The sign-in is gone; the main window goes on.
  EXPECT_TRUE(p.main().click(cmdStart));
  const auto flash = p.in()(frmSignIn::lblFlash);
  type(frmSignIn::txtName, "Someone else");
  p.signin.flash();
  p.in().requestClose();
  EXPECT_EQ(p.main()(lblName).text, "Doe, Jo");
  EXPECT_EQ(p.in()(frmSignIn::lblFlash), flash);
  EXPECT_EQ(p.process.ended, 0);
}

TEST_F(SignedIn, TeacherCodeAloneLeavesTheOtherLabelsAsTheyWere) {
  type(frmSignIn::txtID, "55");
  type(frmSignIn::txtID, "");
  type(frmSignIn::txtPeriod, kCode);
  ASSERT_TRUE(p.in().click(frmSignIn::cmdOk));
  EXPECT_EQ(p.main()(lblPeriod).text, kCode);
  for (const ControlName label : {lblID, lblName, lblTeacher}) {
    EXPECT_EQ(p.main()(label).text, "") << label.name;
  }
  EXPECT_EQ(p.session.state(), MainState::Ready);
}

TEST_F(SignedIn, ExitEndsAtOnceEvenWithOkEnabled) {
  type(frmSignIn::txtPeriod, "4");
  type(frmSignIn::txtID, "1234");
  type(frmSignIn::txtName, "Doe, Jo");
  type(frmSignIn::txtTeacher, "Smith");
  ASSERT_TRUE(p.in().click(frmSignIn::cmdExit));
  EXPECT_EQ(p.process.ended, 1);
  EXPECT_TRUE(p.signin.ended());
  EXPECT_FALSE(p.main().window().props.enabled);  // never enabled on the way out
  EXPECT_TRUE(p.main().window().props.visible);
  EXPECT_TRUE(p.session.closed());
  testing::ExpectNothingRuns(p);
}

TEST_F(SignedIn, CloseBeforeOkEndsTheProgram) {
  type(frmSignIn::txtPeriod, "4");
  p.in().requestClose();
  EXPECT_EQ(p.process.ended, 1);
  EXPECT_FALSE(p.main().window().props.enabled);
  testing::ExpectNothingRuns(p);
}

}  // namespace
}  // namespace tovimel
