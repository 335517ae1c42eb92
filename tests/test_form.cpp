// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/layouts.h"

namespace tovimel {
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
  Form f(MainWindowLayout());
  EXPECT_THROW(f("lblNope"), std::out_of_range);
  EXPECT_THROW(f("txtAnswer", 4), std::out_of_range);
  EXPECT_THROW(f("txtAnswer"), std::out_of_range);  // an array member needs its index
  EXPECT_THROW(f("cmdNew", 0), std::out_of_range);  // a plain control has none
  EXPECT_THROW(f.setText("lblProb", 12, "x"), std::out_of_range);
  EXPECT_THROW(f.focus("optAnswerForm", -1), std::out_of_range);
}

TEST(Form, ObserverHearsEachRealChangeOnce) {
  Form f(MainWindowLayout());
  Recorder r;
  r.attach(f);
  f.setText("lblRight", -1, "0");  // unchanged
  f.setVisible("cmdNew", -1, true);
  EXPECT_TRUE(r.props.empty());
  f.set("lblRight", -1, [](Props& p) {
    p.text = " 1";
    p.back = Rgb{1, 2, 3};
    p.left = 10;
  });
  EXPECT_EQ(r.props, std::vector<std::string>{"lblRight"});
  f.setText("txtAnswer", 2, "5");
  f.setText("txtAnswer", 2, "5");
  EXPECT_EQ(r.props, (std::vector<std::string>{"lblRight", "txtAnswer(2)"}));
}

TEST(Form, OptionButtonsFormOneExclusiveGroup) {
  Form f(MainWindowLayout());
  auto selected = [&] {
    std::vector<int> out;
    for (int i = 0; i < 15; ++i) {
      if (f("optAnswerForm", i).selected) out.push_back(i);
    }
    return out;
  };
  EXPECT_EQ(selected(), std::vector<int>{3});
  Recorder r;
  r.attach(f);
  f.select("optAnswerForm", 12);
  EXPECT_EQ(selected(), std::vector<int>{12});
  EXPECT_EQ(r.props, (std::vector<std::string>{"optAnswerForm(3)", "optAnswerForm(12)"}));
  f.select("optAnswerForm", 12);
  EXPECT_EQ(r.props.size(), 2u);
  EXPECT_EQ(f.selectedOption()->index, 12);
  EXPECT_THROW(f.select("cmdNew", -1), std::invalid_argument);
}

TEST(Form, FocusGoesOnlyWhereAPersonCouldPutIt) {
  Form f(MainWindowLayout());
  int box_handler = 0;
  f.onFocus("txtAnswer", 1, [&] { ++box_handler; });
  Recorder r;
  r.attach(f);

  EXPECT_TRUE(f.focus("txtAnswer", 1));
  EXPECT_EQ(box_handler, 1);
  EXPECT_TRUE(f.focus("txtAnswer", 1));  // already there: no second focus event
  EXPECT_EQ(box_handler, 1);
  EXPECT_EQ(r.focus, std::vector<std::string>{"txtAnswer(1)"});

  struct Case {
    const char* name;
    int index;
  };
  const Case refused[] = {{"cmdNew", -1},      // disabled in the layout
                          {"cmdPrintIt", -1},  // hidden
                          {"lblRight", -1},    // labels take no focus
                          {"imgRadical", -1},
                          {"timOverAll", -1}};
  for (const auto& c : refused) EXPECT_FALSE(f.focus(c.name, c.index)) << c.name;
  EXPECT_TRUE(f.hasFocus("txtAnswer", 1));

  // A control in a hidden frame cannot take the focus; one that is hidden loses it.
  f.setVisible("fraLevel", -1, false);
  EXPECT_FALSE(f.focus("vsbLevel"));
  f.setVisible("txtAnswer", 1, false);
  EXPECT_EQ(f.focused(), nullptr);
  EXPECT_EQ(r.focus.back(), "frmTovimel3");
  EXPECT_TRUE(f.focus("cmdStart"));
}

TEST(Form, ChangeHandlersFollowTextAndValue) {
  Form f(SignInLayout());
  std::vector<std::string> seen;
  f.onChange("txtName", -1, [&] { seen.push_back(f("txtName").text); });
  f.setText("txtName", -1, "A");
  f.setText("txtName", -1, "A");
  f.setText("txtName", -1, "");
  EXPECT_EQ(seen, (std::vector<std::string>{"A", ""}));
}

