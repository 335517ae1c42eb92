// SPDX-License-Identifier: MIT
// The fifteen answer forms, ShowHideEntry and the answer boxes' focus handler.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "answers/answer_forms.h"
#include "answers/answer_setup.h"
#include "tests/problem_space.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::AnswerWindow;

struct FormRow {
  int form;
  std::array<bool, 4> box_visible;
  std::array<const char*, 4> text;  // texts after the selection (typed junk is gone)
  const char* sign;
  bool sign_visible;
  bool radical;
  bool bar;
  int focus;  // the first visible box
};

// clang-format off
const FormRow kRows[] = {
    {0,  {false, true,  true,  true},  {"0", "",  "",  ""},  " ", true,  true,  true,  1},
    {1,  {false, false, true,  true},  {"0", "1", "",  ""},  " ", false, true,  true,  2},
    {2,  {false, true,  false, true},  {"0", "",  "1", ""},  " ", true,  false, true,  1},
    {3,  {false, true,  true,  false}, {"0", "",  "",  "1"}, " ", true,  true,  false, 1},
    {4,  {false, true,  false, false}, {"0", "",  "1", "1"}, " ", true,  false, false, 1},
    {5,  {false, false, true,  false}, {"0", "1", "",  "1"}, " ", false, true,  false, 2},
    {6,  {false, true,  false, true},  {"0", "1", "1", ""},  " ", true,  false, true,  1},
    {7,  {true,  true,  true,  true},  {"",  "",  "",  ""},  "+", true,  true,  true,  0},
    {8,  {true,  true,  true,  true},  {"",  "",  "",  ""},  "-", true,  true,  true,  0},
    {9,  {true,  false, true,  true},  {"",  "1", "",  ""},  "+", true,  true,  true,  0},
    {10, {true,  false, true,  true},  {"",  "1", "",  ""},  "-", true,  true,  true,  0},
    {11, {true,  true,  true,  false}, {"",  "",  "",  "1"}, "+", true,  true,  false, 0},
    {12, {true,  true,  true,  false}, {"",  "",  "",  "1"}, "-", true,  true,  false, 0},
    {13, {true,  false, true,  false}, {"",  "1", "",  "1"}, "+", true,  true,  false, 0},
    {14, {true,  false, true,  false}, {"",  "1", "",  "1"}, "-", true,  true,  false, 0},
};
// clang-format on

// Fills every box, shown or hidden, with text a form must replace.
void TypeJunk(AnswerWindow& t) {
  for (int k = 0; k < 4; ++k) t.type(k, "98" + std::to_string(k));
}

TEST(AnswerForms, EveryRowShowsHidesAndFills) {
  for (const int before : {0, 3, 7, 13}) {
    for (const FormRow& row : kRows) {
      SCOPED_TRACE(::testing::Message() << "form " << row.form << " after form " << before);
      AnswerWindow t(5);
      optAnswerForm_Click(t.w, before);
      TypeJunk(t);
      optAnswerForm_Click(t.w, row.form);
      for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(t.f(txtAnswer[k]).visible, row.box_visible[k]) << "box " << k;
        EXPECT_EQ(t.f(txtAnswer[k]).text, row.text[k]) << "box " << k;
      }
      EXPECT_EQ(t.f(lblAdd[4]).text, row.sign);
      EXPECT_EQ(t.f(lblAdd[4]).visible, row.sign_visible);
      EXPECT_EQ(t.f(imgRadical).visible, row.radical);
      EXPECT_EQ(t.f(lneViniculum).visible, row.bar);
      EXPECT_EQ(t.selectedForm(), row.form);
      for (int i = 0; i < 15; ++i) EXPECT_EQ(t.f(optAnswerForm[i]).selected, i == row.form);
      EXPECT_EQ(t.focusedBox(), row.focus);
      // The focus handler selected the whole text of the focused box.
      const Props& p = t.f(txtAnswer[row.focus]);
      EXPECT_EQ(p.sel_start, 0);
      EXPECT_EQ(p.sel_length, static_cast<int>(p.text.size()));
      // Boxes 0, 1 and 3 never move; forms 0..14 are never hidden by a selection.
      EXPECT_EQ(t.f(txtAnswer[0]).left, 195);
      EXPECT_EQ(t.f(txtAnswer[1]).left, 1845);
      EXPECT_EQ(t.f(txtAnswer[3]).left, 1845);
    }
  }
}

