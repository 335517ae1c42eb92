// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/main_window.h"
#include "session/level.h"
#include "tests/program.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Diff;
using testing::Program;
using testing::Snap;
using testing::Without;

// A program signed in and Ready at level 1.
struct ReadyProgram : Program {
  ReadyProgram() {
    signin.load();
    in().setText(frmSignIn::txtPeriod, "3");
    in().setText(frmSignIn::txtID, "7");
    in().setText(frmSignIn::txtName, "Doe");
    in().setText(frmSignIn::txtTeacher, "Smith");
    in().click(frmSignIn::cmdOk);
  }
};

struct LevelRow {
  int level;
  std::array<bool, 6> prob;
  bool add0, add1, line, upper, lower;
  int form;
};

// From level 1 (as Load leaves the window) to each level.
const LevelRow kFromLevel1[] = {
    {1, {false, false, true, false, false, false}, false, false, false, true, false, 3},
    {2, {false, true, true, false, false, false}, false, false, false, true, false, 3},
    {3, {false, true, true, false, true, false}, false, false, true, true, false, 0},
    {4, {false, true, true, false, true, true}, false, false, true, true, true, 0},
    {5, {false, true, false, true, true, true}, false, true, true, false, true, 7},
};

TEST(LevelChange, EachLevelShowsItsShapeFormAndName) {
  for (const LevelRow& row : kFromLevel1) {
    SCOPED_TRACE(row.level);
    ReadyProgram p;
    p.main().setValue(vsbLevel, row.level);
    const Form& f = p.main();
    EXPECT_EQ(f(lblLevel).text, std::to_string(row.level));
    EXPECT_EQ(f(lblLevelShow).text, "Level " + std::to_string(row.level));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f(lblProb[i]).visible, row.prob[i]) << i;
    EXPECT_EQ(f(lblAdd[0]).visible, row.add0);
    EXPECT_EQ(f(lblAdd[1]).visible, row.add1);
    EXPECT_EQ(f(Line1).visible, row.line);
    EXPECT_EQ(f(imgUpperRadical).visible, row.upper);
    EXPECT_EQ(f(imgLowerRadical).visible, row.lower);
    ASSERT_NE(testing::SelectedOption(f), nullptr);
    EXPECT_EQ(testing::SelectedOption(f)->index, row.form);
    for (int i = 7; i < 15; ++i) EXPECT_EQ(f(optAnswerForm[i]).visible, row.level == 5) << i;
    for (const ControlName picture : {Image6, Image4, Image14, Image15}) {
      EXPECT_EQ(f(picture).visible, row.level == 5) << picture.name;
    }
    // Level 1 leaves the focus where the answer form put it; the others keep it on the bar.
    EXPECT_EQ(f.hasFocus(vsbLevel), row.level != 1);
    EXPECT_EQ(p.session.state(), MainState::Ready);
  }
}

// Below level 5 the denominator has no whole part, so no "+" stands before its root, whichever
// level the student comes from; the numerator never shows one.
TEST(LevelChange, OnlyLevelFiveShowsAPlusInTheDenominator) {
  const std::vector<std::vector<int>> paths = {{5, 4}, {1, 5, 4}, {5, 1},    {5, 2},   {5, 3},
                                               {3, 4}, {4, 5},    {5, 4, 5}, {5, 4, 4}};
  for (const auto& path : paths) {
    ReadyProgram p;
    std::string trace;
    for (int level : path) {
      p.main().setValue(vsbLevel, level);
      trace += std::to_string(level) + " ";
    }
    EXPECT_EQ(p.main()(lblAdd[1]).visible, path.back() == 5) << trace;
    EXPECT_FALSE(p.main()(lblAdd[0]).visible) << trace;
  }
  // Straight from the design, where both signs stand.
  testing::ScriptedRandom random;
  MainWindow w(random);
  w.form.setValue(vsbLevel, 4);
  vsbLevel_Change(w);
  EXPECT_FALSE(w.form(lblAdd[0]).visible);
  EXPECT_FALSE(w.form(lblAdd[1]).visible);
}

// Level 5 turns the lower root sign on before it turns the upper one off; every other level
// goes the other way round.
TEST(LevelChange, TheRootSignsChangeInTheirLevelsOrder) {
  struct Case {
    int from, to;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {1, 5, {"imgLowerRadical", "imgUpperRadical"}},
      {5, 1, {"imgUpperRadical", "imgLowerRadical"}},
      {5, 4, {"imgUpperRadical"}},
      {4, 5, {"imgUpperRadical"}},
  };
  for (const Case& c : cases) {
    ReadyProgram p;
    p.main().setValue(vsbLevel, c.from);
    std::vector<std::string> order;
    p.main().observe([&](const Control& ctl, Change what) {
      if (what == Change::Props &&
          (ctl.name == imgUpperRadical.name || ctl.name == imgLowerRadical.name)) {
        order.push_back(ctl.name);
      }
    });
    p.main().setValue(vsbLevel, c.to);
    EXPECT_EQ(order, c.order) << c.from << " -> " << c.to;
  }
}

TEST(LevelChange, ValuesOutsideTheRangeOnlyWriteTheNumber) {
  for (int value : {0, 6, -3}) {
    ReadyProgram p;
    p.main().setValue(vsbLevel, 3);
    const auto before = Snap(p.main());
    p.main().setValue(vsbLevel, value);
    EXPECT_EQ(p.main()(lblLevel).text, std::to_string(value));
    EXPECT_EQ(Diff(Without(Without(before, vsbLevel), lblLevel),
                   Without(Without(Snap(p.main()), vsbLevel), lblLevel)),
              "")
        << value;
  }
}

}  // namespace
}  // namespace tovimel
