// SPDX-License-Identifier: MIT
// The binding on bare windows of the model, with handlers the tests install.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <map>

#include "desktop/binding.h"
#include "desktop/placement.h"
#include "desktop/ticker.h"
#include "desktop/widgets/look.h"
#include "engine/levels.h"
#include "tests/qt/fidelity.h"
#include "windows/controls.h"
#include "windows/layouts.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::ExpectWidgetsMatchModel;

// The layouts' fonts are there, or which package brings the one that is not.
::testing::AssertionResult LayoutFontsInstalled() {
  const QStringList missing = MissingFonts();
  if (missing.isEmpty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << missing.join(u'\n').toStdString();
}

// Counts the events of chosen types that reach one widget.
class EventCounter final : public QObject {
 public:
  explicit EventCounter(QObject* target) { target->installEventFilter(this); }
  std::map<QEvent::Type, int> seen;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    ++seen[e->type()];
    return false;
  }
};

template <class W>
W* Get(const WindowBinding& b, ControlId id) {
  auto* w = qobject_cast<W*>(b.widget(id));
  EXPECT_NE(w, nullptr) << id.key();
  return w;
}

bool ShowActive(const WindowBinding& b) {
  b.window()->show();
  b.window()->activateWindow();
  return QTest::qWaitForWindowActive(b.window());
}

TEST(Binding, EveryControlOfBothLayoutsHasItsWidgetAsTheModelSays) {
  Form main(MainWindowLayout(kLevelCount));
  Form sign_in(SignInLayout());
  WindowBinding a(main, WindowBinding::Frame::Titled);
  WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
  ExpectWidgetsMatchModel(a);
  ExpectWidgetsMatchModel(b);
  EXPECT_TRUE(b.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(b.window()->palette().color(QPalette::Window), QColor(255, 255, 192));
}

// The widgets that Tab visits, in order, starting from `first`.
std::vector<std::string> TabChain(QWidget* first) {
  std::vector<std::string> names;
  QWidget* w = first;
  do {
    if (w->focusPolicy() & Qt::TabFocus) names.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
  } while (w != first);
  return names;
}

TEST(Binding, TabFollowsTheLayoutsFocusOrder) {
  Form main(MainWindowLayout(kLevelCount));
  Form sign_in(SignInLayout());
  WindowBinding a(main, WindowBinding::Frame::Titled);
  WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
  EXPECT_EQ(TabChain(b.widget(frmSignIn::txtPeriod)),
            (std::vector<std::string>{"txtPeriod", "txtID", "txtName", "txtTeacher", "cmdOk",
                                      "cmdExit"}));
  // The answer forms are one Tab stop, at the selected form's place in the order.
  const auto chain = [](std::vector<std::string> tail) {
    std::vector<std::string> all = {"vsbLevel",     "cmdStart",     "txtAnswer(0)", "txtAnswer(1)",
                                    "txtAnswer(2)", "txtAnswer(3)", "cmdSubmit",    "cmdNew"};
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  EXPECT_EQ(TabChain(a.widget(vsbLevel)), chain({"optAnswerForm(3)", "cmdPrintIt", "cmdExit"}));
  main.select(optAnswerForm[13]);
  EXPECT_EQ(TabChain(a.widget(vsbLevel)), chain({"cmdPrintIt", "cmdExit", "optAnswerForm(13)"}));
}

TEST(Binding, AChangeReachesItsWidgetOnceAndTouchesNothingElse) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  QWidget* exit = b.widget(cmdExit);
  EventCounter events(exit);
  f.setLeft(cmdExit, 1500);
  f.setLeft(cmdExit, 1500);
  EXPECT_EQ(events.seen[QEvent::Move], 1);
  EXPECT_EQ(exit->x(), 100);
  f.setEnabled(cmdExit, false);
  EXPECT_EQ(events.seen[QEvent::EnabledChange], 1);
  f.setText(cmdExit, "Quit");
  f.setBack(cmdExit, Rgb{1, 2, 3});
  EXPECT_EQ(events.seen[QEvent::PaletteChange], 1);
  EXPECT_EQ(events.seen[QEvent::Move], 1);
  EXPECT_EQ(events.seen[QEvent::EnabledChange], 1);
  ExpectWidgetsMatchModel(b);
}

TEST(Binding, FontsResolveToTheMappedDebianFamiliesAtPixelSizes) {
  ASSERT_TRUE(LayoutFontsInstalled());
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  const struct {
    ControlName control;
    const char* family;
    int pixels;
    bool bold;
  } rows[] = {
      {Label4, "Liberation Sans", 11, false},    {lblProbCount, "Liberation Sans Narrow", 29, true},
      {lblRight, "Liberation Sans", 24, true},   {clock, "Liberation Sans", 32, true},
      {lblPeriod, "Liberation Serif", 21, true}, {lblTitle, "PT Sans", 48, false},
      {lblLevel, "Liberation Sans", 18, true},   {cmdStart, "Liberation Sans", 11, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.control.name));
    const QFontInfo info(b.widget(row.control)->font());
    EXPECT_EQ(info.family(), row.family);
    EXPECT_EQ(info.pixelSize(), row.pixels);
    EXPECT_EQ(info.bold(), row.bold);
  }
}

