// SPDX-License-Identifier: MIT
// The baseline for the startup benchmark: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  window.show();
  return QApplication::exec();
}
