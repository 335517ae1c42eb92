// SPDX-License-Identifier: MIT
#include "ui/qt/captions.h"

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

// The caption's lines at `width`, broken at word boundaries when `wrap`; each without the
// blanks it ends with, and with its width.
std::vector<CaptionLine> Break(const QString& text, const QFont& font, double width, bool wrap,
                               const QPaintDevice* device) {
  const QFontMetricsF metrics(font, device);
  QTextLayout layout(text, font, device);
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
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

}  // namespace

Caption FitCaption(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align,
                   bool fit, const QPaintDevice* device) {
  Caption caption{font, {}, true, false};
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
    caption.lines = Break(text, font, box.width(), fit, device);
  }
  if (fit && !Fits(caption.lines, capacity, box.width())) {
    caption.as_designed = false;
    const double size = SizeOf(font);
    const double floor = std::ceil(size * kCaptionFloor);
    bool fitted = false;
    for (double s = size - 1; s >= floor && !fitted; --s) {
      caption.font = Resized(font, s);
      caption.lines = Break(text, caption.font, box.width(), true, device);
      fitted = Fits(caption.lines, capacity, box.width());
    }
    if (!fitted) {
      // At the floor: the lines that fit, and the rest of the text cut to the last one.
      caption.elided = true;
      caption.font = Resized(font, floor);
      caption.lines = Break(text, caption.font, box.width(), true, device);
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
  if (!caption.as_designed) {
    // A smaller caption stands in the middle of where the label's own lines would.
    const double block = (n - 1) * metrics.lineSpacing() + metrics.height();
    const double room = (n - 1) * design.lineSpacing() + design.height();
    top += std::max(0.0, (std::min(room, box.height()) - block) / 2);
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
  painter.setFont(caption.font);
  for (const CaptionLine& line : caption.lines) painter.drawText(line.origin, line.text);
}

}  // namespace tovimel