TEST(Binding, TypingReachesTheModelWithoutEchoMovingTheCaret) {
  Form f(SignInLayout());
  std::vector<std::string> changes;
  f.onChange(frmSignIn::txtName, [&] { changes.push_back(f(frmSignIn::txtName).text); });
  WindowBinding b(f, WindowBinding::Frame::Borderless);
  ASSERT_TRUE(ShowActive(b));
  auto* name = Get<QLineEdit>(b, frmSignIn::txtName);
  name->setFocus();
  QTest::keyClicks(name, "Lee");
  QTest::keyClick(name, Qt::Key_Home);
  QTest::keyClicks(name, "M");
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("ü"), Qt::NoModifier);
  EXPECT_EQ(f(frmSignIn::txtName).text, "MüLee");
  EXPECT_EQ(name->text(), "MüLee");
  EXPECT_EQ(name->cursorPosition(), 2);           // not thrown to the end by the model's notice
  EXPECT_EQ(f(frmSignIn::txtName).sel_start, 3);  // UTF-8 bytes
  EXPECT_EQ(changes, (std::vector<std::string>{"L", "Le", "Lee", "MLee", "MüLee"}));
  // A handler's own rewrite reaches the box.
  f.onChange(frmSignIn::txtName, [&] { f.setText(frmSignIn::txtName, "x"); });
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->text(), "x");
}

TEST(Binding, ModelFocusSelectsTheBoxSoTypingReplacesIt) {
  Form f(MainWindowLayout(kLevelCount));
  for (int k = 0; k < 4; ++k) {
    f.onFocus(txtAnswer[k], [&f, k] {
      f.setSelection(txtAnswer[k], 0, static_cast<int>(f(txtAnswer[k]).text.size()));
    });
  }
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  f.setText(txtAnswer[1], "42");
  f.focus(txtAnswer[1]);
  auto* box = Get<QLineEdit>(b, txtAnswer[1]);
  EXPECT_EQ(QApplication::focusWidget(), box);
  EXPECT_EQ(box->selectedText(), "42");
  QTest::keyClicks(box, "7");
  EXPECT_EQ(f(txtAnswer[1]).text, "7");
  // Tab is a user's move: the model hears it and skips what is hidden.
  f.setVisible(txtAnswer[2], false);
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_TRUE(f.hasFocus(txtAnswer[3]));
  EXPECT_EQ(QApplication::focusWidget(), b.widget(txtAnswer[3]));
  // Nobody has the focus in the model: nor on screen.
  f.setVisible(txtAnswer[3], false);
  EXPECT_EQ(f.focused(), nullptr);
  EXPECT_EQ(b.window()->focusWidget(), nullptr);
}

TEST(Binding, OptionButtonsFollowTheModelsClickHandler) {
  Form f(MainWindowLayout(kLevelCount));
  std::vector<int> clicks;
  for (int i = 0; i < 15; ++i) {
    f.onClick(optAnswerForm[i], [&f, &clicks, i] {
      clicks.push_back(i);
      if (i != 6) f.select(optAnswerForm[i]);  // form 6 refuses, to show who decides
      f.focus(txtAnswer[1]);
    });
  }
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  auto* opt1 = Get<QRadioButton>(b, optAnswerForm[1]);
  QTest::mouseClick(opt1, Qt::LeftButton);
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_TRUE(f(optAnswerForm[1]).selected);
  EXPECT_TRUE(opt1->isChecked());
  EXPECT_FALSE(Get<QRadioButton>(b, optAnswerForm[3])->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), b.widget(txtAnswer[1]));

  // The model keeps form 1: the toolkit's own check of button 6 is undone.
  QTest::mouseClick(b.widget(optAnswerForm[6]), Qt::LeftButton);
  EXPECT_EQ(clicks, (std::vector<int>{1, 6}));
  EXPECT_TRUE(opt1->isChecked());
  EXPECT_FALSE(Get<QRadioButton>(b, optAnswerForm[6])->isChecked());

  // An arrow key moves the choice as a click does; the model's focus goes back to the box
  // although it was already there (no notice), and the screen follows.
  opt1->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(f.hasFocus(txtAnswer[1]));  // passing over a button is not choosing it
  QTest::keyClick(opt1, Qt::Key_Right);
  EXPECT_EQ(clicks, (std::vector<int>{1, 6, 2}));
  EXPECT_TRUE(f(optAnswerForm[2]).selected);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return QApplication::focusWidget() == b.widget(txtAnswer[1]); }));
  ExpectWidgetsMatchModel(b);
}

