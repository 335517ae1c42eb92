// SPDX-License-Identifier: MIT
// The whole program on real widgets, driven through keys and clicks.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "desktop/ticker.h"
#include "tests/qt/fidelity.h"
#include "tests/qt/pdf.h"
#include "tests/qt/program.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::ExpectWidgetsMatchModel;
using testing::Program;

QColor BoxColour(const Program& p, int box) {
  return p.widget(txtAnswer[box])->palette().color(QPalette::Base);
}

void SignInAsAna(Program& p) {
  p.signIn("3", "10234", "Rivera, Ana", "Okafor");
  p.pressEnterOnSignIn();
  Program::Require(!p.start.window()->isVisible(), "OK closes the sign-in window");
  Program::Require(p.practiceActive(), "the practice window is active");
}

TEST(Program, OpensWithTheSignInOverTheDisabledPracticeWindow) {
  Program p;
  EXPECT_TRUE(p.main.window()->isVisible());
  EXPECT_FALSE(p.main.window()->isEnabled());
  EXPECT_TRUE(QTest::qWaitForWindowActive(p.start.window()));
  EXPECT_EQ(QApplication::focusWidget(), p.start.widget(frmSignIn::txtPeriod));
  // Both centred on the screen: the sign-in stands over the middle of the practice window.
  const QPoint off = p.start.window()->geometry().center() - p.main.window()->geometry().center();
  EXPECT_LE(std::abs(off.x()), 2);
  EXPECT_LE(std::abs(off.y()), 2);
  ExpectWidgetsMatchModel(p.main);
  ExpectWidgetsMatchModel(p.start);
}

TEST(Program, SignInByTypingEnterOnlyOnceOkIsEnabled) {
  Program p;
  p.signIn("3", "10234", "Rivera, Ana", "");
  // The strip fills in while the student types.
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblName))->text(), "Rivera, Ana");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblPeriod))->text(), "3");
  EXPECT_FALSE(p.start.widget(frmSignIn::cmdOk)->isEnabled());
  p.pressEnterOnSignIn();
  EXPECT_TRUE(p.start.window()->isVisible());
  EXPECT_FALSE(p.main.window()->isEnabled());

  ASSERT_EQ(QApplication::focusWidget(), p.start.widget(frmSignIn::txtTeacher));
  QTest::keyClicks(p.start.widget(frmSignIn::txtTeacher), "Okafor");
  EXPECT_TRUE(p.start.widget(frmSignIn::cmdOk)->isEnabled());
  p.pressEnterOnSignIn();
  EXPECT_FALSE(p.start.window()->isVisible());
  EXPECT_TRUE(p.main.window()->isEnabled());
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblDate))->text(), "12/8/2026");
  EXPECT_EQ(p.process.ended, 0);
}

TEST(Program, ThePromptFlashesInColoursReadFromTheWidget) {
  Program p;
  const QWidget* flash = p.start.widget(frmSignIn::lblFlash);
  const auto colours = [&] {
    return std::pair(flash->palette().color(QPalette::Window),
                     flash->palette().color(QPalette::WindowText));
  };
  EXPECT_EQ(colours().first, QColor(255, 255, 128));
  emit p.start.timer(frmSignIn::Timer1)->ticked();
  EXPECT_EQ(colours(), std::pair(QColor(Qt::black), QColor(Qt::yellow)));
  emit p.start.timer(frmSignIn::Timer1)->ticked();
  EXPECT_EQ(colours(), std::pair(QColor(Qt::yellow), QColor(Qt::black)));
  SignInAsAna(p);
  EXPECT_FALSE(p.start.timer(frmSignIn::Timer1)->isRunning());
}

TEST(Program, ThePracticeWindowsCloseBoxEndsTheProgramOnlyAfterSignIn) {
  Program p;
  p.main.window()->close();
  EXPECT_EQ(p.process.quits, 0);
  EXPECT_TRUE(p.main.window()->isVisible());
  SignInAsAna(p);
  p.main.window()->close();
  EXPECT_EQ(p.process.quits, 1);
  EXPECT_FALSE(p.main.window()->isVisible());
}

