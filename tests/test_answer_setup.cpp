// SPDX-License-Identifier: MIT
// SetupAnswers and pickAnswerSlot.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "answers/answer_forms.h"
#include "answers/answer_setup.h"
#include "engine/numbers.h"
#include "tests/problem_space.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::AnswerWindow;
using testing::EveryDraw;

// Snapshot of the answer area, to compare an arrangement with the one a click makes.
std::vector<Props> Area(const Form& f) {
  std::vector<Props> out;
  for (const Control& c : f.controls()) {
    if (c.container == Frame2.name || c.kind == Kind::Option) out.push_back(c.props);
  }
  return out;
}

// What a click on form `form` leaves, from the same starting point.
std::vector<Props> AreaAfterClick(int level, int before, int form) {
  AnswerWindow t(level);
  optAnswerForm_Click(t.w, before);
  optAnswerForm_Click(t.w, form);
  return Area(t.f);
}

// Hidden boxes always hold the neutral value of their part: 0 for the whole part, 1 otherwise.
bool HiddenBoxesAreNeutral(const Form& f) {
  for (int k = 0; k < 4; ++k) {
    if (!f(txtAnswer[k]).visible && f(txtAnswer[k]).text != (k == 0 ? "0" : "1")) return false;
  }
  return true;
}

TEST(AnswerSetup, EveryProblemOfLevels1235SelectsTheLevelsForm) {
  const int level_form[] = {-1, 3, 3, 0, -1, 7};
  const int first_box[] = {-1, 1, 1, 1, -1, 0};
  for (const int level : {1, 2, 3, 5}) {
    SCOPED_TRACE(level);
    AnswerWindow t(level);
    int n = 0;
    for (const auto& drawn : EveryDraw(level)) {
      // The student's form of the previous problem, with something typed into it.
      const int before = n++ % 15;
      optAnswerForm_Click(t.w, before);
      t.type(1, "4");
      t.make(drawn);
      ASSERT_EQ(t.selectedForm(), level_form[level]);
      ASSERT_EQ(t.focusedBox(), first_box[level]);
      ASSERT_TRUE(HiddenBoxesAreNeutral(t.f));
      ASSERT_EQ(t.f(txtAnswer[first_box[level]]).sel_start, 0);
      ASSERT_EQ(t.f(txtAnswer[first_box[level]]).sel_length, 0);
    }
  }
}

TEST(AnswerSetup, NewProblemArrangesLikeAClick) {
  for (const int level : {1, 2, 3, 5}) {
    for (const int before : {0, 1, 5, 6, 9, 14}) {
      SCOPED_TRACE(::testing::Message() << "level " << level << " after form " << before);
      AnswerWindow t(level);
      optAnswerForm_Click(t.w, before);
      t.make(EveryDraw(level).front());
      const int want = level <= 2 ? 3 : level == 3 ? 0 : 7;
      EXPECT_EQ(Area(t.f), AreaAfterClick(level, before, want));
    }
  }
}

struct Level4Case {
  std::array<const char*, 6> key;
  bool selects_form0;
};

const Level4Case kLevel4[] = {
    {{"0", "1", "6", "0", "5", "1"}, true},    // root 6 / 5: K2 = 1
    {{"0", "2", "3", "0", "5", "1"}, false},   // 2 root 3 / 5
    {{"0", "2", "1", "0", "5", "1"}, true},    // K3 = 1
    {{"0", "2", "3", "0", "1", "1"}, true},    // K5 = 1
    {{"0", "1", "1", "0", "1", "1"}, true},    // all three
    {{"3", "1", "6", "0", "5", "1"}, false},   // K1 must be 0
    {{"0", "1", "6", "2", "5", "1"}, false},   // K4 must be 0
    {{"0", "2", "3", "0", "5", "7"}, false},   // K6 plays no part
    {{"0", "2", "3", "1", "5", "1"}, false},   // K4 = 1 is not one of K2, K3, K5
    {{"0", "1.0", "6", "0", "5", "1"}, true},  // read as numbers
    {{"0", " 1 ", "6", "0", "5", "1"}, true},
    {{"0", "1x", "6", "0", "5", "1"}, true},
    {{"0", "01", "6", "0", "5", "1"}, true},
    {{"-0", "2", "3", "", "1", "1"}, true},  // -0 and "" read as 0
    {{"0", "-1", "6", "0", "5", "1"}, false},
    {{"0", "1.5", "6", "0", "5", "1"}, false},
    {{"0", "2", "3", "0", "5", "1"}, false},
};