struct Place {
  int box2, radical;
  double x1, x2;
};

struct PositionRow {
  int form;
  Place after0;  // selected after form 0
  Place after7;  // selected after form 7
};

// clang-format off
const PositionRow kPositions[] = {
    {0,  {3510, 3000, 1380, 4620}, {3510, 3000, 1380, 4620}},
    {1,  {1845, 1335, 1335, 2910}, {1845, 1335, 1335, 2910}},
    {2,  {3510, 3000, 1380, 2910}, {3510, 3000, 1380, 2910}},
    {3,  {3510, 3000, 1380, 4620}, {3510, 3000, 90,   4620}},
    {4,  {3510, 3000, 1380, 3000}, {3510, 3000, 90,   2355}},
    {5,  {1845, 1335, 1380, 3000}, {1845, 1335, 90,   2355}},
    {6,  {3510, 3000, 1380, 3000}, {3510, 3000, 1380, 2355}},
    {7,  {3510, 3000, 90,   4620}, {3510, 3000, 90,   4620}},
    {8,  {3510, 3000, 90,   4620}, {3510, 3000, 90,   4620}},
    {9,  {2175, 1665, 1380, 4620}, {2175, 1665, 90,   4620}},
    {10, {2175, 1665, 1380, 4620}, {2175, 1665, 90,   4620}},
    {11, {3510, 3000, 90,   4620}, {3510, 3000, 90,   4620}},
    {12, {3510, 3000, 90,   4620}, {3510, 3000, 90,   4620}},
    {13, {2175, 1665, 1380, 4620}, {2175, 1665, 90,   4620}},
    {14, {2175, 1665, 1380, 4620}, {2175, 1665, 90,   4620}},
};
// clang-format on

void ExpectPlace(const AnswerWindow& t, const Place& want) {
  EXPECT_EQ(t.f(txtAnswer[2]).left, want.box2);
  EXPECT_EQ(t.f(imgRadical).left, want.radical);
  EXPECT_EQ(t.f(lneViniculum).x1, want.x1);
  EXPECT_EQ(t.f(lneViniculum).x2, want.x2);
}

TEST(AnswerForms, PositionsPerForm) {
  for (const PositionRow& row : kPositions) {
    for (const int before : {0, 7}) {
      SCOPED_TRACE(::testing::Message() << "form " << row.form << " after form " << before);
      AnswerWindow t(5);
      optAnswerForm_Click(t.w, before);
      optAnswerForm_Click(t.w, row.form);
      ExpectPlace(t, before == 0 ? row.after0 : row.after7);
    }
  }
}

TEST(AnswerForms, HomesAreTheLayouts) {
  AnswerWindow t;
  EXPECT_EQ(t.w.AnswerBoxHome, (std::array<std::int32_t, 4>{195, 1845, 3510, 1845}));
  EXPECT_EQ(t.w.RadicalHome, 3000);
  EXPECT_EQ(t.w.BarHomeX1, 90);
  EXPECT_EQ(t.w.BarHomeX2, 4620);
}

TEST(AnswerForms, Form6DependsOnTheFormBefore) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 0);
  optAnswerForm_Click(t.w, 6);
  EXPECT_EQ(t.f(lneViniculum).x2, 3000);
  optAnswerForm_Click(t.w, 7);
  optAnswerForm_Click(t.w, 6);
  EXPECT_EQ(t.f(lneViniculum).x2, 2355);
  EXPECT_EQ(t.f(lneViniculum).x1, 1380);
  // Form 6 again: X1 is now 1380, so X2 is (1380 + 4620) / 2.
  optAnswerForm_Click(t.w, 6);
  EXPECT_EQ(t.f(lneViniculum).x2, 3000);
}

