// SPDX-License-Identifier: MIT
// The program as assistive technology reads it (in process, as the AT-SPI bridge asks Qt) and as
// a keyboard alone plays it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "desktop/accessibility.h"
#include "tests/qt/in_language.h"
#include "tests/qt/program.h"
#include "windows/accessibility.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Program;

// Where this Qt puts the news, as the binding chooses.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr News kNews = News::Announced;
#else
constexpr News kNews = News::InDescription;
#endif

// The news last told about a widget: in its description on Qt 6.4, announced on it on 6.8.
class Told {
 public:
  Told() {
    ListenToAnnouncements([this](const QAccessibleEvent& e) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
      last_ = static_cast<const QAccessibleAnnouncementEvent&>(e).message();
      at_ = e.object();
#else
      ADD_FAILURE() << "Qt 6.4 has no announcements, type " << e.type();
#endif
    });
  }
  ~Told() {
    ListenToAnnouncements(nullptr);
  }
  Told(const Told&) = delete;
  Told& operator=(const Told&) = delete;

  QString operator()(const QWidget* w) const {
    QCoreApplication::processEvents();
    if (kNews == News::InDescription) return w->accessibleDescription();
    return at_ == w ? last_ : QString();
  }

 private:
  QString last_;
  const QObject* at_ = nullptr;
};

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
    const Spoken said = Speak(f, c, kNews);
    const bool heard = Heard(f, c) && w->isVisible();
    EXPECT_EQ(a->role(), RoleOf(f, c.kind));
    // A frame that only gathers its controls is reached, but without a name.
    EXPECT_EQ(!said.name.empty(), heard && !Gathers(f, c));
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
  const Told told;
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
                       {fraAnswer, ""},
                       {Frame2, ""},
                       {Frame1, "Answer forms"},
                       {lblRight, "Right 0"},
                       {vsbLevel, ""},
                       {lblLevelShow, "Level 1"},
                       {cmdSubmit, "Submit"}});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(p.widget(fraProb))->text(QAccessible::Name),
            "Simplify " + problem);
  p.answer(false);
  p.submit();
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_TRUE(told(p.widget(txtAnswer[1])).startsWith("Wrong: coefficient"));
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
  const Told told;
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
      QString::fromStdString(f(lblProb[1]).text + " mal Wurzel aus " + f(lblProb[2]).text);
  ExpectNames(p.main, {{txtAnswer[1], "Faktor vor der Wurzel"},
                       {optAnswerForm[0], "a mal Wurzel aus b durch c"},
                       {lblRight, "Richtig 0"},
                       {cmdSubmit, "Prüfen"}});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(p.widget(fraProb))->text(QAccessible::Name),
            "Vereinfache " + problem);
  EXPECT_EQ(f(cmdSubmit).text, "&Submit");
  EXPECT_EQ(told(p.widget(txtAnswer[1])),
            "Aufgabe 1 von 20: " + problem + ". Antwortform a mal Wurzel aus b.");
  p.answer(false);
  p.click(cmdSubmit);
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_TRUE(told(p.widget(txtAnswer[1])).startsWith("Falsch: Faktor vor der Wurzel"))
      << told(p.widget(txtAnswer[1])).toStdString();
  p.answer(true);
  p.click(cmdSubmit);
  ExpectSpokenAsTheModelHasIt(p.main);
  EXPECT_EQ(p.widget(txtAnswer[1])->accessibleDescription(), "richtig");
}

