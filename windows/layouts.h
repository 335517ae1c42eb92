// SPDX-License-Identifier: MIT
// The design of the two windows, as data: every control with its place, text, look and
// starting state. Logic and the Qt binding both build from these tables.
#pragma once

#include <string>
#include <vector>

#include "windows/form.h"

namespace tovimel {

// The answer boxes' colours: fresh for a new problem, then a part marked right or wrong.
inline constexpr Rgb kFreshBox{192, 255, 255};
inline constexpr Rgb kRightBox{0, 255, 0};
inline constexpr Rgb kWrongBox{255, 0, 0};

// frmTovimel3, the practice window, with a level scroll bar from 1 to `levels`.
std::vector<Control> MainWindowLayout(int levels);
// frmSignIn, the start-up window.
std::vector<Control> SignInLayout();

// The font a control shows with, the window's default filled in.
struct FontSpec {
  std::string family;
  double points = 0;
  bool bold = false;
  bool operator==(const FontSpec&) const = default;
};
FontSpec EffectiveFont(const Control& c);

// What the control shows or says of its text: a design caption in the reader's language (the
// model keeps the English), anything else as it is.
std::string ShownText(const Control& c);

}  // namespace tovimel
