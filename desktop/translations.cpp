// SPDX-License-Identifier: MIT
#include "desktop/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "windows/translate.h"

namespace tovimel {
namespace {

// The layout direction, as Qt's own translations tell it: "RTL" in Hebrew and Arabic.
constexpr const char* kDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

std::string Translated(const char* context, const char* source, int n) {
  return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

// "de_DE.UTF-8@euro" is "de_DE".
QString Bare(QString locale) {
  for (const char16_t mark : {u'.', u'@'}) {
    if (const qsizetype cut = locale.indexOf(QChar(mark)); cut >= 0) locale.truncate(cut);
  }
  return locale;
}

}  // namespace

QStringList DesktopLanguages(const std::function<QString(const char*)>& env) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = env(name);
    if (!locale.isEmpty()) break;
  }
  if (locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {};
  const QString bare = Bare(locale);
  QStringList languages;
  for (const QString& language : env("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
    languages << Bare(language);
  }
  if (!bare.isEmpty()) languages << bare;
  languages.removeAll(QString());
  return languages;
}

std::unique_ptr<QTranslator> FindTranslation(const QStringList& languages,
                                             const QStringList& folders, QString* found) {
  for (const QString& language : languages) {
    // English is the design's own text; "C.UTF-8" is no language at all.
    if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")) ||
        language == QLatin1String("C") || language == QLatin1String("POSIX")) {
      break;
    }
    auto translator = std::make_unique<QTranslator>();
    for (const QString& dir : folders) {
      // load() falls back from "tovimel_de_DE" to "tovimel_de".
      if (translator->load(QStringLiteral("tovimel_") + language, dir)) {
        if (found) *found = language;
        return translator;
      }
    }
  }
  return nullptr;
}

QStringList TranslationFolders(const QString& binary_folder) {
  QStringList folders;
  if (!binary_folder.isEmpty()) {
    const QDir bin(binary_folder);
    folders << bin.filePath(QStringLiteral("../share/tovimel/translations"))
            << bin.filePath(QStringLiteral("../translations"));
  }
  folders << QStringLiteral(TOVIMEL_INSTALLED_TRANSLATIONS);
  return folders;
}

QString LoadTranslations(QCoreApplication& app, const QStringList& languages,
                         const QString& folder) {
  QStringList folders;
  if (!folder.isEmpty()) {
    folders << folder;
  } else {
    folders = TranslationFolders(QCoreApplication::applicationDirPath());
  }
  QString language;
  std::unique_ptr<QTranslator> own = FindTranslation(languages, folders, &language);
  if (!own) return {};
  own->setParent(&app);
  auto qt = std::make_unique<QTranslator>(&app);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.release());
  } else {
    // The package recommends Qt's translations; one installed without them says what is missing.
    std::fprintf(stderr, "%s\n", qPrintable(MissingQtTranslation(language)));
  }
  // Installed last, so it is asked first: its layout direction is the program's own.
  QCoreApplication::installTranslator(own.release());
  // Qt reads it only while no direction was set, and "-reverse" may have set one.
  if (QCoreApplication::translate("QGuiApplication", kDirection) == QLatin1String("RTL")) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  }
  return language;
}

QString MissingQtTranslation(const QString& language, const QString& qt_folder) {
  if (language.isEmpty()) return {};
  const QString folder =
      qt_folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qt_folder;
  if (QTranslator().load(QStringLiteral("qtbase_") + language, folder)) return {};
  return QStringLiteral(
             "tovimel: Qt's own texts (the print dialog) stay English: no qtbase_%1 in "
             "%2; install the package qt6-translations-l10n")
      .arg(language, folder);
}

void InstallTranslationHook() {
  SetTranslator(&Translated);
}

}  // namespace tovimel
