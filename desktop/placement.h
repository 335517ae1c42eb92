// SPDX-License-Identifier: MIT
// Where a window goes on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tovimel {

// The top-left corner for a window of `size` on a screen's available `area`: centred where it
// fits; where it is larger, its top-left corner, and with it the title bar, stays on the screen.
QPoint PlaceOnScreen(const QSize& size, const QRect& area);

}  // namespace tovimel
