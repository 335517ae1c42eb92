// SPDX-License-Identifier: MIT
// How a caption is laid out in its box: whole in its font where it fits on the lines the box can
// show; otherwise whole in the largest smaller size that fits, down to a floor; then on more
// lines where the design leaves room around the box; only then cut with "…" at its end. Never a
// half-visible line.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPaintDevice;
class QPainter;

namespace tovimel {

// The smallest size a caption shrinks to, as a share of its font's size.
inline constexpr double kCaptionFloor = 0.8;
// A caption that must stay on one line (the level's name) may shrink further before it is cut.
inline constexpr double kOneLineFloor = 0.5;

// How a caption reads: the direction its lines run in (Auto: as its first strong letter says),
// and the smallest share of its size it shrinks to.
struct CaptionRules {
  Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
  double floor = kCaptionFloor;
};

struct CaptionLine {
  QString text;
  QPointF origin;  // where the baseline starts
  double width = 0;
  qsizetype start = 0;  // where the line begins in the whole caption
};

struct Caption {
  QFont font;
  Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;  // as its lines are laid out
  std::vector<CaptionLine> lines;
  bool as_designed = true;  // in the label's own font, where the label itself draws it
  bool elided = false;      // even the floor was too large: the end is cut with "…"
  bool spread = false;      // on more lines than the box holds, into the room around it
};

// Lays out `text` in `box` with the horizontal part of `align`, from the top. With `fit` a
// caption that does not fit shrinks as above; without, it stays on one line as it is (an
// auto-size label is as wide as its text). Measured as drawn on `device` (nullptr: the screen).
// `room` (around `box`, empty: none) is where further lines may go when the floor still does
// not fit; a word too long for any line is broken inside before the end is cut.
Caption FitCaption(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align,
                   bool fit, const QPaintDevice* device = nullptr, const QRectF& room = {},
                   const CaptionRules& rules = {});

// Draws the lines with the painter's pen, one by one, so no device wraps them again, each in the
// caption's direction.
void PaintCaption(QPainter& painter, const Caption& caption);

}  // namespace tovimel