TEST(AnswerForms, HalfTwipsAreKept) {
  AnswerWindow t;
  optAnswerForm_Click(t.w, 1);  // X1 = 1335
  optAnswerForm_Click(t.w, 4);
  EXPECT_EQ(t.f(lneViniculum).x2, 2977.5);
  optAnswerForm_Click(t.w, 1);
  optAnswerForm_Click(t.w, 5);
  EXPECT_EQ(t.f(lneViniculum).x2, 2977.5);
  optAnswerForm_Click(t.w, 1);
  optAnswerForm_Click(t.w, 6);
  EXPECT_EQ(t.f(lneViniculum).x2, 2977.5);
  EXPECT_EQ(t.f(lneViniculum).x1, 1380);
  // Halving twice keeps the quarter twip too: X1 = 1380 stays, X2 = 3000 after form 4.
  optAnswerForm_Click(t.w, 4);
  EXPECT_EQ(t.f(lneViniculum).x2, 3000);
}

// The bar's ends are written in the order the table gives.
TEST(AnswerForms, BarEndsAreWrittenInOrder) {
  struct Case {
    int before, form;
    std::vector<std::pair<double, double>> steps;  // (x1, x2) after each change of an end
  };
  const Case cases[] = {
      {1, 0, {{1380, 2910}, {1380, 4620}}}, {0, 1, {{1335, 4620}, {1335, 2910}}},
      {7, 2, {{1380, 4620}, {1380, 2910}}}, {7, 6, {{90, 2355}, {1380, 2355}}},
      {1, 7, {{90, 2910}, {90, 4620}}},     {2, 11, {{90, 2910}, {90, 4620}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "form " << c.form << " after form " << c.before);
    AnswerWindow t(5);
    optAnswerForm_Click(t.w, c.before);
    std::vector<std::pair<double, double>> seen;
    std::pair<double, double> last{t.f(lneViniculum).x1, t.f(lneViniculum).x2};
    t.f.observe([&](const Control& ctl, Change what) {
      if (what != Change::Props || ctl.name != lneViniculum.name) return;
      const std::pair<double, double> now{ctl.props.x1, ctl.props.x2};
      if (now != last) seen.push_back(now);
      last = now;
    });
    optAnswerForm_Click(t.w, c.form);
    EXPECT_EQ(seen, c.steps);
  }
}

// Moves are computed from the saved homes and from sizes read at the moment of use, not from
// constants or from where the controls happen to stand.
TEST(AnswerForms, MovesUseHomesAndCurrentSizes) {
  {
    AnswerWindow t;
    t.f.set(txtAnswer[2], [](Props& p) { p.width = 1000; });
    optAnswerForm_Click(t.w, 1);
    EXPECT_EQ(t.f(lneViniculum).x2, 1845 + 1000);
    optAnswerForm_Click(t.w, 2);
    EXPECT_EQ(t.f(lneViniculum).x2, 1845 + 1000);
  }
  {
    AnswerWindow t(5);
    t.f.set(lblAdd[4], [](Props& p) { p.width = 500; });
    optAnswerForm_Click(t.w, 9);
    EXPECT_EQ(t.f(txtAnswer[2]).left, 1845 + 500);
    EXPECT_EQ(t.f(imgRadical).left, 1845 + 500 - 510);
  }
  {
    AnswerWindow t;
    t.f.setLeft(lblAdd[4], 1400);
    optAnswerForm_Click(t.w, 0);
    EXPECT_EQ(t.f(lneViniculum).x1, 1400);
    optAnswerForm_Click(t.w, 2);
    EXPECT_EQ(t.f(lneViniculum).x1, 1400);
    optAnswerForm_Click(t.w, 6);
    EXPECT_EQ(t.f(lneViniculum).x1, 1400);
  }
  {
    // Homes saved elsewhere: every "home" move goes there, the radical keeps the home distance.
    AnswerWindow t(5);
    t.w.AnswerBoxHome = {100, 2000, 3600, 2000};
    t.w.RadicalHome = 3300;  // 300 left of box 2's home
    t.w.BarHomeX1 = 50;
    t.w.BarHomeX2 = 5000;
    optAnswerForm_Click(t.w, 0);
    ExpectPlace(t, {3600, 3300, 1380, 5000});
    optAnswerForm_Click(t.w, 1);
    ExpectPlace(t, {2000, 1700, 1700, 2000 + 1065});
    optAnswerForm_Click(t.w, 7);
    ExpectPlace(t, {3600, 3300, 50, 5000});
    optAnswerForm_Click(t.w, 9);
    ExpectPlace(t, {2000 + 330, 2000 + 330 - 300, 50, 5000});
    optAnswerForm_Click(t.w, 4);
    EXPECT_EQ(t.f(lneViniculum).x2, (50 + 5000) / 2.0);
  }
}

TEST(AnswerForms, Level1Form3) {
  AnswerWindow t(1);
  optAnswerForm_Click(t.w, 3);
  const Form& f = t.f;
  EXPECT_TRUE(f(txtAnswer[1]).visible);
  EXPECT_TRUE(f(txtAnswer[2]).visible);
  EXPECT_TRUE(f(imgRadical).visible);
  EXPECT_TRUE(f(lblAdd[4]).visible);
  EXPECT_EQ(f(lblAdd[4]).text, " ");
  EXPECT_FALSE(f(txtAnswer[0]).visible);
  EXPECT_EQ(f(txtAnswer[0]).text, "0");
  EXPECT_FALSE(f(txtAnswer[3]).visible);
  EXPECT_EQ(f(txtAnswer[3]).text, "1");
  EXPECT_FALSE(f(lneViniculum).visible);
  EXPECT_EQ(t.focusedBox(), 1);
}

TEST(AnswerForms, Form1AfterForm0) {
  AnswerWindow t(3);
  optAnswerForm_Click(t.w, 0);
  ExpectPlace(t, {3510, 3000, 1380, 4620});
  optAnswerForm_Click(t.w, 1);
  EXPECT_EQ(3510 - t.f(txtAnswer[2]).left, 1665);
  EXPECT_EQ(3000 - t.f(imgRadical).left, 1665);
  ExpectPlace(t, {1845, 1335, 1335, 2910});
  EXPECT_FALSE(t.f(lblAdd[4]).visible);
  EXPECT_EQ(t.f(txtAnswer[3]).left, 1845);
  EXPECT_TRUE(t.f(lneViniculum).visible);
}

TEST(AnswerForms, Form9AtLevel5) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 7);
  optAnswerForm_Click(t.w, 9);
  EXPECT_FALSE(t.f(txtAnswer[1]).visible);
  EXPECT_EQ(t.f(txtAnswer[1]).text, "1");
  ExpectPlace(t, {2175, 1665, 90, 4620});
  EXPECT_TRUE(t.f(lblAdd[4]).visible);
  EXPECT_EQ(t.f(lblAdd[4]).text, "+");
  EXPECT_EQ(t.focusedBox(), 0);
}

