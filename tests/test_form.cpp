// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/levels.h"
#include "tests/model.h"
#include "windows/controls.h"
#include "windows/form.h"
#include "windows/layouts.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

struct Recorder {
  std::vector<std::string> props, focus;
  void attach(Form& f) {
    f.observe([this](const Control& c, Change what) {
      (what == Change::Props ? props : focus).push_back(c.key());
    });
  }
};

TEST(Form, UnknownControlsFailLoudly) {
  Form f(MainWindowLayout(kLevelCount));
  EXPECT_THROW(f(ControlId{"lblNope"}), std::out_of_range);
  EXPECT_THROW(f(txtAnswer[4]), std::out_of_range);
  EXPECT_THROW(f(ControlId{"txtAnswer"}), std::out_of_range);  // an array member needs its index
  EXPECT_THROW(f(ControlId{"cmdNew", 0}), std::out_of_range);  // a plain control has none
  EXPECT_THROW(f.setText(lblProb[12], "x"), std::out_of_range);
  EXPECT_THROW(f.focus(optAnswerForm[-1]), std::out_of_range);
}

TEST(Form, ObserverHearsEachRealChangeOnce) {
  Form f(MainWindowLayout(kLevelCount));
  Recorder r;
  r.attach(f);
  f.setText(lblRight, "0");  // unchanged
  f.setVisible(cmdNew, true);
  EXPECT_TRUE(r.props.empty());
  f.set(lblRight, [](Props& p) {
    p.text = " 1";
    p.back = Rgb{1, 2, 3};
    p.left = 10;
  });
  EXPECT_EQ(r.props, std::vector<std::string>{"lblRight"});
  f.setText(txtAnswer[2], "5");
  f.setText(txtAnswer[2], "5");
  EXPECT_EQ(r.props, (std::vector<std::string>{"lblRight", "txtAnswer(2)"}));
}

TEST(Form, OptionButtonsFormOneExclusiveGroup) {
  Form f(MainWindowLayout(kLevelCount));
  auto selected = [&] {
    std::vector<int> out;
    for (int i = 0; i < 15; ++i) {
      if (f(optAnswerForm[i]).selected) out.push_back(i);
    }
    return out;
  };
  EXPECT_EQ(selected(), std::vector<int>{3});
  Recorder r;
  r.attach(f);
  f.select(optAnswerForm[12]);
  EXPECT_EQ(selected(), std::vector<int>{12});
  EXPECT_EQ(r.props, (std::vector<std::string>{"optAnswerForm(3)", "optAnswerForm(12)"}));
  f.select(optAnswerForm[12]);
  EXPECT_EQ(r.props.size(), 2u);
  EXPECT_EQ(testing::SelectedOption(f)->index, 12);
  EXPECT_THROW(f.select(cmdNew), std::invalid_argument);
}

TEST(Form, FocusGoesOnlyWhereAPersonCouldPutIt) {
  Form f(MainWindowLayout(kLevelCount));
  int box_handler = 0;
  f.onFocus(txtAnswer[1], [&] { ++box_handler; });
  Recorder r;
  r.attach(f);

  EXPECT_TRUE(f.focus(txtAnswer[1]));
  EXPECT_EQ(box_handler, 1);
  EXPECT_TRUE(f.focus(txtAnswer[1]));  // already there: no second focus event
  EXPECT_EQ(box_handler, 1);
  EXPECT_EQ(r.focus, std::vector<std::string>{"txtAnswer(1)"});

  const ControlName refused[] = {cmdNew,      // disabled in the layout
                                 cmdPrintIt,  // hidden
                                 lblRight,    // labels take no focus
                                 imgRadical, timOverAll};
  for (const ControlName c : refused) EXPECT_FALSE(f.focus(c)) << c.name;
  EXPECT_TRUE(f.hasFocus(txtAnswer[1]));

  // A control in a hidden frame cannot take the focus; one that is hidden loses it.
  f.setVisible(fraLevel, false);
  EXPECT_FALSE(f.focus(vsbLevel));
  f.setVisible(txtAnswer[1], false);
  EXPECT_EQ(f.focused(), nullptr);
  EXPECT_EQ(r.focus.back(), "frmTovimel3");
  EXPECT_TRUE(f.focus(cmdStart));
}

