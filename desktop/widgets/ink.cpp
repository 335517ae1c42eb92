// SPDX-License-Identifier: MIT
#include "desktop/widgets/ink.h"

#include <QFontMetricsF>
#include <QTransform>
#include <map>
#include <string>
#include <tuple>

#include "desktop/widgets/captions.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/pictures.h"
#include "windows/layouts.h"

namespace tovimel {
namespace {

// A label's sunken edge takes two pixels on each side.
constexpr int kBorder = 2;

Qt::Alignment Horizontal(Align a) {
  switch (a) {
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

InkBox Twips(const QRectF& r) {
  return {r.left() * kTwipsPerPixel, r.top() * kTwipsPerPixel, r.right() * kTwipsPerPixel,
          r.bottom() * kTwipsPerPixel, std::nullopt};
}

}  // namespace

std::optional<InkBox> MeasureInk(const Control& c, double pixel_ratio) {
  const QRectF box(0, 0, Px(c.props.width), Px(c.props.height));
  if (c.kind == Kind::Image && c.look.picture == Picture::Radical) {
    const RadicalShape shape = RadicalOutline(box, QTransform::fromScale(pixel_ratio, pixel_ratio));
    if (shape.ink.isEmpty()) return std::nullopt;
    InkBox ink = Twips(shape.ink);
    ink.overline_bottom = shape.overline.bottom() * kTwipsPerPixel;
    return ink;
  }
  if (c.kind != Kind::Label || c.props.text.empty()) return std::nullopt;
  // The numbers of a problem come back again and again: each caption is laid out once.
  const FontSpec font = EffectiveFont(c);
  using Key = std::tuple<std::string, std::string, double, bool, int, int, Align, bool, bool, bool>;
  static std::map<Key, std::optional<InkBox>> measured;
  const Key key{c.props.text,   font.family,  font.points,      font.bold,     c.props.width,
                c.props.height, c.look.align, c.look.auto_size, c.look.border, c.look.one_line};
  if (const auto it = measured.find(key); it != measured.end()) return it->second;
  const int border = c.look.border ? kBorder : 0;
  const Caption caption = FitCaption(
      ToQString(c.props.text), FontFor(c), box.adjusted(border, border, -border, -border),
      Horizontal(c.look.align), !c.look.auto_size, nullptr, {},
      {Qt::LayoutDirectionAuto, c.look.one_line ? kOneLineFloor : kCaptionFloor});
  const QFontMetricsF metrics(caption.font);
  QRectF ink;
  for (const CaptionLine& line : caption.lines) {
    ink |= metrics.tightBoundingRect(line.text).translated(line.origin);
  }
  const std::optional<InkBox> result = ink.isNull() ? std::nullopt : std::optional(Twips(ink));
  measured.emplace(key, result);
  return result;
}

}  // namespace tovimel
