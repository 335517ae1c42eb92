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
#include <string_view>

namespace tovimel {

// Paints a picture of the layouts ("radical", or an answer-form picture "Image4", "Image6" ..
// "Image15") into rect: the radical stretched to the rect in the colour `ink`, answer-form
// pictures at their size, black on their own grey ground.
void PaintPicture(QPainter& painter, std::string_view picture, const QRectF& rect,
                  const QColor& ink = Qt::black);

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