// A word that follows a number takes that number's plural form: in Russian "1 корень", "3 корня",
// "5 корней", by the last two digits; in English "3 root 2" whatever the number.
TEST(Accessibility, TheRootAgreesWithItsNumber) {
  const struct {
    const char* coefficient;
    const char* russian;
  } rows[] = {
      {"1", "1 корень из 2"},     {"2", "2 корня из 2"},        {"4", "4 корня из 2"},
      {"5", "5 корней из 2"},     {"11", "11 корней из 2"},     {"14", "14 корней из 2"},
      {"21", "21 корень из 2"},   {"22", "22 корня из 2"},      {"25", "25 корней из 2"},
      {"111", "111 корней из 2"}, {"1350", "1350 корней из 2"},
  };
  const auto heard = [](const char* coefficient) {
    Program p;
    SignInWithDigits(p);
    p.chooseLevel(2);
    p.click(cmdStart);
    p.form().setText(lblProb[1], coefficient);
    p.form().setText(lblProb[2], "2");
    return ReadFraction(p.form(), fraProb);
  };
  for (const auto& r : rows)
    EXPECT_EQ(heard(r.coefficient), std::string(r.coefficient) + " root 2");
  const testing::InLanguage russian({QStringLiteral("ru")});
  ASSERT_EQ(russian.loaded, "ru");
  for (const auto& r : rows) EXPECT_EQ(heard(r.coefficient), r.russian);
}

TEST(Keyboard, AWholeRunNeedsOnlyDigitsTabAndEnter) {
  Program p;
  const Told told;
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
      ASSERT_TRUE(told(p.widget(txtAnswer[1])).startsWith("Wrong: coefficient."));
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  EXPECT_EQ(told(p.widget(cmdPrintIt)), said);
#else
  QStringList notices;
  for (QWidget* w : p.widget(cmdPrintIt)->window()->findChildren<QWidget*>()) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (a && a->role() == QAccessible::Notification && w->isVisible()) {
      notices << a->text(QAccessible::Name);
    }
  }
  EXPECT_EQ(notices, QStringList{said});
#endif
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
  EXPECT_FALSE(p.form()(optAnswerForm[3]).selected);
  // A click on a form's picture selects the form.
  QTest::mouseClick(p.widget(Image7), Qt::LeftButton);
  EXPECT_TRUE(p.form()(optAnswerForm[0]).selected);
  EXPECT_TRUE(Program::WaitFor([&] { return focus() == p.widget(txtAnswer[1]); }));
}

// What assistive technology does goes the student's way: text it sets is graded, a Toggle
// action chooses the form, and the teacher reveals the key from the keyboard.
TEST(Accessibility, AssistiveInputAndActionsDoWhatTheStudentsDo) {
  Program p;
  const Told told;
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
  EXPECT_TRUE(told(p.widget(lblPeriod)).startsWith("Answer key: "));

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

// What the binding tells a screen reader to say: on Qt 6.8 its announcements; before, the
// description of each control the focus comes to and the name of each notification that shows.
// Offscreen Qt passes no accessibility event on, so it listens where the events start.
class Ear final : public QObject {
 public:
  Ear() {
    ListenToAnnouncements([this](const QAccessibleEvent& e) { announced(e); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (!now) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
      focusDescriptions.push_back(now->accessibleDescription().toStdString());
#else
      moved_ = true;
#endif
    });
    qApp->installEventFilter(this);
  }
  ~Ear() override {
    ListenToAnnouncements(nullptr);
  }
  Ear(const Ear&) = delete;
  Ear& operator=(const Ear&) = delete;

  // What was said since the last call, once the running handlers are done.
  std::vector<std::string> take() {
    QCoreApplication::processEvents();
    // A screen reader reads the description of where the focus went when it gets to the event:
    // after the handlers, whatever way the focus took.
    if (std::exchange(moved_, false) && QApplication::focusWidget()) {
      const QString description = QApplication::focusWidget()->accessibleDescription();
      if (!description.isEmpty()) heard_.push_back(description.toStdString());
    }
    return std::exchange(heard_, {});
  }
  // Descriptions told with a focus: with announcements, none carries news that could go stale.
  std::vector<std::string> focusDescriptions;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(watched);
      if (a && a->role() == QAccessible::Notification) {
        heard_.push_back(a->text(QAccessible::Name).toStdString());
      }
    }
    return false;
  }

 private:
  void announced([[maybe_unused]] const QAccessibleEvent& e) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    ASSERT_EQ(e.type(), QAccessible::Announcement);
    const auto& told = static_cast<const QAccessibleAnnouncementEvent&>(e);
    // Polite: after the words of the focus, not over them.
    EXPECT_EQ(told.politeness(), QAccessible::AnnouncementPoliteness::Polite);
    heard_.push_back(told.message().toStdString());
