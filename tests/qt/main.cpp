// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include "desktop/accessibility.h"
#include "tests/qt/program.h"

int main(int argc, char** argv) {
  // Listing the tests happens at build time, where there may be no display at all.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tovimel::testing::SetUpApplication();
  // As with a screen reader running: what assistive technology reads is kept up to date.
  tovimel::InstallAccessibleInterfaces();
  QAccessible::setActive(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