TEST(AnswerForms, Form6SelectsItsOne) {
  // Whether or not box 1 held the focus before, it ends with the focus and "1" selected.
  for (const int before : {0, 5, 7}) {
    SCOPED_TRACE(before);
    AnswerWindow t(5);
    optAnswerForm_Click(t.w, before);
    optAnswerForm_Click(t.w, 6);
    EXPECT_EQ(t.focusedBox(), 1);
    EXPECT_EQ(t.f(txtAnswer[1]).text, "1");
    EXPECT_EQ(t.f(txtAnswer[1]).sel_start, 0);
    EXPECT_EQ(t.f(txtAnswer[1]).sel_length, 1);
  }
  // Through the click a student makes, too.
  AnswerWindow t(1);
  optAnswerForm_Click(t.w, 0);
  t.f.onClick(optAnswerForm[6], [&] { optAnswerForm_Click(t.w, 6); });
  ASSERT_TRUE(t.f.click(optAnswerForm[6]));
  EXPECT_EQ(t.f(txtAnswer[1]).sel_length, 1);
}

TEST(AnswerForms, SwitchingFormsEmptiesTheBoxes) {
  AnswerWindow t(3);
  optAnswerForm_Click(t.w, 0);
  t.type(1, "2");
  t.type(2, "3");
  t.type(3, "5");
  optAnswerForm_Click(t.w, 3);
  optAnswerForm_Click(t.w, 0);
  EXPECT_EQ(t.f(txtAnswer[0]).text, "0");
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(t.f(txtAnswer[k]).text, "") << k;
  // Selecting the selected form again empties too.
  for (int k = 1; k <= 3; ++k) t.type(k, "7");
  optAnswerForm_Click(t.w, 0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(t.f(txtAnswer[k]).text, "") << k;
}

TEST(AnswerForms, ColoursAreNotTouched) {
  AnswerWindow t(5);
  for (int k = 0; k < 4; ++k) t.f.setBack(txtAnswer[k], Rgb{255, 0, 0});
  for (int form = 0; form < 15; ++form) optAnswerForm_Click(t.w, form);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(t.f(txtAnswer[k]).back, (Rgb{255, 0, 0}));
}

std::vector<Props> AnswerAreaProps(const Form& f) {
  std::vector<Props> out;
  for (const Control& c : f.controls()) {
    if (c.container == Frame2.name || c.kind == Kind::Option) out.push_back(c.props);
  }
  return out;
}

TEST(AnswerForms, ShowHideEntry) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 2);
  t.type(1, "4");
  const auto area = AnswerAreaProps(t.f);
  const Control* focus = t.f.focused();

  ShowHideEntry(t.w, 0);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(t.f(optAnswerForm[i]).visible, i < 7) << i;
  for (const ControlName image : {Image6, Image4, Image14, Image15}) {
    EXPECT_FALSE(t.f(image).visible) << image.name;
  }
  for (const ControlName image : {Image7, Image8, Image9, Image10, Image11, Image12, Image13}) {
    EXPECT_TRUE(t.f(image).visible) << image.name;
  }
  EXPECT_EQ(t.selectedForm(), 2);
  EXPECT_EQ(t.f.focused(), focus);
  auto now = AnswerAreaProps(t.f);
  auto before = area;
  // Only the visibility of the buttons 7..14 changed.
  for (auto* list : {&now, &before}) {
    for (Props& p : *list) p.visible = true;
  }
  EXPECT_EQ(now, before);

  for (const int show : {1, -3, 99}) {
    ShowHideEntry(t.w, 0);
    ShowHideEntry(t.w, show);
    for (int i = 0; i < 15; ++i) EXPECT_TRUE(t.f(optAnswerForm[i]).visible) << i;
    for (const ControlName image : {Image6, Image4, Image14, Image15}) {
      EXPECT_TRUE(t.f(image).visible) << image.name;
    }
    EXPECT_EQ(AnswerAreaProps(t.f), area);
  }
}

