// SPDX-License-Identifier: MIT
// The program in the desktop's language: which language the environment asks for, and German
// on the real widgets and to assistive technology, while the model keeps the English.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "desktop/binding.h"
#include "desktop/translations.h"
#include "desktop/widgets/captions.h"
#include "desktop/widgets/widgets.h"
#include "engine/levels.h"
#include "tests/qt/in_language.h"
#include "tests/qt/program.h"
#include "tovimel/version.h"
#include "windows/layouts.h"

namespace tovimel {
namespace {

using namespace frmTovimel3;
using testing::InLanguage;
using testing::Program;

TEST(Translations, TheLanguageFollowsTheEnvironmentAsGettextReadsIt) {
  struct Case {
    std::map<std::string, QString> env;
    QStringList languages;
  };
  const Case cases[] = {
      {{}, {}},
      {{{"LANG", "de_DE.UTF-8"}}, {"de_DE"}},
      {{{"LANGUAGE", "fr:de"}, {"LANG", "en_US.UTF-8"}}, {"fr", "de", "en_US"}},
      {{{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "es_ES"}}, {"ru_RU"}},
      {{{"LC_MESSAGES", "he_IL.UTF-8@euro"}, {"LANG", "es_ES"}}, {"he_IL"}},
      {{{"LANGUAGE", "de"}}, {"de"}},
      // gettext ignores LANGUAGE under the C locale, not under C.UTF-8.
      {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}, {"LANG", "de_DE"}}, {}},
      {{{"LANGUAGE", "de"}, {"LANG", "POSIX"}}, {}},
      {{{"LANGUAGE", "ar::de"}, {"LANG", "C.UTF-8"}}, {"ar", "de", "C"}},
  };
  for (const Case& c : cases) {
    const auto env = [&](const char* name) {
      const auto it = c.env.find(name);
      return it == c.env.end() ? QString() : it->second;
    };
    EXPECT_EQ(DesktopLanguages(env), c.languages) << c.languages.join(u',').toStdString();
  }
}

TEST(Translations, TheFirstLanguageWithATranslationWinsAndEnglishLoadsNothing) {
  const struct {
    QStringList asked;
    QString loaded;
    Qt::LayoutDirection direction;
  } cases[] = {
      {{"de_AT", "fr"}, "de_AT", Qt::LeftToRight},  // falls back to tovimel_de
      {{"xx", "es_ES"}, "es_ES", Qt::LeftToRight},
      {{"en_GB", "de"}, "", Qt::LeftToRight},
      {{"C", "de"}, "", Qt::LeftToRight},
      {{"he_IL"}, "he_IL", Qt::RightToLeft},
      {{"ar"}, "ar", Qt::RightToLeft},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked.join(u',').toStdString());
    const InLanguage language(c.asked);
    EXPECT_EQ(language.loaded, c.loaded);
    EXPECT_EQ(QGuiApplication::layoutDirection(), c.direction);
    EXPECT_EQ(qApp->findChildren<QTranslator*>().isEmpty(), c.loaded.isEmpty());
  }
}

TEST(Translations, GermanCaptionsOnTheWidgetsWhileTheModelKeepsTheEnglish) {
  const InLanguage german({QStringLiteral("de")});
  ASSERT_EQ(german.loaded, "de");
  Program p;
  const struct {
    const WindowBinding& window;
    ControlId id;
    const char* english;
    QString shown;
  } rows[] = {
      {p.main, fraProb, "Simplify", "Vereinfache"},
      {p.main, fraKey, "Key", "Lösung"},
      {p.main, Label1, "Right", "Richtig"},
      {p.main, cmdSubmit, "&Submit", "&Prüfen"},
      {p.main, cmdNew, "&Next", "&Weiter"},
      {p.main, cmdExit, "E&xit", "&Beenden"},
      {p.main, lblLevelShow, "Level 1", "Stufe 1"},
      {p.main, lblRight, "0", "0"},
      {p.start, frmSignIn::lblNameTitle, "Name (Last, First)", "Name, Vorname"},
      {p.start, frmSignIn::cmdExit, "Exit", "Beenden"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.english);
    EXPECT_EQ(r.window.form()(r.id).text, r.english);
    const QWidget* w = r.window.widget(r.id);
    QString shown;
    if (const auto* label = qobject_cast<const QLabel*>(w)) shown = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) shown = button->text();
    if (const auto* frame = qobject_cast<const FrameWidget*>(w)) shown = frame->caption();
    EXPECT_EQ(shown, r.shown);
  }
  EXPECT_EQ(p.main.window()->windowTitle().toStdString(),
            std::string("Tovimel (Version ").append(kVersion).append(")"));
  // Qt's own dialogs speak German too.
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Drucken")
      << MissingQtTranslation(QStringLiteral("de")).toStdString();
  // A level chosen later is named in German too.
  p.signIn("3", "10234", "5", "9");
  p.pressEnterOnSignIn();
  p.chooseLevel(3);
  EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblLevelShow))->text(), "Stufe 3");
}

