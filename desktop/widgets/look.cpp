// SPDX-License-Identifier: MIT
#include "desktop/widgets/look.h"

#include <QFontInfo>
#include <QtMath>
#include <algorithm>

#include "windows/layouts.h"

namespace tovimel {

int Px(double twips) {
  return qRound(twips / kTwipsPerPixel);
}

QRect PxRect(const Props& p) {
  return {Px(p.left), Px(p.top), Px(p.width), Px(p.height)};
}

QColor ToQColor(Rgb c) {
  return {c.r, c.g, c.b};
}

namespace {

QFont MakeFont(const std::string& family, double points, bool bold) {
  // Asking for the substitute by name spares fontconfig a vain search for the original.
  QFont font(QFont::substitute(QString::fromStdString(family)));
  font.setPixelSize(qRound(points * 4.0 / 3.0));
  font.setBold(bold);
  return font;
}

}  // namespace

QFont FontFor(const Control& c) {
  const FontSpec font = EffectiveFont(c);
  return MakeFont(font.family, font.points, font.bold);
}

QFont DefaultFont() {
  return MakeFont("Liberation Sans", 8.25, false);
}

namespace {

// Measured against the originals: same advance widths (Narrow, Serif) or the closest found.
constexpr struct {
  const char* layout;
  const char* debian;
  const char* package;
} kFontMap[] = {
    {"MS Sans Serif", "Liberation Sans", "fonts-liberation"},
    // Debian 13 moved it out of fonts-liberation, which only recommends it there.
    {"Arial Narrow", "Liberation Sans Narrow",
     "fonts-liberation-sans-narrow (fonts-liberation before Debian 13)"},
    {"Times New Roman", "Liberation Serif", "fonts-liberation"},
    {"Myriad Roman", "PT Sans", "fonts-paratype"},
};

}  // namespace

void InstallFontSubstitutes() {
  for (const auto& font : kFontMap) QFont::insertSubstitution(font.layout, font.debian);
}

QStringList MissingFonts() {
  QStringList lines;
  for (const auto& font : kFontMap) {
    const QString wanted = QString::fromLatin1(font.debian);
    // The family fontconfig actually gives for it, as the widgets get it.
    const QString got = QFontInfo(QFont(wanted)).family();
    if (got.compare(wanted, Qt::CaseInsensitive) != 0) {
      const QString instead = got.isEmpty() ? QStringLiteral("none") : u'"' + got + u'"';
      lines << QStringLiteral("font \"%1\" not found (got %2): install %3")
                   .arg(wanted, instead, QString::fromLatin1(font.package));
    }
  }
  return lines;
}

QString ToQString(const std::string& s) {
  return QString::fromStdString(s);
}

int Utf8Offset(const QString& text, int utf16_index) {
  return static_cast<int>(text.left(std::max(0, utf16_index)).toUtf8().size());
}

int Utf16Index(const std::string& text, int utf8_offset) {
  const auto n =
      static_cast<std::size_t>(std::clamp(utf8_offset, 0, static_cast<int>(text.size())));
  return static_cast<int>(QString::fromUtf8(text.data(), static_cast<qsizetype>(n)).size());
}

}  // namespace tovimel
