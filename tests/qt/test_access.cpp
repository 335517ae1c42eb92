// SPDX-License-Identifier: MIT
// The program as assistive technology reads it (in process, as the AT-SPI bridge asks Qt) and as
// a keyboard alone plays it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>
#include <map>
#include <set>

#include "tests/qt/in_language.h"
#include "tests/qt/program.h"
#include "windows/accessibility.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Program;

void Reach(QAccessibleInterface* a, std::set<const QObject*>& seen) {
  for (int i = 0; i < a->childCount(); ++i) {
    QAccessibleInterface* child = a->child(i);
    seen.insert(child->object());
    Reach(child, seen);
  }
}

QAccessible::Role RoleOf(const Form& f, Kind kind) {
  static const std::map<Kind, QAccessible::Role> roles = {
      {Kind::Window, QAccessible::Window},        {Kind::Label, QAccessible::StaticText},
      {Kind::TextBox, QAccessible::EditableText}, {Kind::Button, QAccessible::Button},
      {Kind::Option, QAccessible::RadioButton},   {Kind::Frame, QAccessible::Grouping},
      {Kind::Image, QAccessible::Graphic},        {Kind::ScrollBar, QAccessible::ScrollBar},
      {Kind::Line, QAccessible::Separator},       {Kind::Shape, QAccessible::Separator}};
  return kind == Kind::Window && f.name() == "frmSignIn" ? QAccessible::Dialog : roles.at(kind);
}

// Every control tells assistive technology its name, role, description and state as the model
// has them, every shown one has a name, and nothing hidden can be reached or says anything.
void ExpectSpokenAsTheModelHasIt(const WindowBinding& b) {
  const Form& f = b.form();
  QCoreApplication::processEvents();  // the mirror tells a change once its handler is done
  std::set<const QObject*> reached;
  Reach(QAccessible::queryAccessibleInterface(b.window()), reached);
  for (const Control& c : f.controls()) {
    if (c.kind == Kind::Timer) continue;
    SCOPED_TRACE(c.key());
    QWidget* w = b.widget(c.id());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    const Spoken said = Speak(f, c);
    const bool heard = Heard(f, c) && w->isVisible();
    EXPECT_EQ(a->role(), RoleOf(f, c.kind));
    EXPECT_EQ(!said.name.empty(), heard);
    if (c.kind != Kind::Window) {
      EXPECT_EQ(reached.count(w), heard ? 1u : 0u);
    }
    const bool ours = c.kind != Kind::TextBox && c.kind != Kind::Button && c.kind != Kind::Option &&
                      c.kind != Kind::ScrollBar;
    if (!heard && !ours) continue;
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), said.name);
    EXPECT_EQ(a->text(QAccessible::Description).toStdString(), said.description);
    if (!heard) continue;
    const QAccessible::State state = a->state();
    EXPECT_FALSE(state.invisible);
    if (!ours) {
      EXPECT_EQ(state.disabled, !f.operable(c));
      EXPECT_EQ(state.focused, f.hasFocus(c.id()) && b.window()->isActiveWindow());
      EXPECT_EQ(state.checked, c.props.selected);
    }
  }
}

void ExpectNames(const WindowBinding& b,
                 std::initializer_list<std::pair<ControlId, const char*>> rows) {
  QCoreApplication::processEvents();
  for (const auto& [id, name] : rows) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b.widget(id))->text(QAccessible::Name), name);
  }
}

void SignInWithDigits(Program& p) {
  p.signIn("3", "10234", "5", "9");
  p.pressEnterOnSignIn();
  Program::Require(p.practiceActive(), "the practice window is active");
}

// Plays the open problem by the key at level 1 (the form "a root b" fits every key).
void AnswerRight(Form& f) {
  if (!f(txtAnswer[3]).visible) f.click(optAnswerForm[3]);
  f.setText(txtAnswer[1], f(lblProb[7]).text);
  f.setText(txtAnswer[2], f(lblProb[8]).text);
  f.click(cmdSubmit);
}

