// SPDX-License-Identifier: MIT
// Controls drawn for the printed page as the screen shows them, in vectors only: the style's
// own drawing leaves hairlines that a high-resolution page shows a pixel short, and pictures of
// controls that go onto the page as low-resolution bitmaps.
#pragma once

#include <QPalette>
#include <QRect>

class QPainter;
class QStyleOptionButton;

namespace tovimel {

// Whether the painter records or prints a page rather than drawing pixels for the screen.
bool OnPage(const QPainter& painter);

// A label's sunken edge (QFrame::WinPanel | QFrame::Sunken), two pixels of four shades, as
// filled strips: each covers exactly the pixels the screen's lines do at any scale.
void PaintSunkenPanel(QPainter& painter, const QRect& rect, const QPalette& palette);

// A push button's face and outline, without its caption.
void PaintButtonFace(QPainter& painter, const QStyleOptionButton& option);

}  // namespace tovimel