TEST(Binding, ScrollBarValuesGoBothWays) {
  Form f(MainWindowLayout(kLevelCount));
  std::vector<int> seen;
  f.onChange(vsbLevel, [&] { seen.push_back(f(vsbLevel).value); });
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  auto* bar = Get<QScrollBar>(b, vsbLevel);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(seen, (std::vector<int>{2, 3}));
  f.setValue(vsbLevel, 5);
  EXPECT_EQ(bar->value(), 5);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // already at the end
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 5}));
}

TEST(Binding, EnterPressesTheDefaultButtonOnlyWhileItIsEnabled) {
  Form f(SignInLayout());
  int ok = 0, exit = 0;
  f.onClick(frmSignIn::cmdOk, [&] { ++ok; });
  f.onClick(frmSignIn::cmdExit, [&] { ++exit; });
  WindowBinding b(f, WindowBinding::Frame::Borderless);
  ASSERT_TRUE(ShowActive(b));
  QWidget* period = b.widget(frmSignIn::txtPeriod);
  period->setFocus();
  QTest::keyClick(period, Qt::Key_Return);
  EXPECT_EQ(ok, 0);
  f.setEnabled(frmSignIn::cmdOk, true);
  QTest::keyClick(period, Qt::Key_Return);
  QTest::keyClick(period, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(ok, 2);
  // A focused button takes Enter for itself.
  QWidget* exit_button = b.widget(frmSignIn::cmdExit);
  exit_button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(exit_button, Qt::Key_Return);
  EXPECT_EQ(ok, 2);
  EXPECT_EQ(exit, 1);
}

TEST(Binding, AccessKeysClickTheirButtonsAndCloseAsksTheModel) {
  Form f(MainWindowLayout(kLevelCount));
  int exits = 0, closes = 0;
  f.onClick(cmdExit, [&] { ++exits; });
  f.onClose([&] { ++closes; });
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  QTest::keyClick(b.window(), Qt::Key_X, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return exits == 1; }));
  f.setEnabled(cmdExit, false);
  QTest::keyClick(b.window(), Qt::Key_X, Qt::AltModifier);
  QTest::qWait(150);
  EXPECT_EQ(exits, 1);
  b.window()->close();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(b.window()->isVisible());  // only the model may close it
}

TEST(Binding, AutoSizeLabelsTakeTheirTextsMeasuredSize) {
  ASSERT_TRUE(LayoutFontsInstalled());  // the narrow digits' widths
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  const int narrow = f(lblProb[1]).width;
  f.setText(lblProb[1], "1234");
  EXPECT_GT(f(lblProb[1]).width, narrow);
  EXPECT_EQ(f(lblProb[1]).width % 15, 0);
  EXPECT_EQ(b.widget(lblProb[1])->geometry(), PxRect(f(lblProb[1])));
  f.setText(lblProb[1], "1");
  EXPECT_LT(f(lblProb[1]).width, narrow + 1);
}

// Centred where a window fits the screen's free area; where it does not, its top-left corner,
// with the title bar, stays on the screen (640 x 480, or 1024 x 768 at a scale factor of 2).
TEST(Binding, WindowsArePlacedOnTheAvailableScreenArea) {
  const QSize practice(645, 513), sign_in(321, 323);
  const struct {
    QSize window;
    QRect area;
    QPoint at;
  } rows[] = {
      {practice, {0, 0, 1280, 800}, {317, 143}},   {sign_in, {0, 0, 1280, 800}, {479, 238}},
      {practice, {0, 0, 640, 480}, {0, 0}},        {sign_in, {0, 0, 640, 480}, {159, 78}},
      {practice, {0, 0, 512, 384}, {0, 0}},        {practice, {0, 32, 1024, 400}, {189, 32}},
      {practice, {100, 50, 600, 900}, {100, 243}}, {practice, {-640, 0, 640, 480}, {-640, 0}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PlaceOnScreen(row.window, row.area), row.at)
        << row.area.width() << "x" << row.area.height();
  }
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  b.showWindow();
  EXPECT_EQ(b.window()->pos(),
            PlaceOnScreen(b.window()->size(), b.window()->screen()->availableGeometry()));
}

