// SPDX-License-Identifier: MIT
#include "desktop/widgets/page.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>

namespace tovimel {

bool OnPage(const QPainter& painter) {
  // A widget rendered into a picture still names itself as the device; the engine says where
  // the drawing goes.
  const QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr) return false;
  return engine->type() == QPaintEngine::Picture || engine->type() == QPaintEngine::Pdf ||
         painter.device()->devType() == QInternal::Printer;
}

void PaintSunkenPanel(QPainter& painter, const QRect& rect, const QPalette& palette) {
  const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
  if (w < 2 || h < 2) return;
  // Outer: dark along the top and left, light along the bottom and right.
  painter.fillRect(QRect(x, y, w - 1, 1), palette.color(QPalette::Dark));
  painter.fillRect(QRect(x, y + 1, 1, h - 2), palette.color(QPalette::Dark));
  painter.fillRect(QRect(x, y + h - 1, w, 1), palette.color(QPalette::Light));
  painter.fillRect(QRect(x + w - 1, y, 1, h - 1), palette.color(QPalette::Light));
  if (w <= 4 || h <= 4) return;
  // Inner: shadow along the top and left, midlight along the bottom and right.
  painter.fillRect(QRect(x + 1, y + 1, w - 3, 1), palette.color(QPalette::Shadow));
  painter.fillRect(QRect(x + 1, y + 2, 1, h - 4), palette.color(QPalette::Shadow));
  painter.fillRect(QRect(x + 1, y + h - 2, w - 2, 1), palette.color(QPalette::Midlight));
  painter.fillRect(QRect(x + w - 2, y + 1, 1, h - 3), palette.color(QPalette::Midlight));
}

void PaintButtonFace(QPainter& painter, const QStyleOptionButton& option) {
  const QPalette& palette = option.palette;
  const QRectF outer = QRectF(option.rect).adjusted(0, 0, 0, -1);
  const double radius = 2;
  QPainterPath ring;
  ring.addRoundedRect(outer, radius, radius);
  QPainterPath face;
  face.addRoundedRect(outer.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.fillPath(ring.subtracted(face), palette.color(QPalette::Window).darker(140));
  painter.fillPath(face, palette.color(QPalette::Button));
  painter.restore();
}

}  // namespace tovimel