TEST(Form, ChangeHandlersFollowTextAndValue) {
  Form f(SignInLayout());
  std::vector<std::string> seen;
  f.onChange(frmSignIn::txtName, [&] { seen.push_back(f(frmSignIn::txtName).text); });
  f.setText(frmSignIn::txtName, "A");
  f.setText(frmSignIn::txtName, "A");
  f.setText(frmSignIn::txtName, "");
  EXPECT_EQ(seen, (std::vector<std::string>{"A", ""}));
}

TEST(Form, ClicksAndTicksReachOnlyOperableControls) {
  Form f(MainWindowLayout(kLevelCount));
  int clicks = 0, ticks = 0;
  f.onClick(cmdNew, [&] { ++clicks; });
  f.onClick(lblPeriod, [&] { ++clicks; });
  f.onTimer(timOverAll, [&] { ++ticks; });
  EXPECT_FALSE(f.click(cmdNew));  // disabled
  EXPECT_FALSE(f.tick(timOverAll));
  f.setEnabled(cmdNew, true);
  f.setEnabled(timOverAll, true);
  EXPECT_TRUE(f.click(cmdNew));
  EXPECT_TRUE(f.tick(timOverAll));
  f.setEnabled(f.self(), false);  // the whole window behind the sign-in
  EXPECT_FALSE(f.click(cmdNew));
  EXPECT_FALSE(f.click(lblPeriod));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ticks, 1);
}

TEST(Form, SelectionStaysInsideTheText) {
  Form f(MainWindowLayout(kLevelCount));
  f.setText(txtAnswer[0], "123");
  f.setSelection(txtAnswer[0], 0, 99);
  EXPECT_EQ(f(txtAnswer[0]).sel_length, 3);
  f.setText(txtAnswer[0], "");
  EXPECT_EQ(f(txtAnswer[0]).sel_start, 0);
  EXPECT_EQ(f(txtAnswer[0]).sel_length, 0);
}

// A text that shrinks under the selection (or the bare cursor) pulls it back inside.
TEST(Form, ShrinkingTextKeepsTheSelectionInsideIt) {
  struct Case {
    const char* before;
    int start, length;
    const char* after;
    int want_start, want_length;
  };
  const Case cases[] = {
      {"12345", 4, 0, "12", 2, 0},   // the cursor past the new end
      {"12345", 1, 3, "123", 1, 2},  // the selection's end cut
      {"12345", 3, 2, "1", 1, 0},    // both cut
      {"12", 0, 2, "12345", 0, 2},   // a longer text leaves it alone
  };
  for (const Case& c : cases) {
    Form f(MainWindowLayout(kLevelCount));
    f.setText(txtAnswer[2], c.before);
    f.setSelection(txtAnswer[2], c.start, c.length);
    f.setText(txtAnswer[2], c.after);
    EXPECT_EQ(f(txtAnswer[2]).sel_start, c.want_start) << c.before << " -> " << c.after;
    EXPECT_EQ(f(txtAnswer[2]).sel_length, c.want_length) << c.before << " -> " << c.after;
  }
}

TEST(Form, AutoSizeLabelsTakeTheMeasuredSize) {
  Form f(MainWindowLayout(kLevelCount));
  f.setMeasure([](const Control& c) {
    return std::pair<int, int>{static_cast<int>(c.props.text.size()) * 100, 400};
  });
  f.setText(lblProb[2], "10800");
  EXPECT_EQ(f(lblProb[2]).width, 500);
  f.setText(lblAdd[0], "-");  // not auto-size: keeps its design width
  EXPECT_EQ(f(lblAdd[0]).width, 330);
}

