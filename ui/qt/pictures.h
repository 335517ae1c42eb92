// SPDX-License-Identifier: MIT
// The program's pictures, drawn as vectors so they stay crisp at any scale.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <string_view>

namespace tovimel {

// Paints a picture of the layouts ("radical", or an answer-form picture "Image4", "Image6" ..
// "Image15") into rect: the radical stretched to the rect, answer-form pictures at their size.
void PaintPicture(QPainter& painter, std::string_view picture, const QRectF& rect);

// The window icon: a black radical sign on a light plate, in the sizes desktops ask for.
QIcon RadicalIcon();

}  // namespace tovimel
