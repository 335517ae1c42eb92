// SPDX-License-Identifier: MIT
// The program in the desktop's language: which language the environment asks for, and German
// on the real widgets and to assistive technology, while the model keeps the English.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTemporaryDir>
#include <QTranslator>
#include <map>

#include "desktop/translations.h"
#include "desktop/widgets/widgets.h"
#include "tests/qt/in_language.h"
#include "tests/qt/program.h"
#include "tovimel/version.h"

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
