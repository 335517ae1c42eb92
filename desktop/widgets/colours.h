// SPDX-License-Identifier: MIT
// The colours a control's widget shows: what the model sets, a text colour that reads on every
// background the layouts fix, and the system's palette as a whole everywhere else, light or dark.
#pragma once

#include <QColor>
#include <QPalette>

#include "windows/form.h"

namespace tovimel {

// The contrast ratio of two colours by their relative luminance (WCAG 2), from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The dark text the windows were designed with, or white on a background too dark for it.
QColor TextOn(const QColor& background);

// The palette for a control of `form`: only the roles it sets; every other colour comes from
// the parent widget.
QPalette PaletteFor(const Form& form, const Control& c);

}  // namespace tovimel