TEST(Accessibility, BothWindowsSayWhatTheModelSaysThroughARun) {
  Program p;
  ExpectSpokenAsTheModelHasIt(p.start);
  ExpectSpokenAsTheModelHasIt(p.main);
  ExpectNames(p.start, {{frmSignIn::txtPeriod, "Period"},
                        {frmSignIn::txtID, "#ID or Student ID"},
                        {frmSignIn::txtName, "Name (Last, First)"},
                        {frmSignIn::txtTeacher, "Teacher"},
                        {frmSignIn::cmdExit, "Exit"}});
  SignInWithDigits(p);
  p.click(cmdStart);
  ExpectSpokenAsTheModelHasIt(p.main);
  const QString problem = "root " + QString::fromStdString(p.form()(lblProb[2]).text);
  ExpectNames(p.main, {{txtAnswer[1], "coefficient"},
                       {txtAnswer[2], "radicand"},
                       {optAnswerForm[0], "a root b over c"},
                       {Image10, ""},
                       {lblRight, "Right 0"},
                       {vsbLevel, ""},
                       {lblLevelShow, "Level 1"},
                       {cmdSubmit, "Submit"}});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(p.widget(fraProb))->text(QAccessible::Name),
            "Simplify " + problem);
  p.answer(false);
  p.submit();
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_TRUE(p.widget(txtAnswer[1])->accessibleDescription().startsWith("Wrong: coefficient"));
  p.answer(true);
  p.submit();
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_EQ(p.widget(txtAnswer[1])->accessibleDescription(), "right");
  for (int n = 2; n <= 20; ++n) {
    p.form().click(cmdNew);
    AnswerRight(p.form());
  }
  ASSERT_TRUE(p.form()(cmdPrintIt).visible);
  ExpectSpokenAsTheModelHasIt(p.main);
  ExpectSpokenAsTheModelHasIt(p.start);  // closed: says nothing
}

// In German every name, problem, verdict and shape comes from the translation, each sentence
// whole, while the model keeps the English design text.
TEST(Accessibility, GermanIsSpokenFromTheTranslation) {
  const testing::InLanguage german({QStringLiteral("de")});
  ASSERT_EQ(german.loaded, "de");
  Program p;
  ExpectSpokenAsTheModelHasIt(p.start);
  ExpectNames(p.start, {{frmSignIn::txtPeriod, "Klasse"},
                        {frmSignIn::txtName, "Name, Vorname"},
                        {frmSignIn::cmdExit, "Beenden"}});
  SignInWithDigits(p);
  p.chooseLevel(2);
  p.click(cmdStart);
  ExpectSpokenAsTheModelHasIt(p.main);
  const Form& f = p.form();
  const QString problem =
      QString::fromStdString(f(lblProb[1]).text + " Wurzel " + f(lblProb[2]).text);
  ExpectNames(p.main, {{txtAnswer[1], "Faktor vor der Wurzel"},
                       {optAnswerForm[0], "a Wurzel b durch c"},
                       {lblRight, "Richtig 0"},
                       {cmdSubmit, "Prüfen"}});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(p.widget(fraProb))->text(QAccessible::Name),
            "Vereinfache " + problem);
  EXPECT_EQ(f(cmdSubmit).text, "&Submit");
  EXPECT_EQ(p.widget(txtAnswer[1])->accessibleDescription(),
            "Aufgabe 1 von 20: " + problem + ". Antwortform a Wurzel b.");
  p.answer(false);
  p.click(cmdSubmit);
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_TRUE(
      p.widget(txtAnswer[1])->accessibleDescription().startsWith("Falsch: Faktor vor der Wurzel"))
      << p.widget(txtAnswer[1])->accessibleDescription().toStdString();
  p.answer(true);
  p.click(cmdSubmit);
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_EQ(p.widget(txtAnswer[1])->accessibleDescription(), "richtig");
}

