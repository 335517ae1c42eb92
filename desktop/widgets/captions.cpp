// SPDX-License-Identifier: MIT
#include "desktop/widgets/captions.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace tovimel {
namespace {

// A little room for rounding: a caption exactly as wide as its box fits.
constexpr double kSlack = 0.01;

double SizeOf(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

QFont Resized(QFont font, double size) {
  if (font.pixelSize() > 0) {
    font.setPixelSize(static_cast<int>(size));
  } else {
    font.setPointSizeF(size);
  }
  return font;
}

// The caption's lines at `width`, broken as `wrap` says; each without the blanks it ends with,
// and with its width.
std::vector<CaptionLine> Break(const QString& text, const QFont& font, double width,
                               QTextOption::WrapMode wrap, const QPaintDevice* device,
                               Qt::LayoutDirection direction) {
  const QFontMetricsF metrics(font, device);
  QTextLayout layout(text, font, device);
  QTextOption option;
  option.setWrapMode(wrap);
  option.setTextDirection(direction);
  layout.setTextOption(option);
  std::vector<CaptionLine> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    QString part = text.mid(line.textStart(), line.textLength());
    while (!part.isEmpty() && part.back().isSpace()) part.chop(1);
    lines.push_back({part, {}, metrics.horizontalAdvance(part), line.textStart()});
  }
  layout.endLayout();
  return lines;
}

bool Fits(const std::vector<CaptionLine>& lines, std::size_t capacity, double width) {
  return lines.size() <= capacity &&
         std::all_of(lines.begin(), lines.end(),
                     [&](const CaptionLine& l) { return l.width <= width + kSlack; });
}

// The height of `n` lines, from the first line's top to the last one's bottom.
double Block(std::size_t n, const QFontMetricsF& metrics) {
  return (static_cast<double>(n) - 1) * metrics.lineSpacing() + metrics.height();
}

}  // namespace

Caption FitCaption(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align,
                   bool fit, const QPaintDevice* device, const QRectF& room,
                   const CaptionRules& rules) {
  const Qt::LayoutDirection direction =
      rules.direction == Qt::LayoutDirectionAuto
          ? (text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight)
          : rules.direction;
  Caption caption{font, direction, {}, true, false, false};
  if (text.isEmpty()) return caption;
  const QFontMetricsF design(font, device);
  // The lines the box shows whole; a box lower than one line still shows that one.
  const auto capacity = static_cast<std::size_t>(
      std::max(1.0, std::floor((box.height() + kSlack) / design.lineSpacing())));
  // Most captions fit on one line as they stand, which needs no line breaking to tell.
  const double one_line = text.contains(QLatin1Char('\n')) ? -1 : design.horizontalAdvance(text);
  if (one_line >= 0 && one_line <= box.width() + kSlack) {
    QString part = text;
    while (!part.isEmpty() && part.back().isSpace()) part.chop(1);
    caption.lines = {
        {part, {}, part.size() == text.size() ? one_line : design.horizontalAdvance(part), 0}};
  } else {
    caption.lines = Break(text, font, box.width(),
                          fit ? QTextOption::WordWrap : QTextOption::NoWrap, device, direction);
  }
  if (fit && !Fits(caption.lines, capacity, box.width())) {
    caption.as_designed = false;
    const double size = SizeOf(font);
    const double floor = std::ceil(size * rules.floor);
    bool fitted = false;
    for (double s = size - 1; s >= floor && !fitted; --s) {
      caption.font = Resized(font, s);
      caption.lines =
          Break(text, caption.font, box.width(), QTextOption::WordWrap, device, direction);
      fitted = Fits(caption.lines, capacity, box.width());
    }
    // Further lines where the design leaves room, from the label's own size down; then words
    // broken inside, which keeps every letter where "…" would drop the end.
    const QRectF area = room.united(box);
    for (const auto wrap : {QTextOption::WordWrap, QTextOption::WrapAtWordBoundaryOrAnywhere}) {
      if (wrap == QTextOption::WordWrap && area.height() <= box.height() + kSlack) continue;
      for (double s = size; s >= floor && !fitted; --s) {
        caption.font = Resized(font, s);
        caption.lines = Break(text, caption.font, box.width(), wrap, device, direction);
        fitted = caption.lines.size() > 1 &&
                 Block(caption.lines.size(), QFontMetricsF(caption.font, device)) <=
                     area.height() + kSlack &&
                 Fits(caption.lines, caption.lines.size(), box.width());
        caption.spread = fitted;
      }
    }
    if (!fitted) {
      // At the floor: the lines that fit, and the rest of the text cut to the last one.
      caption.elided = true;
      caption.font = Resized(font, floor);
      caption.lines =
          Break(text, caption.font, box.width(), QTextOption::WordWrap, device, direction);
      const QFontMetricsF metrics(caption.font, device);
      if (caption.lines.size() > capacity) {
        caption.lines.resize(capacity);
        caption.lines.back().text = text.mid(caption.lines.back().start).trimmed();
      }
      for (CaptionLine& line : caption.lines) {
        line.text = metrics.elidedText(line.text, Qt::ElideRight, box.width());
        line.width = metrics.horizontalAdvance(line.text);
      }
    }
  }

  const QFontMetricsF metrics(caption.font, device);
  const auto n = static_cast<double>(caption.lines.size());
  double top = box.top();
  if (caption.spread) {
    // The last line stays where the label's own first line ends; the rest goes above it, as far
    // as the room reaches, and below only what does not fit there.
    const QRectF area = room.united(box);
    const double block = Block(caption.lines.size(), metrics);
    top =
        std::max(area.top(), std::min(box.top() + design.height() - block, area.bottom() - block));
  } else if (!caption.as_designed) {
    // A smaller caption stands in the middle of where the label's own lines would.
    const double block = (n - 1) * metrics.lineSpacing() + metrics.height();
    const double own = (n - 1) * design.lineSpacing() + design.height();
    top += std::max(0.0, (std::min(own, box.height()) - block) / 2);
  }
  for (std::size_t i = 0; i < caption.lines.size(); ++i) {
    CaptionLine& line = caption.lines[i];
    double x = box.left();
    if (align & Qt::AlignHCenter) {
      x += (box.width() - line.width) / 2;
    } else if (align & Qt::AlignRight) {
      x = box.right() - line.width;
    }
    line.origin = {x, top + metrics.ascent() + static_cast<double>(i) * metrics.lineSpacing()};
  }
  return caption;
}

void PaintCaption(QPainter& painter, const Caption& caption) {
  painter.save();
  painter.setFont(caption.font);
  painter.setLayoutDirection(caption.direction);
  for (const CaptionLine& line : caption.lines) painter.drawText(line.origin, line.text);
  painter.restore();
}

}  // namespace tovimel