bool ShowActive(const WindowBinding& b) {
  b.window()->show();
  b.window()->activateWindow();
  return QTest::qWaitForWindowActive(b.window());
}

// English and every language the build made a catalogue of, so a new language is tested as
// soon as it is built.
QStringList Languages() {
  QStringList languages = {QStringLiteral("en")};
  for (QString file : QDir(QStringLiteral(TOVIMEL_QM_DIR))
                          .entryList({QStringLiteral("tovimel_*.qm")}, QDir::Files, QDir::Name)) {
    languages << file.remove(QStringLiteral("tovimel_")).remove(QStringLiteral(".qm"));
  }
  return languages;
}

// The tables below would pass in English alone if the catalogues were not found.
TEST(Translations, TheTablesGoOverEveryBuiltLanguage) {
  const QStringList languages = Languages();
  for (const char* language : {"en", "de", "fr", "es", "ru", "he", "ar"}) {
    EXPECT_TRUE(languages.contains(QLatin1String(language))) << language;
  }
}

// Every caption of both windows, in every language, is drawn whole where the binding sets it:
// not cut short, at 80 % of its size or more; the level caption at every level.
TEST(Translations, EveryCaptionIsDrawnWholeInEveryLanguage) {
  static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
  for (const QString& language : Languages()) {
    const InLanguage in({language});
    Form practice(MainWindowLayout(kLevelCount));
    Form sign_in(SignInLayout());
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
    int checked = 0;
    const auto check = [&](const WindowBinding& binding, const Control& c) {
      const QWidget* w = binding.widget(c.id());
      Caption laid;
      QString shown;
      if (const auto* label = qobject_cast<const LabelWidget*>(w)) {
        laid = label->laidOut();
        shown = label->text();
      } else if (const auto* button = qobject_cast<const ButtonWidget*>(w)) {
        laid = button->laidOut();
        shown = button->text();
      } else if (const auto* frame = qobject_cast<const FrameWidget*>(w)) {
        laid = frame->laidOut();
        shown = frame->caption();
      } else {
        return;
      }
      SCOPED_TRACE(language.toStdString() + ": " + c.key() + " \"" + shown.toStdString() + "\"");
      EXPECT_FALSE(laid.elided);
      // The level's name keeps to one line before its size ("Уровень 5" needs 75 %).
      const double least = c.look.one_line ? 0.5 : 0.8;
      EXPECT_GE(laid.font.pixelSize(), std::ceil(w->font().pixelSize() * least));
      if (c.look.one_line) {
        EXPECT_EQ(laid.lines.size(), 1u);
      }
      ++checked;
    };
    for (auto [form, binding] : {std::pair{&practice, &a}, std::pair{&sign_in, &b}}) {
      for (const Control& c : form->controls()) {
        if (c.kind == Kind::Window || !QString::fromStdString(c.props.text).contains(letter)) {
          continue;
        }
        check(*binding, c);
      }
    }
    for (int level = 1; level <= kLevelCount; ++level) {
      practice.setText(frmTovimel3::lblLevelShow, "Level " + std::to_string(level));
      check(a, practice.control(frmTovimel3::lblLevelShow));
    }
    EXPECT_EQ(checked, 24 + kLevelCount);  // 19 captions and 5 frames, each level
  }
}

