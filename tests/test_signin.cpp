// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fakes.h"
#include "player.h"
#include "session/teacher_code.h"

namespace tovimel {
namespace {

using testing::Program;
using testing::Snap;

constexpr Rgb kPale{255, 255, 128};
constexpr Rgb kYellow{255, 255, 0};
const std::string kCode(kTeacherCode);

struct SignedIn : ::testing::Test {
  Program p;
  void SetUp() override { p.signin.load(); }
  void type(const char* box, const std::string& text) { p.in().setText(box, -1, text); }
  bool okEnabled() { return p.in()("cmdOk").enabled; }
};

TEST_F(SignedIn, OpensWithOkDisabledFocusInPeriodAndTheMainWindowBehind) {
  EXPECT_FALSE(okEnabled());
  EXPECT_TRUE(p.in().hasFocus("txtPeriod"));
  EXPECT_FALSE(p.main().window().props.enabled);
  EXPECT_TRUE(p.main().window().props.visible);
  EXPECT_EQ(p.session.state(), MainState::SigningIn);
  EXPECT_EQ(p.main()("lblPeriod").text, "18");
  for (const char* label : {"lblID", "lblName", "lblTeacher", "lblDate"}) {
    EXPECT_EQ(p.main()(label).text, "") << label;
  }
  EXPECT_EQ(p.in()("lblFlash").back, kPale);
  EXPECT_EQ(p.in()("lblFlash").fore, std::nullopt);
  EXPECT_TRUE(p.in()("Timer1").enabled);
  // The main window has been loaded behind the sign-in.
  EXPECT_EQ(p.window().ProblemLimit, 20);
}

TEST_F(SignedIn, EveryKeystrokeIsCopiedToTheStripIncludingDeletions) {
  const std::array<std::pair<const char*, const char*>, 4> pairs{{{"txtPeriod", "lblPeriod"},
                                                                  {"txtID", "lblID"},
                                                                  {"txtName", "lblName"},
                                                                  {"txtTeacher", "lblTeacher"}}};
  for (const auto& [box, label] : pairs) {
    type(box, "D");
    EXPECT_EQ(p.main()(label).text, "D") << box;
    type(box, "Do");
    EXPECT_EQ(p.main()(label).text, "Do") << box;
    type(box, " Do e ");  // untrimmed
    EXPECT_EQ(p.main()(label).text, " Do e ") << box;
    type(box, "");
    EXPECT_EQ(p.main()(label).text, "") << box;
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
    fresh.in().setText("txtTeacher", -1, c.teacher);
    fresh.in().setText("txtName", -1, c.name);
    fresh.in().setText("txtID", -1, c.id);
    fresh.in().setText("txtPeriod", -1, c.period);
    EXPECT_EQ(fresh.in()("cmdOk").enabled, c.ok)
        << "'" << c.period << "' '" << c.id << "' '" << c.name << "' '" << c.teacher << "'";
  }
}

TEST_F(SignedIn, OkFollowsTheLastKeystrokeBothWays) {
  type("txtName", "Doe");
  type("txtTeacher", "Smith");
  type("txtID", "7");
  EXPECT_FALSE(okEnabled());
  type("txtPeriod", "2");
  EXPECT_TRUE(okEnabled());
  type("txtID", "");
  EXPECT_FALSE(okEnabled());
  type("txtID", "7");
  EXPECT_TRUE(okEnabled());
  type("txtPeriod", "");
  EXPECT_FALSE(okEnabled());
  type("txtPeriod", kCode);
  EXPECT_TRUE(okEnabled());
  type("txtName", "");
  EXPECT_TRUE(okEnabled());  // the code needs nothing else
  type("txtPeriod", kCode + "1");
  EXPECT_FALSE(okEnabled());
}

TEST_F(SignedIn, EnterDoesNothingWhileOkIsDisabled) {
  type("txtPeriod", "2");
  const auto main_before = Snap(p.main());
  const auto in_before = Snap(p.in());
  EXPECT_FALSE(p.in().click("cmdOk"));
  p.signin.ok();  // even called directly
  EXPECT_EQ(Snap(p.main()), main_before);
  EXPECT_EQ(Snap(p.in()), in_before);
  EXPECT_FALSE(p.signin.unloaded());
  EXPECT_EQ(p.time.date_reads, 0);
}

TEST_F(SignedIn, FlashAlternatesEverySecondStartingWithYellowOnBlack) {
  for (int tick = 1; tick <= 5; ++tick) {
    ASSERT_TRUE(p.in().tick("Timer1"));
    const bool odd = tick % 2 == 1;
    EXPECT_EQ(p.in()("lblFlash").back, odd ? kBlack : kYellow) << tick;
    EXPECT_EQ(p.in()("lblFlash").fore, odd ? kYellow : kBlack) << tick;
  }
}

TEST_F(SignedIn, OkEnablesTheMainWindowStampsTheDateAndCloses) {
  type("txtPeriod", "4");
  type("txtID", "1234");
  type("txtName", "Doe, Jo");
  type("txtTeacher", "Smith");
  EXPECT_EQ(p.main()("lblDate").text, "");
  p.time.today = "12/31/2025";
  ASSERT_TRUE(p.in().click("cmdOk"));
  EXPECT_EQ(p.main()("lblDate").text, "12/31/2025");
  EXPECT_TRUE(p.main().window().props.enabled);
  EXPECT_EQ(p.session.state(), MainState::Ready);
  EXPECT_TRUE(p.signin.unloaded());
  EXPECT_FALSE(p.signin.ended());
  EXPECT_FALSE(p.in().window().props.visible);
  EXPECT_FALSE(p.in()("Timer1").enabled);
  EXPECT_EQ(p.process.ended, 0);
  EXPECT_EQ(p.process.quits, 0);

  // The sign-in is gone; the main window goes on.
  EXPECT_TRUE(p.main().click("cmdStart"));
  const auto flash = p.in()("lblFlash");
  type("txtName", "Someone else");
  p.signin.flash();
  p.in().requestClose();
  EXPECT_EQ(p.main()("lblName").text, "Doe, Jo");
  EXPECT_EQ(p.in()("lblFlash"), flash);
  EXPECT_EQ(p.process.ended, 0);
}

TEST_F(SignedIn, TeacherCodeAloneLeavesTheOtherLabelsAsTheyWere) {
  type("txtID", "55");
  type("txtID", "");
  type("txtPeriod", kCode);
  ASSERT_TRUE(p.in().click("cmdOk"));
  EXPECT_EQ(p.main()("lblPeriod").text, kCode);
  for (const char* label : {"lblID", "lblName", "lblTeacher"}) {
    EXPECT_EQ(p.main()(label).text, "") << label;
  }
  EXPECT_EQ(p.session.state(), MainState::Ready);
}

TEST_F(SignedIn, ExitEndsAtOnceEvenWithOkEnabled) {
  type("txtPeriod", "4");
  type("txtID", "1234");
  type("txtName", "Doe, Jo");
  type("txtTeacher", "Smith");
  ASSERT_TRUE(p.in().click("cmdExit"));
  EXPECT_EQ(p.process.ended, 1);
  EXPECT_TRUE(p.signin.ended());
  EXPECT_FALSE(p.main().window().props.enabled);  // never enabled on the way out
  EXPECT_TRUE(p.main().window().props.visible);
  EXPECT_TRUE(p.session.closed());
  testing::ExpectNothingRuns(p);
}

TEST_F(SignedIn, CloseBeforeOkEndsTheProgram) {
  type("txtPeriod", "4");
  p.in().requestClose();
  EXPECT_EQ(p.process.ended, 1);
  EXPECT_FALSE(p.main().window().props.enabled);
  testing::ExpectNothingRuns(p);
}

}  // namespace
}  // namespace tovimel