TEST(Keyboard, AWholeRunNeedsOnlyDigitsTabAndEnter) {
  Program p;
  SignInWithDigits(p);
  const auto focus = [] { return QApplication::focusWidget(); };
  // The keyboard is where the model's focus is, as soon as the window takes it.
  EXPECT_EQ(focus(), p.widget(txtAnswer[1]));
  EXPECT_TRUE(p.form().hasFocus(txtAnswer[1]));
  const auto press = [&](Qt::Key key) { QTest::keyClick(focus(), key); };
  const auto type = [&](const std::string& text) {
    QTest::keyClicks(focus(), QString::fromStdString(text));
  };
  for (int guard = 0; focus() != p.widget(cmdStart) && guard < 30; ++guard) press(Qt::Key_Tab);
  press(Qt::Key_Return);
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(n);
    ASSERT_EQ(p.form()(lblProbCount).text, std::to_string(n));
    const std::string coefficient = p.form()(lblProb[7]).text, radicand = p.form()(lblProb[8]).text;
    if (n == 5) {
      type(coefficient + "1");
      press(Qt::Key_Tab);
      type(radicand);
      press(Qt::Key_Return);
      press(Qt::Key_Return);                     // doubled: the emptied boxes are no answer
      ASSERT_EQ(p.form()(lblWrong).text, " 4");  // as of the last right answer
      ASSERT_EQ(p.session.window().TotalCount, 5);
      QCoreApplication::processEvents();
      ASSERT_TRUE(
          p.widget(txtAnswer[1])->accessibleDescription().startsWith("Wrong: coefficient."));
      type(coefficient);  // the fraction form now, its denominator box shown
      press(Qt::Key_Tab);
      type(radicand);
      press(Qt::Key_Tab);
      type("1");
    } else {
      type(coefficient);
      press(Qt::Key_Tab);
      type(radicand);
    }
    press(Qt::Key_Return);
    ASSERT_EQ(p.form()(lblRight).text, " " + std::to_string(n));
    if (n < 20) {
      ASSERT_EQ(focus(), p.widget(cmdNew));
      press(Qt::Key_Return);
    }
  }
  // The Enter that ended the run, doubled, does not print; a later one does.
  press(Qt::Key_Return);
  EXPECT_EQ(p.form()(lblRight).text, " 20");
  EXPECT_EQ(p.form()(lblWrong).text, " 21");
  ASSERT_EQ(focus(), p.widget(cmdPrintIt));
  EXPECT_EQ(p.printer.files().size(), 0u);
  QTest::qWait(kDoubledEnterMs + 50);
  press(Qt::Key_Return);
  ASSERT_EQ(p.printer.files().size(), 1u);
  // Where the page went: on the results screen, and told while the focus stays on the button.
  const QString said = "The page was saved as " + p.printer.files()[0] + ".";
  QCoreApplication::processEvents();
  EXPECT_EQ(ToQString(p.form()(lblPageWent).text), said);
  EXPECT_TRUE(p.widget(lblPageWent)->isVisible());
  EXPECT_EQ(p.widget(lblPageWent)->accessibleName(), said);
  EXPECT_EQ(focus(), p.widget(cmdPrintIt));
  QStringList told;
  for (QWidget* w : p.widget(cmdPrintIt)->window()->findChildren<QWidget*>()) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (a && a->role() == QAccessible::Notification && w->isVisible()) {
      told << a->text(QAccessible::Name);
    }
  }
  EXPECT_EQ(told, QStringList{said});
}

