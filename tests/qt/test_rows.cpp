// SPDX-License-Identifier: MIT
// The problem's and the key's rows with the program's fonts, over every problem of every level.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainterPath>
#include <set>
#include <string>

#include "desktop/binding.h"
#include "desktop/widgets/captions.h"
#include "desktop/widgets/ink.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/pictures.h"
#include "desktop/widgets/widgets.h"
#include "tests/problem_space.h"
#include "windows/layouts.h"
#include "windows/rows.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

constexpr double kGap = 2, kOverhang = 4;  // logical pixels

// What a shown part puts on the screen, in its frame's logical pixels, worked out from its widget
// alone: a label's glyph boxes where it draws them, a root sign's outline.
struct Ink {
  QRectF box;
  QPainterPath sign;  // a root sign's outline, as painted: clipped to its box
  QRectF overline;
  bool left_of_design = false, at_design = true, widened = false;
};

std::optional<Ink> InkOf(const QWidget& w, ControlId id, double ratio, bool check_pixels) {
  if (!w.isVisibleTo(w.parentWidget())) return std::nullopt;
  static const Form design(MainWindowLayout(kLevelCount));
  Ink ink;
  ink.left_of_design = w.x() < Px(design(id).left);
  ink.at_design = w.x() == Px(design(id).left);
  QImage device((check_pixels ? w.size() : QSize(1, 1)) * ratio,
                QImage::Format_ARGB32_Premultiplied);
  device.setDevicePixelRatio(ratio);
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    const Caption c = FitCaption(label->text(), label->font(), label->contentsRect(),
                                 label->alignment(), label->wordWrap(), &device);
    const QFontMetricsF metrics(c.font, &device);
    for (const CaptionLine& l : c.lines)
      ink.box |= metrics.tightBoundingRect(l.text).translated(l.origin);
  } else {
    // Snapped to device pixels where the window puts the sign.
    const QRectF box(QPointF(), w.size());
    const RadicalShape shape =
        RadicalOutline(box, QTransform(ratio, 0, 0, ratio, w.x() * ratio, w.y() * ratio));
    QPainterPath clip;
    clip.addRect(box);
    ink.sign.addPolygon(shape.outline);
    ink.sign = ink.sign.intersected(clip).translated(w.pos());
    ink.overline = shape.overline.translated(w.pos());
    ink.box = shape.ink;
    ink.widened = w.width() > Px(design(id).width);
  }
  if (check_pixels) {
    // The box holds every pixel the widget paints, give or take the edge pixel of antialiasing.
    device.fill(Qt::transparent);
    const_cast<QWidget&>(w).render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
    for (int y = 0; y < device.height(); ++y) {
      for (int x = 0; x < device.width(); ++x) {
        const QPointF at(x / ratio, y / ratio);
        if (qAlpha(device.pixel(x, y)) != 0 && !ink.box.adjusted(-1, -1, 1, 1).contains(at)) {
          ink.box = {};  // an empty box makes the row fail
        }
      }
    }
  }
  ink.box.translate(w.pos());
  return ink;
}