TEST(Layout, MainWindowHasEveryControlOnce) {
  Form f(MainWindowLayout(kLevelCount));
  const auto has = [&](ControlId id) {
    try {
      f.control(id);
      return true;
    } catch (const std::out_of_range&) {
      return false;
    }
  };
  for (const ControlArray& array : {lblProb, lblAdd, txtAnswer, optAnswerForm}) {
    for (int i = 0; i < array.count; ++i) EXPECT_TRUE(has(array[i])) << array[i].key();
    EXPECT_FALSE(has(array[array.count])) << array.name;
  }
  std::set<int> tabs;
  int focusable = 0;
  for (const Control& c : f.controls()) {
    if (c.look.tab_index >= 0) {
      ++focusable;
      EXPECT_TRUE(tabs.insert(c.look.tab_index).second) << c.key();
    }
  }
  EXPECT_EQ(focusable, 25);
  EXPECT_EQ(f.controls().size(), 90u);  // 89 controls and the window
}

TEST(Layout, DesignPositionsTheAnswerAreaReliesOn) {
  Form f(MainWindowLayout(kLevelCount));
  EXPECT_EQ(f(txtAnswer[0]).left, 195);
  EXPECT_EQ(f(txtAnswer[1]).left, 1845);
  EXPECT_EQ(f(txtAnswer[2]).left, 3510);
  EXPECT_EQ(f(txtAnswer[3]).left, 1845);
  EXPECT_EQ(f(txtAnswer[2]).width, 1065);
  EXPECT_EQ(f(imgRadical).left, 3000);
  EXPECT_EQ(f(lneViniculum).x1, 90);
  EXPECT_EQ(f(lneViniculum).x2, 4620);
  EXPECT_EQ(f(lblAdd[4]).left, 1380);
  EXPECT_EQ(f(lblAdd[4]).width, 330);
  EXPECT_EQ(f(vsbLevel).value, 1);
  EXPECT_EQ(f.control(txtAnswer[2]).container, "Frame2");
  EXPECT_EQ(f.control(Frame2).container, "fraAnswer");
}

TEST(Layout, DesignStateOfTheMainWindow) {
  Form f(MainWindowLayout(kLevelCount));
  EXPECT_TRUE(f(cmdStart).enabled);
  EXPECT_TRUE(f(cmdExit).enabled);
  EXPECT_FALSE(f(cmdSubmit).enabled);
  EXPECT_FALSE(f(cmdNew).enabled);
  EXPECT_FALSE(f(cmdPrintIt).visible);
  EXPECT_FALSE(f(cmdPrintIt).enabled);
  EXPECT_FALSE(f(fraKey).visible);
  EXPECT_FALSE(f(lblTitle).visible);
  EXPECT_EQ(f(clock).text, "00:00");
  EXPECT_FALSE(f(timOverAll).enabled);
  EXPECT_EQ(f(lblPeriod).text, "18");
  for (const ControlName name : {lblID, lblDate, lblName, lblTeacher}) {
    EXPECT_EQ(f(name).text, "") << name.name;
  }
}

TEST(Layout, SignInWindow) {
  Form f(SignInLayout());
  EXPECT_EQ(f.window().props.width, 4815);
  EXPECT_EQ(f.window().props.height, 4845);
  EXPECT_FALSE(f(frmSignIn::cmdOk).enabled);
  EXPECT_TRUE(f.control(frmSignIn::cmdOk).look.default_button);
  EXPECT_TRUE(f(frmSignIn::Timer1).enabled);
  EXPECT_EQ(f(frmSignIn::lblFlash).back, (Rgb{255, 255, 128}));
  EXPECT_EQ(f.control(frmSignIn::txtPeriod).look.tab_index, 0);
  EXPECT_EQ(f(frmSignIn::Shape1).height, 4815);
}

}  // namespace
}  // namespace tovimel
