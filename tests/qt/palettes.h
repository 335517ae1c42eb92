// SPDX-License-Identifier: MIT
// A dark desktop palette, as a dark theme (Adwaita-Dark, qt6ct's "darker") hands it to Qt, and
// a guard that sets a palette on the application while windows are built.
#pragma once

#include <QApplication>
#include <QPalette>

namespace tovimel::testing {

inline QPalette DarkPalette() {
  const QColor text(238, 238, 236), base(45, 45, 45), grey(145, 145, 145);
  QPalette p(QColor(60, 60, 60), QColor(53, 53, 53));  // button, window; shades derived
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(role, text);
    p.setColor(QPalette::Disabled, role, grey);
  }
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::Highlight, QColor(21, 83, 158));
  p.setColor(QPalette::HighlightedText, Qt::white);
  return p;
}

class ApplicationPalette {
 public:
  explicit ApplicationPalette(const QPalette& p) : before_(QApplication::palette()) {
    QApplication::setPalette(p);
  }
  ~ApplicationPalette() { QApplication::setPalette(before_); }
  ApplicationPalette(const ApplicationPalette&) = delete;
  ApplicationPalette& operator=(const ApplicationPalette&) = delete;

 private:
  QPalette before_;
};

}  // namespace tovimel::testing