// A window tied to its owner stands centred over the owner's frame, and moves only as far as it
// must to lie whole on the screen's free area; larger than the area, its top-left corner stays on.
TEST(Binding, TheSignInStandsCentredOverThePracticeWindowAndWholeOnTheScreen) {
  const QSize sign_in(321, 323);
  const QRect screen(0, 0, 1280, 800), panel(0, 32, 1280, 768);
  const struct {
    QRect owner;
    QRect area;
    QPoint at;
  } rows[] = {
      {{317, 143, 645, 513}, screen, {479, 238}},  // the practice window as placed
      {{0, 0, 645, 513}, screen, {162, 95}},
      {{0, 0, 657, 546}, screen, {168, 111}},
      {{900, 600, 645, 513}, screen, {959, 477}},  // pushed back onto the screen
      {{-400, -300, 645, 513}, screen, {0, 0}},
      {{0, 0, 645, 40}, panel, {162, 32}},
      {{0, 0, 100, 100}, {0, 0, 200, 200}, {0, 0}},             // larger than the area
      {{1280, 0, 645, 513}, {1280, 0, 1024, 768}, {1442, 95}},  // a second screen
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PlaceOver(sign_in, row.owner, row.area), row.at)
        << row.owner.x() << "," << row.owner.y() << " " << row.owner.width() << "x"
        << row.owner.height();
  }
  Form main(MainWindowLayout(kLevelCount));
  Form start(SignInLayout());
  WindowBinding practice(main, WindowBinding::Frame::Titled);
  WindowBinding b(start, WindowBinding::Frame::Borderless);
  b.stayAbove(practice);
  EXPECT_EQ(b.window()->windowHandle()->transientParent(), practice.window()->windowHandle());
  EXPECT_TRUE(b.window()->windowFlags().testFlag(Qt::Dialog));
  practice.window()->move(40, 30);
  practice.window()->show();
  b.showWindow();
  const QRect owner = practice.window()->frameGeometry();
  EXPECT_EQ(b.window()->pos(),
            PlaceOver(b.window()->size(), owner, b.window()->screen()->availableGeometry()));
  EXPECT_TRUE(owner.contains(b.window()->geometry())) << owner.x() << "," << owner.y();
}

TEST(Binding, LinesFollowTheirEndPointsToTheHalfTwip) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  f.set(lneViniculum, [](Props& p) { p.x2 = 2355.5; });
  const auto* line = Get<LineWidget>(b, lneViniculum);
  EXPECT_DOUBLE_EQ(line->line().x2(), 2355.5 / 15);
  EXPECT_DOUBLE_EQ(line->line().x1(), 6);
  EXPECT_LE(line->x(), 6 - 1);
  EXPECT_GE(line->geometry().right(), 2355.5 / 15 + 1);
}

TEST(Binding, TimersRunExactlyWhileEnabled) {
  Form f(MainWindowLayout(kLevelCount));
  int ticks = 0;
  f.onTimer(timOverAll, [&] { ++ticks; });
  WindowBinding b(f, WindowBinding::Frame::Titled);
  Ticker* t = b.timer(timOverAll);
  EXPECT_FALSE(t->isRunning());
  f.setEnabled(timOverAll, true);
  EXPECT_TRUE(t->isRunning());
  emit t->ticked();
  EXPECT_EQ(ticks, 1);
  f.setEnabled(timOverAll, false);
  EXPECT_FALSE(t->isRunning());
}

TEST(Binding, ClickableLabelsReportClicks) {
  Form f(MainWindowLayout(kLevelCount));
  int clicks = 0;
  f.onClick(lblPeriod, [&] { ++clicks; });
  f.onClick(lblID, [&] { ++clicks; });
  WindowBinding b(f, WindowBinding::Frame::Titled);
  ASSERT_TRUE(ShowActive(b));
  QTest::mouseClick(b.widget(lblPeriod), Qt::LeftButton);
  QTest::mouseClick(b.widget(lblID), Qt::LeftButton);  // no Click handler in the layout
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// What the screen holds for a widget now, not a fresh rendering of it.
QImage OnScreen(const QWidget* w) {
  const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
  return w->screen()
      ->grabWindow(w->window()->winId(), at.x(), at.y(), w->width(), w->height())
      .toImage();
}

TEST(Binding, ALabelShowsItsNewTextBeforeTheRunningHandlerGoesOn) {
  Form f(MainWindowLayout(kLevelCount));
  const QWidget* right = nullptr;
  QImage during;
  f.onClick(cmdStart, [&] {
    f.setText(lblRight, " 88");
    during = OnScreen(right);  // the handler has not returned to the event loop yet
  });
  WindowBinding b(f, WindowBinding::Frame::Titled);
  right = b.widget(lblRight);
  ASSERT_TRUE(ShowActive(b));
  QTest::qWait(50);
  const QImage before = OnScreen(right);
  QTest::mouseClick(b.widget(cmdStart), Qt::LeftButton);
  QTest::qWait(50);
  const QImage after = OnScreen(right);
  ASSERT_FALSE(before.isNull());
  EXPECT_NE(during, before);
  EXPECT_EQ(during, after);
}

}  // namespace
}  // namespace tovimel