TEST(AnswerForms, ShowHideEntryOrder) {
  AnswerWindow t(5);
  std::vector<std::string> order;
  t.f.observe([&](const Control& c, Change what) {
    if (what == Change::Props) order.push_back(c.key());
  });
  ShowHideEntry(t.w, 0);
  const std::vector<std::string> want{"optAnswerForm(7)",
                                      "optAnswerForm(8)",
                                      "optAnswerForm(9)",
                                      "optAnswerForm(10)",
                                      "optAnswerForm(11)",
                                      "optAnswerForm(12)",
                                      "optAnswerForm(13)",
                                      "optAnswerForm(14)",
                                      "Image6",
                                      "Image4",
                                      "Image14",
                                      "Image15"};
  EXPECT_EQ(order, want);
}

// An index outside 0..14 applies no row: nothing but the sign label's visibility (step 1) and
// the focus (step 4) may change, and nothing throws.
TEST(AnswerForms, IndexOutsideTheFormsAppliesNoRow) {
  for (const int index : {-1, 15, 16, 1000, -2147483647 - 1}) {
    SCOPED_TRACE(index);
    AnswerWindow t(5);
    optAnswerForm_Click(t.w, 5);  // hides the sign label, box 1 and box 3
    t.type(2, "12");
    t.f.setVisible(txtAnswer[1], true);
    auto before = AnswerAreaProps(t.f);
    ASSERT_NO_THROW(optAnswerForm_Click(t.w, index));
    EXPECT_EQ(t.selectedForm(), 5);
    EXPECT_TRUE(t.f(lblAdd[4]).visible);
    EXPECT_EQ(t.f(txtAnswer[2]).text, "12");
    EXPECT_EQ(t.focusedBox(), 1);  // pickAnswerSlot: box 1 is now the first visible box
    auto now = AnswerAreaProps(t.f);
    for (auto* list : {&now, &before}) {
      for (Props& p : *list) p.sel_start = p.sel_length = 0;
    }
    EXPECT_EQ(now.size(), before.size());
    int changed = 0;
    for (std::size_t i = 0; i < now.size(); ++i) changed += now[i] == before[i] ? 0 : 1;
    EXPECT_EQ(changed, 1);  // lblAdd(4) became visible
  }
}