#else
    ADD_FAILURE() << "Qt 6.4 has no announcements";
#endif
  }

  std::vector<std::string> heard_;
  bool moved_ = false;
};

// Each step of a keyboard run is heard once, whole and about the screen as it is then, whichever
// way this Qt tells it.
TEST(Accessibility, EachStepIsHeardOnceAsTheScreenStands) {
  Program p;
  Ear ear;
  const auto focus = [] { return QApplication::focusWidget(); };
  const auto press = [&](Qt::Key key) { QTest::keyClick(focus(), key); };
  const auto type = [&](const std::string& text) {
    QTest::keyClicks(focus(), QString::fromStdString(text));
  };
  const auto shown = [&](ControlId id) { return std::string(p.form()(id).text); };
  const auto problem = [&] { return "root " + shown(lblProb[2]); };
  const auto formName = [&](int k) {
    return QAccessible::queryAccessibleInterface(p.widget(optAnswerForm[k]))
        ->text(QAccessible::Name)
        .toStdString();
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<std::string()> heard;  // what must be heard, from the screen after the act
  };
  const Step steps[] = {
      {"OK", [&] { SignInWithDigits(p); },
       [] { return std::string("No problem yet. Start is Shift+Tab away: press Enter on it."); }},
      {"Shift+Tab and Enter on Start",
       [&] {
         press(Qt::Key_Backtab);
         ASSERT_EQ(focus(), p.widget(cmdStart));
         press(Qt::Key_Return);
       },
       [&] { return "Problem 1 of 20: " + problem() + ". Answer form " + formName(3) + "."; }},
      {"F2", [&] { press(Qt::Key_F2); },
       [&] { return "Simplify " + problem() + ". Answer form " + formName(3) + "."; }},
      {"a wrong coefficient",
       [&] {
         type(shown(lblProb[7]) + "1");
         press(Qt::Key_Tab);
         type(shown(lblProb[8]));
         press(Qt::Key_Return);
       },
       [&] { return "Wrong: coefficient. Now the answer form " + formName(0) + "."; }},
      {"the right answer",
       [&] {
         type(shown(lblProb[7]));
         press(Qt::Key_Tab);
         type(shown(lblProb[8]));
         press(Qt::Key_Tab);
         type("1");
         press(Qt::Key_Return);
       },
       [] { return std::string("Right. 1 right of 2, grade 50%."); }},
      {"Enter on Next", [&] { press(Qt::Key_Return); },
       [&] { return "Problem 2 of 20: " + problem() + ". Answer form " + formName(3) + "."; }},
      {"Tab to the forms and Down",
       [&] {
         for (int guard = 0; !qobject_cast<QRadioButton*>(focus()) && guard < 30; ++guard) {
           press(Qt::Key_Tab);
         }
         ASSERT_EQ(focus(), p.widget(optAnswerForm[3]));
         ear.take();  // passing the boxes and buttons tells no news
         press(Qt::Key_Down);
         QTest::qWait(50);  // the arrow's own focus move comes after its click
       },
       [&] { return "Answer form " + formName(testing::SelectedOption(p.form())->index) + "."; }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    if (::testing::Test::HasFatalFailure()) return;
    const std::vector<std::string> heard = ear.take();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    EXPECT_EQ(heard, std::vector<std::string>{step.heard()});
#else
    // The focus and a notification may both carry the news (Orca 43 says it once): nothing
    // else may come, nothing stale.
    EXPECT_FALSE(heard.empty());
    for (const std::string& said : heard) EXPECT_EQ(said, step.heard());
#endif
  }
  EXPECT_FALSE(p.form()(optAnswerForm[3]).selected);
  for (const std::string& d : ear.focusDescriptions) {
    EXPECT_TRUE(d.empty() || d == "right" || d == "wrong") << d;
  }
}

TEST(Keyboard, EscapeOnTheSignInIsExit) {
  Program p;
  QTest::keyClick(p.start.widget(frmSignIn::txtPeriod), Qt::Key_Escape);
  EXPECT_EQ(p.process.ended, 1);
}

}  // namespace
}  // namespace tovimel
