// SPDX-License-Identifier: MIT
// The program in the desktop's language: its own translation and Qt's (the print dialog's), and
// the hook through which the model's texts reach them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QCoreApplication;
class QTranslator;

namespace tovimel {

// The languages the environment asks for, most wanted first: LANGUAGE's list, then the first
// set of LC_ALL, LC_MESSAGES and LANG, each without its encoding and modifier ("de_DE"). Empty
// when that locale is exactly C or POSIX, where gettext too ignores LANGUAGE.
QStringList DesktopLanguages(const std::function<QString(const char*)>& env);

// Installs the first of `languages` that the program has a translation for, with Qt's own
// translation of it, from the program's translations folder (installed, or the build tree's) or
// `folder` when given. English stops the search: nothing is loaded, so English starts as fast as
// ever. Returns the language loaded, or an empty string.
QString LoadTranslations(QCoreApplication& app, const QStringList& languages,
                         const QString& folder = {});

// The line that says Qt's own texts (the print dialog) stay English because Qt has no
// translation into `language` in `qt_folder` (Qt's translations folder when empty): the package
// that brings them is missing. Empty when it is there, or for English.
QString MissingQtTranslation(const QString& language, const QString& qt_folder = {});

// The program's translation for the first of `languages` that has one in `folders`, or none;
// English stops the search. Needs no QCoreApplication. `found` is set to the language.
std::unique_ptr<QTranslator> FindTranslation(const QStringList& languages,
                                             const QStringList& folders, QString* found = nullptr);

// Where the program's translations may be for a binary in `binary_folder`: its installed share
// folder beside it, the build tree's, and the folder it was installed to (for when the binary's
// own path cannot be read, as in a chroot without /proc).
QStringList TranslationFolders(const QString& binary_folder);

// The model's texts through QCoreApplication::translate.
void InstallTranslationHook();

}  // namespace tovimel