TEST(AnswerForms, BoxFocusSelectsTheWholeText) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 7);
  const std::string long_text(1000000, '7');
  const std::pair<int, std::string> cases[] = {{1, "123"}, {2, ""}, {3, long_text}, {0, "x y"}};
  for (const auto& [k, text] : cases) {
    t.type(k, text);
    t.f.setSelection(txtAnswer[k], 1, 0);
    ASSERT_TRUE(t.f.focus(txtAnswer[k]));
    EXPECT_EQ(t.f(txtAnswer[k]).sel_start, 0);
    EXPECT_EQ(t.f(txtAnswer[k]).sel_length, static_cast<int>(text.size()));
  }
  // Direct calls: any box, and an index that is no box, do not throw.
  t.type(2, "abc");
  txtAnswer_GotFocus(t.w, 2);
  EXPECT_EQ(t.f(txtAnswer[2]).sel_length, 3);
  EXPECT_NO_THROW(txtAnswer_GotFocus(t.w, 4));
  EXPECT_NO_THROW(txtAnswer_GotFocus(t.w, -1));
}

// An option button that receives the focus is selected exactly as by a click.
TEST(AnswerForms, FocusOnAButtonSelectsItsForm) {
  for (int form = 0; form < 15; ++form) {
    SCOPED_TRACE(form);
    AnswerWindow byFocus(5), byCode(5);
    optAnswerForm_Click(byFocus.w, form == 0 ? 1 : 0);
    optAnswerForm_Click(byCode.w, form == 0 ? 1 : 0);
    TypeJunk(byFocus);
    TypeJunk(byCode);
    ASSERT_TRUE(byFocus.f.focus(optAnswerForm[form]));
    optAnswerForm_Click(byCode.w, form);
    EXPECT_EQ(AnswerAreaProps(byFocus.f), AnswerAreaProps(byCode.f));
    EXPECT_EQ(byFocus.focusedBox(), byCode.focusedBox());
    EXPECT_EQ(byFocus.focusedBox(), kRows[form].focus);
  }
}

TEST(AnswerForms, PickAnswerSlotWithNoBoxVisible) {
  AnswerWindow t(5);
  optAnswerForm_Click(t.w, 7);
  ASSERT_EQ(t.focusedBox(), 0);
  for (int k = 0; k < 4; ++k) t.f.setVisible(txtAnswer[k], false);
  ASSERT_TRUE(t.f.focus(cmdExit));
  EXPECT_NO_THROW(pickAnswerSlot(t.w));
  EXPECT_TRUE(t.f.hasFocus(cmdExit));
}

}  // namespace
}  // namespace tovimel