TEST(Program, SignInClosedByTheWindowSystemEndsTheProgram) {
  Program p;
  p.signIn("3", "", "", "");
  p.start.window()->close();
  EXPECT_EQ(p.process.ended, 1);
  EXPECT_FALSE(p.main.window()->isEnabled());
}

TEST(Program, SignInExitEndsAtOnceAndPracticeExitQuits) {
  {
    Program p;
    QTest::mouseClick(p.start.widget(frmSignIn::cmdExit), Qt::LeftButton);
    EXPECT_EQ(p.process.ended, 1);
  }
  Program p;
  SignInAsAna(p);
  QTest::keyClick(p.main.window(), Qt::Key_X, Qt::AltModifier);
  EXPECT_TRUE(Program::WaitFor([&] { return p.process.quits == 1; }));
  EXPECT_EQ(p.process.ended, 0);
}

TEST(Program, TheScrollBarChangesTheLevelBeforeStart) {
  Program p;
  SignInAsAna(p);
  p.chooseLevel(4);
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblLevel))->text(), "4");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblLevelShow))->text(), "Level 4");
  ExpectWidgetsMatchModel(p.main);
  p.click(cmdStart);
  EXPECT_FALSE(p.widget(fraLevel)->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblProbCount))->text(), "1");
  EXPECT_TRUE(p.main.timer(timOverAll)->isRunning());
}

TEST(Program, WrongThenRightAtLevelFiveShowsRedThenGreen) {
  Program p;
  SignInAsAna(p);
  p.chooseLevel(5);
  p.click(cmdStart);
  p.answer(false);
  p.submit();
  EXPECT_EQ(BoxColour(p, 0), QColor(255, 0, 0));  // the whole part was typed wrong
  EXPECT_EQ(BoxColour(p, 2), QColor(0, 255, 0));
  EXPECT_EQ(QApplication::focusWidget(), p.widget(txtAnswer[0]));
  EXPECT_FALSE(p.widget(cmdNew)->isEnabled());
  ExpectWidgetsMatchModel(p.main);
  p.answer(true);
  p.submit();
  for (int box = 0; box < 4; ++box) EXPECT_EQ(BoxColour(p, box), QColor(0, 255, 0)) << box;
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblRight))->text(), " 1");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblWrong))->text(), " 2");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblPercent))->text(), " 50%");
  EXPECT_EQ(QApplication::focusWidget(), p.widget(cmdNew));
  p.next();
  EXPECT_EQ(BoxColour(p, 0), QColor(192, 255, 255));
}

TEST(Program, AWholeRunOfTwentyEndsOnThePrintableResultsScreen) {
  Program p;
  SignInAsAna(p);
  p.click(cmdStart);
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(n);
    ASSERT_EQ(p.form()(lblProbCount).text, std::to_string(n));
    if (n % 7 == 0) {
      p.answer(false);
      p.submit();
    }
    p.answer(true);
    p.submit();
    if (n < 20) p.next();
  }
  EXPECT_EQ(p.main.window()->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(p.widget(lblTitle)->isVisible());
  for (const ControlName gone : {fraProb, fraAnswer, fraKey, cmdSubmit, cmdNew}) {
    EXPECT_FALSE(p.widget(gone)->isVisible()) << gone.name;
  }
  EXPECT_FALSE(p.main.timer(timOverAll)->isRunning());
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblRight))->text(), " 20");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblWrong))->text(), " 22");
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblPercent))->text(), " 90%");
  ExpectWidgetsMatchModel(p.main);

  auto* print = p.widget(cmdPrintIt);
  ASSERT_TRUE(print->isVisible() && print->isEnabled());
  p.click(cmdPrintIt);
  p.click(cmdPrintIt);
  ASSERT_EQ(p.printer.files().size(), 2u);
  for (const QString& file : p.printer.files()) {
    SCOPED_TRACE(file.toStdString());
    const QByteArray pdf = testing::ReadFile(file);
    EXPECT_EQ(testing::PdfPageCount(pdf), 1);
    EXPECT_LT(pdf.size(), 1024 * 1024);
    const QString text = testing::PdfText(file);
    for (const char* shown : {"Rivera, Ana", "Okafor", "12/8/2026", "Level 1", "90%", "20"}) {
      EXPECT_TRUE(text.contains(shown)) << shown;
    }
  }
}

}  // namespace
}  // namespace tovimel