TEST(Keyboard, FormsPicturesBoxesAndTheScrollBarAnswerAsInAnyWindow) {
  Program p;
  SignInWithDigits(p);
  const auto focus = [] { return QApplication::focusWidget(); };
  // The scroll bar shows that it has the focus.
  QWidget* level = p.widget(fraLevel);
  const QImage unfocused = level->grab().toImage();
  p.widget(vsbLevel)->setFocus(Qt::BacktabFocusReason);
  EXPECT_TRUE(p.form().hasFocus(vsbLevel));
  EXPECT_NE(level->grab().toImage(), unfocused);

  p.click(cmdStart);
  // A click into a box selects its whole text, as Tab does: typing replaces it.
  QWidget* box = p.widget(txtAnswer[2]);
  QTest::keyClicks(box, "9");
  QTest::mouseClick(p.widget(txtAnswer[1]), Qt::LeftButton);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
  QTest::keyClicks(box, "5");
  EXPECT_EQ(p.form()(txtAnswer[2]).text, "5");
  // Tab enters the answer forms at the selected one, and an arrow selects as it moves.
  for (int guard = 0; !qobject_cast<QRadioButton*>(focus()) && guard < 30; ++guard) {
    QTest::keyClick(focus(), Qt::Key_Tab);
  }
  EXPECT_EQ(focus(), p.widget(optAnswerForm[3]));
  QTest::keyClick(focus(), Qt::Key_Right);
  EXPECT_TRUE(p.form()(optAnswerForm[4]).selected);
  // A click on a form's picture selects the form.
  QTest::mouseClick(p.widget(Image7), Qt::LeftButton);
  EXPECT_TRUE(p.form()(optAnswerForm[0]).selected);
  EXPECT_TRUE(Program::WaitFor([&] { return focus() == p.widget(txtAnswer[1]); }));
}

// What assistive technology does goes the student's way: text it sets is graded, a Toggle
// action chooses the form, and the teacher reveals the key from the keyboard.
TEST(Accessibility, AssistiveInputAndActionsDoWhatTheStudentsDo) {
  Program p;
  p.signIn("*", "", "", "");
  p.pressEnterOnSignIn();
  Program::Require(p.practiceActive(), "the practice window is active");
  p.click(cmdStart);
  const auto iface = [&](ControlId id) {
    return QAccessible::queryAccessibleInterface(p.widget(id));
  };
  // The key's label takes the keyboard while it can reveal the key.
  EXPECT_EQ(p.widget(lblPeriod)->focusPolicy(), Qt::TabFocus);
  p.widget(lblPeriod)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(p.widget(lblPeriod), Qt::Key_Space);
  EXPECT_TRUE(p.form()(fraKey).visible);
  // Assistive technology's Press does what the key does.
  p.form().setVisible(fraKey, false);
  EXPECT_EQ(p.widget(lblPeriod)->focusPolicy(), Qt::TabFocus);
  iface(lblPeriod)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(p.form()(fraKey).visible);
  EXPECT_EQ(p.widget(lblPeriod)->focusPolicy(), Qt::NoFocus);
  QCoreApplication::processEvents();
  EXPECT_TRUE(p.widget(lblPeriod)->accessibleDescription().startsWith("Answer key: "));

  iface(optAnswerForm[0])->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(Program::WaitFor([&] { return p.form()(txtAnswer[3]).visible; }));
  EXPECT_TRUE(p.form()(optAnswerForm[0]).selected);
  const auto k = p.key();
  const long long parts[] = {k[1], k[2], k[4]};
  for (int box = 1; box <= 3; ++box) {
    iface(txtAnswer[box])
        ->editableTextInterface()
        ->replaceText(0, 0, QString::number(parts[box - 1]));
  }
  EXPECT_EQ(p.form()(txtAnswer[2]).text, std::to_string(k[2]));
  p.form().click(cmdSubmit);
  EXPECT_EQ(p.form()(lblRight).text, " 1");
}

TEST(Keyboard, EscapeOnTheSignInIsExit) {
  Program p;
  QTest::keyClick(p.start.widget(frmSignIn::txtPeriod), Qt::Key_Escape);
  EXPECT_EQ(p.process.ended, 1);
}

}  // namespace
}  // namespace tovimel
