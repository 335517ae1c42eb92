// SPDX-License-Identifier: MIT
#include "desktop/widgets/colours.h"

#include <QApplication>
#include <array>
#include <utility>

#include "desktop/widgets/look.h"

namespace tovimel {
namespace {

// Enough for body text (WCAG 2, level AA).
constexpr double kReadable = 4.5;

// The fifth root of a in (0, 1], by Newton's method from above.
constexpr double FifthRoot(double a) {
  double y = 1.0;
  for (int i = 0; i < 200; ++i) {
    const double y4 = y * y * y * y;
    const double next = y - (y4 * y - a) / (5 * y4);
    if (next >= y) break;
    y = next;
  }
  return y;
}

// sRGB's 8-bit levels as linear light, worked out by the compiler: x^2.4 is x^2 times the fifth
// root of x^2. Calling the maths library's pow at start-up pulled some 200 KB of it into memory.
constexpr std::array<double, 256> kLinear = [] {
  std::array<double, 256> table{};
  for (std::size_t level = 0; level < table.size(); ++level) {
    const double c = static_cast<double>(level) / 255.0;
    const double x = (c + 0.055) / 1.055;
    table[level] = c <= 0.04045 ? c / 12.92 : x * x * FifthRoot(x * x);
  }
  return table;
}();

double Luminance(const QColor& c) {
  const auto linear = [](int level) { return kLinear[static_cast<std::size_t>(level)]; };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

std::pair<QPalette::ColorRole, QPalette::ColorRole> ColourRoles(Kind kind) {
  switch (kind) {
    case Kind::TextBox:
      return {QPalette::Base, QPalette::Text};
    case Kind::Button:
      return {QPalette::Button, QPalette::ButtonText};
    default:
      return {QPalette::Window, QPalette::WindowText};
  }
}

QColor SystemText() {
  return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

// The text colour a label or frame shows while enabled: its own, or the one that reads on the
// nearest background the model fixes, or the system's where the system paints the background.
QColor TextColourOf(const Form& form, const Control& c) {
  const Control* at = form.firstUp(c, [](const Control& up) {
    return up.props.fore || up.props.back || up.kind == Kind::Frame;
  });
  if (at == nullptr) at = &form.window();
  if (at->props.fore) return ToQColor(*at->props.fore);
  if (at->props.back) return TextOn(ToQColor(*at->props.back));
  return SystemText();
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextOn(const QColor& background) {
  const QColor dark(Qt::black);
  return ContrastRatio(dark, background) >= kReadable ? dark : QColor(Qt::white);
}

QPalette PaletteFor(const Form& form, const Control& c) {
  const auto [back_role, fore_role] = ColourRoles(c.kind);
  const QPalette system = QApplication::palette();
  QPalette palette;
  if (c.props.back) {
    // A fixed background brings the text colour that reads on it.
    const QColor back = ToQColor(*c.props.back);
    palette.setColor(back_role, back);
    palette.setColor(fore_role, c.props.fore ? ToQColor(*c.props.fore) : TextOn(back));
  } else if (c.kind == Kind::Frame) {
    // Frames are opaque in the system's colours, even on a window turned white: the key frame
    // must hide the strip it overlaps.
    palette.setColor(back_role, system.color(back_role));
    palette.setColor(fore_role, c.props.fore ? ToQColor(*c.props.fore) : system.color(fore_role));
  } else if (c.props.fore) {
    palette.setColor(fore_role, ToQColor(*c.props.fore));
  }
  // Texts keep their colour while only the window is disabled (behind the sign-in, the strip
  // fills in legibly); a label disabled itself turns grey.
  if ((c.kind == Kind::Label || c.kind == Kind::Frame) && c.props.enabled) {
    palette.setColor(QPalette::Disabled, fore_role, TextColourOf(form, c));
  }
  return palette;
}

}  // namespace tovimel