TEST(AnswerSetup, Level4ReadsTheKeyShape) {
  for (const Level4Case& c : kLevel4) {
    for (const int before : {0, 1, 3, 5, 6}) {
      SCOPED_TRACE(::testing::Message()
                   << c.key[0] << "," << c.key[1] << "," << c.key[2] << "," << c.key[3] << ","
                   << c.key[4] << "," << c.key[5] << " after form " << before);
      AnswerWindow t(4);
      optAnswerForm_Click(t.w, before);
      // Text left in the boxes shows whether the area was arranged again.
      for (int k = 0; k < 4; ++k) t.type(k, "77");
      t.setKey(c.key);
      ASSERT_TRUE(t.f.focus(cmdExit));
      SetupAnswers(t.w);
      if (c.selects_form0) {
        EXPECT_EQ(t.selectedForm(), 0);
        EXPECT_EQ(Area(t.f), AreaAfterClick(4, before, 0));
        EXPECT_EQ(t.focusedBox(), 1);
      } else {
        EXPECT_EQ(t.selectedForm(), before);
        // The typed boxes keep their text; the hidden ones get their neutral values back.
        for (int k = 0; k < 4; ++k) {
          const char* neutral = k == 0 ? "0" : "1";
          EXPECT_EQ(t.f(txtAnswer[k]).text, t.f(txtAnswer[k]).visible ? "77" : neutral) << k;
        }
        const int first = before == 1 || before == 5 ? 2 : 1;
        EXPECT_EQ(t.focusedBox(), first);
        EXPECT_EQ(t.f(txtAnswer[first]).sel_length, 2);  // the box's focus handler ran
      }
    }
  }
}

// The level-4 rule selects form 0 by giving its button the focus.
TEST(AnswerSetup, Level4GoesThroughTheButtonsFocus) {
  AnswerWindow t(4);
  optAnswerForm_Click(t.w, 5);
  t.setKey({"0", "1", "6", "0", "5", "1"});
  std::vector<std::string> focus;
  t.f.observe([&](const Control& c, Change what) {
    if (what == Change::Focus) focus.push_back(c.key());
  });
  SetupAnswers(t.w);
  ASSERT_GE(focus.size(), 2u);
  EXPECT_EQ(focus[0], "optAnswerForm(0)");
  EXPECT_EQ(focus.back(), "txtAnswer(1)");
}

// Focusing the button that already holds the focus runs no handler; form 0 must be selected
// and arranged all the same.
TEST(AnswerSetup, Level4WhenFormZerosButtonAlreadyHasTheFocus) {
  AnswerWindow t(4);
  optAnswerForm_Click(t.w, 5);
  // The session's focus handler selects nothing while the window is disabled.
  t.f.setEnabled(t.f.self(), false);
  ASSERT_TRUE(t.f.focus(optAnswerForm[0]));
  t.f.setEnabled(t.f.self(), true);
  ASSERT_EQ(t.selectedForm(), 5);
  t.setKey({"0", "1", "6", "0", "5", "1"});
  SetupAnswers(t.w);
  EXPECT_EQ(t.selectedForm(), 0);
  EXPECT_EQ(Area(t.f), AreaAfterClick(4, 5, 0));
  EXPECT_EQ(t.focusedBox(), 1);
}

// A button that cannot take the focus (its frame hidden) still ends with form 0 selected.
TEST(AnswerSetup, Level4WhenTheButtonCannotTakeTheFocus) {
  AnswerWindow t(4);
  optAnswerForm_Click(t.w, 3);
  t.f.setVisible(Frame1, false);
  t.setKey({"0", "1", "6", "0", "5", "1"});
  SetupAnswers(t.w);
  EXPECT_EQ(t.selectedForm(), 0);
  EXPECT_FALSE(t.f(txtAnswer[3]).text == "1");
  EXPECT_TRUE(t.f(txtAnswer[3]).visible);
  EXPECT_EQ(t.focusedBox(), 1);
}

