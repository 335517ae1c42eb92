// SPDX-License-Identifier: MIT
// The program's pictures, drawn as vectors so they stay crisp at any scale.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include "windows/answer_form_table.h"
#include "windows/form.h"

namespace tovimel {

// Paints what an image control shows into rect: the radical stretched to the rect in the colour
// `ink`, an answer-form picture at its size, black on its own grey ground.
void PaintPicture(QPainter& painter, const Control& image, const QRectF& rect,
                  const QColor& ink = Qt::black);
void PaintRadical(QPainter& painter, const QRectF& rect, const QColor& ink = Qt::black);
// A formula of the answer-form table at its size; in a smaller rect it shrinks to fit.
void PaintFormula(QPainter& painter, const Formula& formula, const QRectF& rect);

// The radical sign stretched to `rect`, as it is painted through a painter whose device
// transform is `device` (its horizontal strokes snap to that device's pixels).
struct RadicalShape {
  QPolygonF outline;  // the sign as one filled outline; painted clipped to the rect
  QRectF ink;         // the outline's bounding box within the rect
  QRectF overline;    // from where the long stroke meets the overline to the overline's end
};
RadicalShape RadicalOutline(const QRectF& rect, const QTransform& device);

// The window icon: a black radical sign on a light plate, in the sizes desktops ask for.
QIcon RadicalIcon();

}  // namespace tovimel
