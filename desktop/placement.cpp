// SPDX-License-Identifier: MIT
#include "desktop/placement.h"

#include <algorithm>

namespace tovimel {

QPoint PlaceOnScreen(const QSize& size, const QRect& area) {
  return {area.left() + std::max(0, (area.width() - size.width()) / 2),
          area.top() + std::max(0, (area.height() - size.height()) / 2)};
}

namespace {

// Where a span of `length` centred on [from, from + span) starts, kept inside [low, low + room).
int CentredWithin(int from, int span, int length, int low, int room) {
  const int centred = from + (span - length) / 2;
  return std::max(low, std::min(centred, low + room - length));
}

}  // namespace

QPoint PlaceOver(const QSize& size, const QRect& owner, const QRect& area) {
  return {CentredWithin(owner.left(), owner.width(), size.width(), area.left(), area.width()),
          CentredWithin(owner.top(), owner.height(), size.height(), area.top(), area.height())};
}

}  // namespace tovimel
