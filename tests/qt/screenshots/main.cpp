// SPDX-License-Identifier: MIT
// Plays the program on a real display and saves the README's pictures: the sign-in, a level-1
// problem, a level-5 problem with a wrong answer marked, the results screen, and a level-4
// problem with a four-digit coefficient and a long name, under a light and a dark palette. Given a
// language as well, it saves the sign-in and the level-5 problem in that language.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <exception>

#include "desktop/ticker.h"
#include "tests/qt/in_language.h"
#include "tests/qt/palettes.h"
#include "tests/qt/program.h"

namespace {

using namespace tovimel::frmTovimel3;
using tovimel::testing::Program;

void Save(const QPixmap& shot, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  Program::Require(!shot.isNull() && shot.save(path), "saved " + path.toStdString());
  std::printf("%s\n", qPrintable(path));
}

// What the screen shows where the practice window stands, windows above it included.
QPixmap ScreenOver(QWidget* window) {
  QTest::qWait(300);
  const QRect area = window->frameGeometry();
  return window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

QPixmap Window(QWidget* window) {
  QTest::qWait(300);
  return window->grab();
}

// Closes the filled-in sign-in with Enter and starts a run at `level`.
void Start(Program& p, int level) {
  p.pressEnterOnSignIn();
  Program::Require(p.practiceActive(), "the practice window is active");
  p.chooseLevel(level);
  p.click(cmdStart);
}

// Level 4 with long student data, solved problem by problem until the upper coefficient has four
// digits.
void LongNumbers(const QDir& out, const char* name) {
  Program p;
  p.signIn("3", "20231234", "Nguyen-Villanueva, Maximiliano", "Ms. Abernathy");
  Start(p, 4);
  for (int n = 1; p.form()(lblProb[1]).text.size() != 4; ++n) {
    Program::Require(n < 20, "a four-digit coefficient within the run");
    p.answer(true);
    p.submit();
    p.next();
  }
  Save(Window(p.main.window()), out, name);
}

void Run(const QDir& out) {
  Program run;
  run.signIn("3", "4021", "Rivera, Ana", "Okafor");
  Save(ScreenOver(run.main.window()), out, "signin.png");
  Start(run, 1);
  Save(Window(run.main.window()), out, "level1.png");

  {
    Program hard;
    hard.signIn("3", "4021", "Rivera, Ana", "Okafor");
    Start(hard, 5);
    hard.answer(false);
    hard.submit();
    Save(Window(hard.main.window()), out, "level5-wrong.png");
  }
  run.main.window()->activateWindow();
  Program::Require(run.practiceActive(), "the first practice window is active again");

  for (int n = 1; n <= 20; ++n) {
    // About twenty seconds a problem, told to the clock tick by tick.
    for (int i = 0; i < 18 + n % 5; ++i) emit run.main.timer(timOverAll)->ticked();
    if (n == 7 || n == 13) {
      run.answer(false);
      run.submit();
    }
    run.answer(true);
    run.submit();
    if (n < 20) run.next();
  }
  Save(Window(run.main.window()), out, "results.png");

  LongNumbers(out, "level4.png");
  const tovimel::testing::ApplicationPalette dark(tovimel::testing::DarkPalette());
  LongNumbers(out, "level4-dark.png");
}

// The sign-in and a level-5 problem with a wrong answer, as `language`-signin.png and
// `language`-level5-wrong.png.
void InLanguage(const QDir& out, const QString& language) {
  const tovimel::testing::InLanguage shown({language});
  Program::Require(shown.loaded == language, "a translation for " + language.toStdString());
  const QByteArray prefix = language.toLatin1();
  Program p;
  p.signIn("3", "4021", "Rivera, Ana", "Okafor");
  Save(ScreenOver(p.main.window()), out, (prefix + "-signin.png").constData());
  Start(p, 5);
  p.answer(false);
  p.click(cmdSubmit);  // its access key is the translation's own
  Save(Window(p.main.window()), out, (prefix + "-level5-wrong.png").constData());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tovimel::testing::SetUpApplication();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  try {
    if (argc > 2) {
      InLanguage(out, QString::fromLocal8Bit(argv[2]));
    } else {
      Run(out);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "screenshots: %s\n", e.what());
    return 1;
  }
  return 0;
}
