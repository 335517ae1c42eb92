// SPDX-License-Identifier: MIT
#include "desktop/placement.h"

#include <algorithm>

namespace tovimel {

QPoint PlaceOnScreen(const QSize& size, const QRect& area) {
  return {area.left() + std::max(0, (area.width() - size.width()) / 2),
          area.top() + std::max(0, (area.height() - size.height()) / 2)};
}

}  // namespace tovimel