// Every problem of level 4 (a sample under the sanitizers) through "&Next": form 0 exactly when the
// key has a 1 in K2, K3 or K5; otherwise the student's form stays.
TEST(AnswerSetup, EveryProblemOfLevel4) {
  AnswerWindow t(4);
  int n = 0, reselected = 0;
  const auto draws = EveryDraw(4);
  for (std::size_t i = 0; i < draws.size(); i += testing::SampleStride(4)) {
    const auto& drawn = draws[i];
    const int before = n++ % 7;
    optAnswerForm_Click(t.w, before);
    t.make(drawn);
    const double k2 = ReadNumber(t.f(lblProb[7]).text);
    const double k3 = ReadNumber(t.f(lblProb[8]).text);
    const double k5 = ReadNumber(t.f(lblProb[10]).text);
    const bool has_one = k2 == 1 || k3 == 1 || k5 == 1;
    reselected += has_one ? 1 : 0;
    ASSERT_EQ(t.selectedForm(), has_one ? 0 : before) << n;
    ASSERT_EQ(t.focusedBox(), t.selectedForm() == 1 || t.selectedForm() == 5 ? 2 : 1) << n;
    ASSERT_TRUE(HiddenBoxesAreNeutral(t.f)) << n;
  }
  EXPECT_GT(reselected, 0);
  EXPECT_LT(reselected, n);
}

TEST(AnswerSetup, Level4WorkedResult) {
  AnswerWindow t(4);
  optAnswerForm_Click(t.w, 3);
  t.make({1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1});  // 30 root 60 / (30 root 30) = root 2
  EXPECT_EQ(t.f(lblProb[8]).text, "2");
  EXPECT_EQ(t.selectedForm(), 0);
}

TEST(AnswerSetup, Level5FocusesTwice) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 13);
  ASSERT_TRUE(t.f.focus(cmdExit));
  t.setKey({"-2", "3", "5", "0", "41", "1"});
  SetupAnswers(t.w);
  EXPECT_EQ(t.selectedForm(), 7);
  EXPECT_EQ(t.focusedBox(), 0);
  EXPECT_EQ(Area(t.f), AreaAfterClick(5, 13, 7));
}

TEST(AnswerSetup, LevelOutsideTheRangeOnlyPicksTheSlot) {
  for (const int level : {0, 6, -1}) {
    AnswerWindow t(level);
    optAnswerForm_Click(t.w, 6);
    ASSERT_TRUE(t.f.focus(cmdExit));
    const auto before = Area(t.f);
    SetupAnswers(t.w);
    EXPECT_EQ(t.selectedForm(), 6);
    EXPECT_EQ(t.focusedBox(), 1);
    auto now = Area(t.f);
    EXPECT_EQ(now.size(), before.size());
  }
}

TEST(AnswerSetup, PickAnswerSlotTakesTheFirstVisibleBox) {
  for (int mask = 0; mask < 16; ++mask) {
    SCOPED_TRACE(mask);
    AnswerWindow t(5);
    optAnswerForm_Click(t.w, 7);
    for (int k = 0; k < 4; ++k) {
      t.type(k, std::string(static_cast<std::size_t>(k + 1), 'x'));
      t.f.setVisible(txtAnswer[k], (mask & (1 << k)) != 0);
    }
    ASSERT_TRUE(t.f.focus(cmdExit));
    pickAnswerSlot(t.w);
    int want = -1;
    for (int k = 0; k < 4 && want < 0; ++k) {
      if ((mask & (1 << k)) != 0) want = k;
    }
    EXPECT_EQ(t.focusedBox(), want);
    if (want < 0) {
      EXPECT_TRUE(t.f.hasFocus(cmdExit));
    } else {
      EXPECT_EQ(t.f(txtAnswer[want]).sel_length, want + 1);
    }
  }
}

// A box that is visible by its own flag but sits in a hidden frame cannot take the focus:
// pickAnswerSlot stops there, and nothing throws.
TEST(AnswerSetup, PickAnswerSlotInAHiddenFrame) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 7);
  ASSERT_TRUE(t.f.focus(cmdExit));
  t.f.setVisible(Frame2, false);
  EXPECT_NO_THROW(pickAnswerSlot(t.w));
  EXPECT_TRUE(t.f.hasFocus(cmdExit));
}

}  // namespace
}  // namespace tovimel
