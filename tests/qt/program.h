// SPDX-License-Identifier: MIT
// The whole program on real widgets with stand-ins for the machine, driven as a student does:
// keys and mouse clicks through QTest. Used by the end-to-end tests and the screenshot driver.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include "desktop/binding.h"
#include "desktop/services.h"
#include "desktop/widgets/look.h"
#include "session/session.h"
#include "signin/signin.h"
#include "tests/fakes.h"

namespace tovimel::testing {

using namespace frmTovimel3;

// What the program's main sets up before it builds windows.
inline void SetUpApplication() {
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
  QApplication::setFont(DefaultFont());
}

class Program {
 public:
  Program()
      : printer(dir.path()),
        session(random, time, printer, process),
        sign_in(session, time, process),
        main(session.form(), WindowBinding::Frame::Titled),
        start(sign_in.form(), WindowBinding::Frame::Borderless) {
    start.stayAbove(main);
    printer.setWindow(main);
    sign_in.load();
    main.showWindow();
    start.showWindow();
    Require(QTest::qWaitForWindowExposed(start.window()), "the sign-in window shows");
  }

  Form& form() { return session.form(); }
  QWidget* widget(ControlId id) const { return main.widget(id); }

  static void Require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("expected: " + what);
  }
  static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 3000); }

  // Types into the focused field and moves on with Tab, as a student fills the four fields;
  // the caret stays in the last one.
  void signIn(const QString& period, const QString& id, const QString& name,
              const QString& teacher) {
    start.window()->activateWindow();
    Require(QTest::qWaitForWindowActive(start.window()), "the sign-in window is active");
    const QString texts[] = {period, id, name, teacher};
    for (const QString& text : texts) {
      QWidget* field = QApplication::focusWidget();
      Require(qobject_cast<QLineEdit*>(field) != nullptr, "the caret is in a field");
      QTest::keyClicks(field, text);
      if (&text != &texts[3]) QTest::keyClick(field, Qt::Key_Tab);
    }
  }

  // Enter on the sign-in window; "OK" is its default button.
  void pressEnterOnSignIn() {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : start.window();
    QTest::keyClick(target, Qt::Key_Return);
  }

  // The practice window has taken over the keyboard from the closed sign-in window.
  bool practiceActive() {
    return WaitFor([&] { return QApplication::activeWindow() == main.window(); });
  }

  // Clicks the scroll bar's lower arrow until the level is reached.
  void chooseLevel(int level) {
    auto* bar = qobject_cast<QScrollBar*>(widget(vsbLevel));
    for (int guard = 0; form()(vsbLevel).value < level && guard < 10; ++guard) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    }
    Require(form()(vsbLevel).value == level,
            "the scroll bar reaches level " + std::to_string(level));
  }

  void click(ControlId id) { QTest::mouseClick(widget(id), Qt::LeftButton); }

  // K1..K6 as the key labels hold them.
  std::array<long long, 6> key() {
    std::array<long long, 6> k{};
    for (int i = 0; i < 6; ++i) k[i] = std::stoll(form()(lblProb[6 + i]).text);
    return k;
  }

  // Picks an answer form that can hold the key, then types the key (or, when `right` is false,
  // a wrong first part) into the boxes as the focus moves through them.
  void answer(bool right) {
    const auto k = key();
    const int level = form()(vsbLevel).value;
    const std::array<long long, 4> parts = {k[0], k[1], k[2], k[4]};
    int chosen = SelectedOption(form())->index;
    if (level == 5) {
      const int want = k[1] < 0 ? 8 : 7;
      if (chosen != want) clickForm(want);
      chosen = want;
    } else if (!hiddenBoxesFit(parts)) {
      clickForm(0);
      chosen = 0;
    }
    bool first = true;
    for (int box = 0; box < 4; ++box) {
      if (!form()(txtAnswer[box]).visible) continue;
      QWidget* focused = QApplication::focusWidget();
      Require(focused == widget(txtAnswer[box]),
              "the caret is in txtAnswer(" + std::to_string(box) + "), not in " +
                  (focused ? focused->objectName().toStdString() : std::string("nothing")) +
                  " (model: " +
                  (form().focused() ? form().focused()->key() : std::string("nothing")) + ")");
      long long value = parts[box];
      if (box == 1 && chosen == 8) value = -value;  // the "-" form carries the sign
      if (first && !right) value += 1;
      first = false;
      QTest::keyClicks(focused, QString::number(value));
      QTest::keyClick(focused, Qt::Key_Tab);
    }
  }

  // Clicks cmdSubmit, found by its name, so that any language's caption and access key do;
  // returns once the submission has been counted.
  void submit() {
    const auto before = session.window().TotalCount;
    click(cmdSubmit);
    Require(WaitFor([&] { return session.window().TotalCount == before + 1; }),
            "cmdSubmit submits");
  }

  // Clicks cmdNew; returns once the next problem is up.
  void next() {
    const std::string before = form()(lblProbCount).text;
    click(cmdNew);
    Require(WaitFor([&] { return form()(lblProbCount).text != before; }), "cmdNew moves on");
  }

  FakeTime time;
  ReplayRandom random;
  QTemporaryDir dir;
  QtPrinter printer;
  FakeProcess process;
  Session session;
  SignIn sign_in;
  WindowBinding main;
  WindowBinding start;

 private:
  void clickForm(int index) {
    click(optAnswerForm[index]);
    Require(form()(optAnswerForm[index]).selected, "answer form " + std::to_string(index));
  }

  bool hiddenBoxesFit(const std::array<long long, 4>& parts) {
    for (int box = 0; box < 4; ++box) {
      const Props& p = form()(txtAnswer[box]);
      if (!p.visible && p.text != std::to_string(parts[box])) return false;
    }
    return form()(lblAdd[4]).text == " ";
  }
};

}  // namespace tovimel::testing
