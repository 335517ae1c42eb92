// SPDX-License-Identifier: MIT
// How the layouts' units, fonts and colours translate into Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "windows/form.h"

namespace tovimel {

// 15 twips make one logical pixel; Qt scales logical pixels on HiDPI screens.
inline constexpr double kTwipsPerPixel = 15.0;
int Px(double twips);
QRect PxRect(const Props& p);

QColor ToQColor(Rgb c);

// Fonts are sized in pixels (points x 4/3) so a layout does not depend on the screen's DPI.
QFont FontFor(const Control& c);
QFont DefaultFont();
// Maps the layouts' font families onto the closest ones a Debian desktop has.
void InstallFontSubstitutes();
// One line for each of those families that the desktop lacks: the family wanted, the one drawn
// instead and the Debian package that brings it. Empty when all are there. Needs a
// QGuiApplication.
QStringList MissingFonts();

QString ToQString(const std::string& s);
// The model counts text positions in UTF-8 bytes, Qt in UTF-16 units.
int Utf8Offset(const QString& text, int utf16_index);
int Utf16Index(const std::string& text, int utf8_offset);

}  // namespace tovimel
