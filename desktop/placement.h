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

// The top-left corner for a window of `size` centred over its `owner`'s frame, shifted as little
// as needed to lie whole on the screen's available `area`; where it is larger than the area, its
// top-left corner stays on the screen.
QPoint PlaceOver(const QSize& size, const QRect& owner, const QRect& area);

}  // namespace tovimel
