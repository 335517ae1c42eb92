// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fakes.h"
#include "session/level.h"
#include "session/main_window.h"
#include "support.h"

namespace tovimel {
namespace {

using testing::Diff;
using testing::Program;
using testing::Snap;
using testing::Without;

// A program signed in and Ready at level 1.
struct ReadyProgram : Program {
  ReadyProgram() {
    signin.load();
    in().setText("txtPeriod", -1, "3");
    in().setText("txtID", -1, "7");
    in().setText("txtName", -1, "Doe");
    in().setText("txtTeacher", -1, "Smith");
    in().click("cmdOk");
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
    p.main().setValue("vsbLevel", -1, row.level);
    const Form& f = p.main();
    EXPECT_EQ(f("lblLevel").text, std::to_string(row.level));
    EXPECT_EQ(f("lblLevelShow").text, "Level " + std::to_string(row.level));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f("lblProb", i).visible, row.prob[i]) << i;
    EXPECT_EQ(f("lblAdd", 0).visible, row.add0);
    EXPECT_EQ(f("lblAdd", 1).visible, row.add1);
    EXPECT_EQ(f("Line1").visible, row.line);
    EXPECT_EQ(f("imgUpperRadical").visible, row.upper);
    EXPECT_EQ(f("imgLowerRadical").visible, row.lower);
    ASSERT_NE(f.selectedOption(), nullptr);
    EXPECT_EQ(f.selectedOption()->index, row.form);
    for (int i = 7; i < 15; ++i) EXPECT_EQ(f("optAnswerForm", i).visible, row.level == 5) << i;
    for (const char* picture : {"Image6", "Image4", "Image14", "Image15"}) {
      EXPECT_EQ(f(picture).visible, row.level == 5) << picture;
    }
    // Level 1 leaves the focus where the answer form put it; the others keep it on the bar.
    EXPECT_EQ(f.hasFocus("vsbLevel"), row.level != 1);
    EXPECT_EQ(p.session.state(), MainState::Ready);
  }
}

TEST(LevelChange, KeptCellsKeepWhatTheLevelBeforeLeft) {
  struct Case {
    std::array<int, 3> path;
    bool add1;
  };
  const Case cases[] = {{{1, 5, 4}, true},
                        {{1, 3, 4}, false},
                        {{5, 4, 4}, true},
                        {{5, 1, 4}, false},
                        {{5, 2, 4}, false}};
  for (const Case& c : cases) {
    ReadyProgram p;
    for (int level : c.path) p.main().setValue("vsbLevel", -1, level);
    EXPECT_EQ(p.main()("lblAdd", 1).visible, c.add1)
        << c.path[0] << "->" << c.path[1] << "->" << c.path[2];
    EXPECT_FALSE(p.main()("lblAdd", 0).visible);
  }
}

TEST(LevelChange, LevelFourLeavesTheDesignPlusSignsAlone) {
  testing::ScriptedRandom random;
  MainWindow w(random);
  w.form.setValue("vsbLevel", -1, 4);
  vsbLevel_Change(w);
  EXPECT_TRUE(w.form("lblAdd", 0).visible);
  EXPECT_TRUE(w.form("lblAdd", 1).visible);
  EXPECT_FALSE(w.form("lblProb", 0).visible);
}

TEST(LevelChange, ValuesOutsideTheRangeOnlyWriteTheNumber) {
  for (int value : {0, 6, -3}) {
    ReadyProgram p;
    p.main().setValue("vsbLevel", -1, 3);
    const auto before = Snap(p.main());
    p.main().setValue("vsbLevel", -1, value);
    EXPECT_EQ(p.main()("lblLevel").text, std::to_string(value));
    EXPECT_EQ(Diff(Without(Without(before, "vsbLevel"), "lblLevel"),
                   Without(Without(Snap(p.main()), "vsbLevel"), "lblLevel")),
              "")
        << value;
  }
}

}  // namespace
}  // namespace tovimel