// What must hold for one frame, the problem's or the key's, with its two rows and its bar.
std::string Check(const WindowBinding& b, const ProblemRow* rows, ControlId bar, double ratio,
                  bool check_pixels) {
  std::string faults;
  const auto fault = [&](const char* what) { faults += std::string(what) + "; "; };
  const QWidget* frame = b.widget(rows[0].sign)->parentWidget();
  QRectF extent[2];
  for (int r = 0; r < 2; ++r) {
    std::vector<Ink> parts;  // left to right
    for (const ControlId id :
         {rows[r].whole, rows[r].plus, rows[r].coefficient, rows[r].sign, rows[r].radicand}) {
      if (auto ink = InkOf(*b.widget(id), id, ratio, check_pixels)) parts.push_back(*ink);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const Ink& a = parts[i];
      if (a.box.isEmpty()) fault("a box misses what is painted");
      extent[r] |= a.box;
      if (i + 1 == parts.size()) break;
      const Ink& next = parts[i + 1];
      if (!a.sign.isEmpty()) {  // the radicand follows its sign
        if (a.sign.intersects(next.box.adjusted(-kGap, -kGap, kGap, kGap))) {
          fault("a radicand meets its sign");
        }
        if (next.box.left() < a.overline.left() || next.box.right() + kGap > a.overline.right()) {
          fault("a radicand is not under its overline");
        }
        if (next.box.top() < a.overline.bottom() + kGap) fault("a radicand meets its overline");
        // A pixel more of box reaches about a pixel further.
        if (a.widened && a.overline.right() > next.box.right() + kOverhang + 1.5) {
          fault("a sign widened more than its radicand needs");
        }
        continue;
      }
      const double room = next.box.left() - a.box.right();
      if (room < kGap) fault("a part comes within two pixels of the next");
      // The layout's place where the part fits there, else just clear of the next part.
      if (a.left_of_design && next.at_design && room >= kGap + 1) {
        fault("a part moved further than it needed");
      }
    }
    if (!QRectF(frame->rect()).adjusted(2, 2, -3, -3).contains(extent[r]) && !extent[r].isNull()) {
      fault("a row leaves its frame");
    }
  }
  const auto* line = qobject_cast<const LineWidget*>(b.widget(bar));
  const double top = std::min(line->line().y1(), line->line().y2()) - LineWidget::kWidth / 2;
  const double bottom = std::max(line->line().y1(), line->line().y2()) + LineWidget::kWidth / 2;
  const bool both = !extent[0].isNull() && !extent[1].isNull();
  if (both && extent[0].bottom() + kGap > extent[1].top()) fault("the rows touch");
  if (line->isVisibleTo(frame) && both &&
      (extent[0].bottom() + kGap > top || extent[1].top() - kGap < bottom)) {
    fault("a row touches the bar");
  }
  return faults;
}

// The texts and places of a frame's shown parts: problems that show a frame alike are one case.
std::string Shown(const WindowBinding& b, const ProblemRow* rows) {
  std::string shown;
  for (int r = 0; r < 2; ++r) {
    for (const ControlId id :
         {rows[r].whole, rows[r].plus, rows[r].coefficient, rows[r].sign, rows[r].radicand}) {
      const QWidget* w = b.widget(id);
      if (!w->isVisibleTo(w->parentWidget())) continue;
      const auto* label = qobject_cast<const QLabel*>(w);
      shown += (label ? label->text().toStdString() : "/") + "@" + std::to_string(w->x()) + "+" +
               std::to_string(w->width()) + " ";
    }
    shown += "| ";
  }
  return shown;
}

// Every problem of every level (level 4 sampled under the sanitizers), laid out with the real
// fonts and measured again from the widgets at device pixel ratios 1 and 2: no number comes
// within two pixels of the next part's ink or a root sign's, every radicand lies under its
// overline, the rows clear the bar and each other and stay in their frame, in the problem and
// in the key; and a part leaves its design place only as far as it must.
TEST(Rows, EveryProblemOfEveryLevelStandsClearOfItsRootSigns) {
  for (const double ratio : {1.0, 2.0}) {
    for (int level = 1; level <= kLevelCount; ++level) {
      testing::AnswerWindow t(level);
      WindowBinding b(t.f, WindowBinding::Frame::Titled);
      t.f.setInkMeasure([=](const Control& c) { return MeasureInk(c, ratio); });
      std::set<std::string> seen;
      const auto draws = testing::EveryDraw(level);
      for (std::size_t i = 0; i < draws.size(); i += testing::SampleStride(level)) {
        t.make(draws[i]);
        for (const FractionRows& fraction : kFractionRows) {
          const ProblemRow rows[] = {fraction.upper, fraction.lower};
          const ControlId bar = fraction.bar;
          const std::string shown = Shown(b, rows);
          if (!seen.insert(shown).second) continue;
          ASSERT_EQ(Check(b, rows, bar, ratio, i == 0), "")
              << "level " << level << " at pixel ratio " << ratio << ": " << shown;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tovimel