// Every window's access keys are unique in every language, each presses its own button, and
// none is marked under a Hebrew or Arabic letter, where an underline reads as a vowel mark (a
// patah is a bar beneath the letter): those languages mark a Latin letter in parentheses after
// the caption, as KDE does for scripts without underlines.
TEST(Translations, AccessKeysAreUniqueAndNeverUnderAHebrewOrArabicLetter) {
  for (const QString& language : Languages()) {
    SCOPED_TRACE(language.toStdString());
    const InLanguage in({language});
    Form practice(MainWindowLayout(kLevelCount));
    Form sign_in(SignInLayout());
    const struct {
      Form& form;
      WindowBinding::Frame frame;
      int keys;
    } windows[] = {{practice, WindowBinding::Frame::Titled, 3},
                   {sign_in, WindowBinding::Frame::Borderless, 0}};
    for (const auto& window : windows) {
      WindowBinding b(window.form, window.frame);
      std::string pressed;
      std::map<QString, std::string> taken;
      for (const Control& c : window.form.controls()) {
        auto* button = qobject_cast<QAbstractButton*>(b.widget(c.id()));
        const QString text = button ? button->text() : QString();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        SCOPED_TRACE(c.key() + " \"" + text.toStdString() + "\"");
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        ASSERT_GE(at, 0);
        const QChar::Script script = text[at + 1].script();
        EXPECT_TRUE(script != QChar::Script_Hebrew && script != QChar::Script_Arabic);
        // Latin in a right-to-left caption only as "caption (&K)", at its end.
        if (language == u"he" || language == u"ar") {
          EXPECT_TRUE(text.endsWith(QStringLiteral(" (&") + text[at + 1] + u')'));
        }
        // Heard without the key, which the screen reader tells as the button's shortcut.
        const QString name = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        EXPECT_FALSE(name.contains(u'&') || name.contains(u'(')) << name.toStdString();
        const auto [was, added] = taken.emplace(key.toString(), c.key());
        EXPECT_TRUE(added) << key.toString().toStdString() << " also marks " << was->second;
        window.form.setVisible(c.id(), true);
        window.form.setEnabled(c.id(), true);
        window.form.onClick(c.id(), [&pressed, name = c.key()] { pressed = name; });
      }
      EXPECT_EQ(static_cast<int>(taken.size()), window.keys);
      if (taken.empty()) continue;
      ASSERT_TRUE(ShowActive(b));
      for (const auto& [key, control] : taken) {
        pressed.clear();
        // With the letter's own text, as a keyboard of its script sends it.
        const QChar letter = key.back().toLower();
        QTest::sendKeyEvent(QTest::Click, b.window(), Qt::Key(letter.toUpper().unicode()),
                            QString(letter), Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pressed == control; }))
            << key.toStdString() << " should press " << control << ", pressed " << pressed;
      }
    }
  }
}

// Every language plays a whole run with the controls found by their names, whatever their
// captions and access keys: twenty problems, one answered wrong first, ending on the results
// screen, whose button prints the page.
TEST(Translations, AWholeRunPlaysInEveryLanguage) {
  for (const QString& language : Languages()) {
    SCOPED_TRACE(language.toStdString());
    const InLanguage in({language});
    ASSERT_EQ(in.loaded, language == u"en" ? QString() : language);
    Program p;
    p.signIn("3", "10234", "Rivera, Ana", "Okafor");
    p.pressEnterOnSignIn();
    ASSERT_TRUE(p.practiceActive());
    p.click(cmdStart);
    for (int n = 1; n <= 20; ++n) {
      SCOPED_TRACE(n);
      ASSERT_EQ(p.form()(lblProbCount).text, std::to_string(n));
      if (n == 13) {
        p.answer(false);
        p.submit();
      }
      p.answer(true);
      p.submit();
      if (n < 20) p.next();
    }
    EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblRight))->text(), " 20");
    EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblWrong))->text(), " 21");
    EXPECT_EQ(qobject_cast<QLabel*>(p.widget(lblPercent))->text(), " 95%");
    auto* print = qobject_cast<QAbstractButton*>(p.widget(cmdPrintIt));
    ASSERT_TRUE(print && print->isVisible() && print->isEnabled());
    EXPECT_EQ(print->text(), QCoreApplication::translate("Caption", "Print Results"));
    EXPECT_EQ(print->text() == u"Print Results", language == u"en");
    p.click(cmdPrintIt);
    EXPECT_EQ(p.printer.files().size(), 1u);
  }
}

// Qt's print dialog is translated for every language of the program, from the package the
// program's package recommends; without it, the program's line (and this test) names that
// package. Where Qt has no translation the line says so.
TEST(Translations, QtsOwnTextsComeWithEveryLanguageOrTheMissingPackageIsNamed) {
  for (const char* language : {"de", "es", "fr", "he", "ru", "ar", "de_AT"}) {
    SCOPED_TRACE(language);
    EXPECT_EQ(MissingQtTranslation(QString::fromLatin1(language)).toStdString(), "");
  }
  EXPECT_EQ(MissingQtTranslation(QString()), QString());
  const QTemporaryDir empty;
  const QString line = MissingQtTranslation(QStringLiteral("ru"), empty.path());
  EXPECT_TRUE(line.contains(QLatin1String("qt6-translations-l10n"))) << line.toStdString();
  EXPECT_TRUE(line.contains(QLatin1String("qtbase_ru"))) << line.toStdString();
}

}  // namespace
}  // namespace tovimel
