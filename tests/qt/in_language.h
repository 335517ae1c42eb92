// SPDX-License-Identifier: MIT
// The program's translations as main loads them, from the build tree, for one test; taken away
// again afterwards, so the other tests stay English.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

#include "desktop/translations.h"

namespace tovimel::testing {

class InLanguage {
 public:
  explicit InLanguage(const QStringList& languages) {
    loaded =
        LoadTranslations(*QCoreApplication::instance(), languages, QStringLiteral(TOVIMEL_QM_DIR));
  }
  ~InLanguage() {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
  QString loaded;
};

}  // namespace tovimel::testing