TEST(Form, ClicksAndTicksReachOnlyOperableControls) {
  Form f(MainWindowLayout());
  int clicks = 0, ticks = 0;
  f.onClick("cmdNew", -1, [&] { ++clicks; });
  f.onClick("lblPeriod", -1, [&] { ++clicks; });
  f.onTimer("timOverAll", [&] { ++ticks; });
  EXPECT_FALSE(f.click("cmdNew"));  // disabled
  EXPECT_FALSE(f.tick("timOverAll"));
  f.setEnabled("cmdNew", -1, true);
  f.setEnabled("timOverAll", -1, true);
  EXPECT_TRUE(f.click("cmdNew"));
  EXPECT_TRUE(f.tick("timOverAll"));
  f.setEnabled("frmTovimel3", -1, false);  // the whole window behind the sign-in
  EXPECT_FALSE(f.click("cmdNew"));
  EXPECT_FALSE(f.click("lblPeriod"));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ticks, 1);
}

TEST(Form, SelectionStaysInsideTheText) {
  Form f(MainWindowLayout());
  f.setText("txtAnswer", 0, "123");
  f.setSelection("txtAnswer", 0, 0, 99);
  EXPECT_EQ(f("txtAnswer", 0).sel_length, 3);
  f.setText("txtAnswer", 0, "");
  EXPECT_EQ(f("txtAnswer", 0).sel_start, 0);
  EXPECT_EQ(f("txtAnswer", 0).sel_length, 0);
}

TEST(Form, AutoSizeLabelsTakeTheMeasuredSize) {
  Form f(MainWindowLayout());
  f.setMeasure([](const Control& c) {
    return std::pair<int, int>{static_cast<int>(c.props.text.size()) * 100, 400};
  });
  f.setText("lblProb", 2, "10800");
  EXPECT_EQ(f("lblProb", 2).width, 500);
  f.setText("lblAdd", 0, "-");  // not auto-size: keeps its design width
  EXPECT_EQ(f("lblAdd", 0).width, 330);
}

TEST(Layout, MainWindowHasEveryControlOnce) {
  Form f(MainWindowLayout());
  const std::pair<const char*, int> arrays[] = {
      {"lblProb", 12}, {"lblAdd", 5}, {"txtAnswer", 4}, {"optAnswerForm", 15}};
  for (const auto& [name, count] : arrays) {
    for (int i = 0; i < count; ++i) EXPECT_TRUE(f.has(name, i)) << name << i;
    EXPECT_FALSE(f.has(name, count)) << name;
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
  EXPECT_EQ(f.controls().size(), 89u);  // 88 controls and the window
}

TEST(Layout, DesignPositionsTheAnswerAreaReliesOn) {
  Form f(MainWindowLayout());
  EXPECT_EQ(f("txtAnswer", 0).left, 195);
  EXPECT_EQ(f("txtAnswer", 1).left, 1845);
  EXPECT_EQ(f("txtAnswer", 2).left, 3510);
  EXPECT_EQ(f("txtAnswer", 3).left, 1845);
  EXPECT_EQ(f("txtAnswer", 2).width, 1065);
  EXPECT_EQ(f("imgRadical").left, 3000);
  EXPECT_EQ(f("lneViniculum").x1, 90);
  EXPECT_EQ(f("lneViniculum").x2, 4620);
  EXPECT_EQ(f("lblAdd", 4).left, 1380);
  EXPECT_EQ(f("lblAdd", 4).width, 330);
  EXPECT_EQ(f("vsbLevel").value, 1);
  EXPECT_EQ(f.control("txtAnswer", 2).container, "Frame2");
  EXPECT_EQ(f.control("Frame2").container, "fraAnswer");
}

TEST(Layout, DesignStateOfTheMainWindow) {
  Form f(MainWindowLayout());
  EXPECT_TRUE(f("cmdStart").enabled);
  EXPECT_TRUE(f("cmdExit").enabled);
  EXPECT_FALSE(f("cmdSubmit").enabled);
  EXPECT_FALSE(f("cmdNew").enabled);
  EXPECT_FALSE(f("cmdPrintIt").visible);
  EXPECT_FALSE(f("cmdPrintIt").enabled);
  EXPECT_FALSE(f("fraKey").visible);
  EXPECT_FALSE(f("lblTitle").visible);
  EXPECT_EQ(f("clock").text, "00:00");
  EXPECT_FALSE(f("timOverAll").enabled);
  EXPECT_EQ(f("lblPeriod").text, "18");
  for (const char* name : {"lblID", "lblDate", "lblName", "lblTeacher"}) {
    EXPECT_EQ(f(name).text, "") << name;
  }
}

TEST(Layout, SignInWindow) {
  Form f(SignInLayout());
  EXPECT_EQ(f.window().props.width, 4815);
  EXPECT_EQ(f.window().props.height, 4845);
  EXPECT_FALSE(f("cmdOk").enabled);
  EXPECT_TRUE(f.control("cmdOk").look.default_button);
  EXPECT_TRUE(f("Timer1").enabled);
  EXPECT_EQ(f("lblFlash").back, (Rgb{255, 255, 128}));
  EXPECT_EQ(f.control("txtPeriod").look.tab_index, 0);
  EXPECT_EQ(f("Shape1").height, 4815);
}

}  // namespace
}  // namespace tovimel
