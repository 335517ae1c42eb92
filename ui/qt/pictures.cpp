// SPDX-License-Identifier: MIT
#include "ui/qt/pictures.h"

namespace tovimel {

void PaintPicture(QPainter&, std::string_view, const QRectF&) {}
QSize NaturalSize(std::string_view) {
  return {};
}
QIcon RadicalIcon() {
  return {};
}

}  // namespace tovimel
