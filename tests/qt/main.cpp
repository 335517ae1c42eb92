// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <cstdio>

#include "desktop/accessibility.h"
#include "tests/qt/program.h"

int main(int argc, char** argv) {
  // Listing the tests happens at build time, where there may be no display at all.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tovimel::testing::SetUpApplication();
  // A run on a desktop of chosen fonts (TOVIMEL_TEST_FONT="family:package") tests nothing
  // without them: it fails, naming what to install.
  if (const QString need = qEnvironmentVariable("TOVIMEL_TEST_FONT"); !need.isEmpty()) {
    const QString family = need.section(u':', 0, 0);
    if (!QFontDatabase::families().contains(family)) {
      std::fprintf(stderr, "FAILED: no font \"%s\" for these tests: install %s\n",
                   family.toLocal8Bit().constData(),
                   need.section(u':', 1).toLocal8Bit().constData());
      return 1;
    }
  }
  // As with a screen reader running: what assistive technology reads is kept up to date.
  tovimel::InstallAccessibleInterfaces();
  QAccessible::setActive(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
