// SPDX-License-Identifier: MIT
#include "desktop/widgets/pictures.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tovimel {
namespace {

const QColor kInk(0, 0, 0);
constexpr double kPen = 1;  // bars and signs, in design pixels
const QColor kGround(192, 192, 192);

// ---------------------------------------------------------------------------------------------
// Pixel snapping. Horizontal strokes land on whole device pixels so they stay sharp at every
// device pixel ratio; slanted strokes are antialiased anyway.

double SnapY(const QTransform& t, double y) {
  if (t.type() > QTransform::TxScale || t.m22() == 0) return y;
  return (std::round(t.m22() * y + t.dy()) - t.dy()) / t.m22();
}

double SnapX(const QTransform& t, double x) {
  if (t.type() > QTransform::TxScale || t.m11() == 0) return x;
  return (std::round(t.m11() * x + t.dx()) - t.dx()) / t.m11();
}

// Thickness rounded to whole device pixels, never below one.
double SnapThickness(const QTransform& t, double thickness) {
  const double scale = std::abs(t.m22());
  if (scale == 0) return thickness;
  return std::max(1.0, std::round(thickness * scale)) / scale;
}

double SnapY(const QPainter& painter, double y) {
  return SnapY(painter.deviceTransform(), y);
}
double SnapX(const QPainter& painter, double x) {
  return SnapX(painter.deviceTransform(), x);
}
double SnapThickness(const QPainter& painter, double thickness) {
  return SnapThickness(painter.deviceTransform(), thickness);
}

QPointF Normal(QPointF direction) {
  const double length = std::hypot(direction.x(), direction.y());
  return {direction.y() / length, -direction.x() / length};
}

// Where the line through a along da meets the line through b along db.
QPointF Meet(QPointF a, QPointF da, QPointF b, QPointF db) {
  QPointF at;
  QLineF(a, a + da).intersects(QLineF(b, b + db), &at);
  return at;
}

// ---------------------------------------------------------------------------------------------
// The big radical sign, drawn for a 242 x 121 box: a heavy tick from the left edge down to the
// lowest point, a long stroke up to the top and an overline to the right.

constexpr double kRadicalWidth = 242;
constexpr double kRadicalHeight = 121;

// How thick a stroke of design width w along direction d becomes when x scales by sx and y by
// sy: the band's area scales by sx*sy and its length by |(dx*sx, dy*sy)|.
double ScaledWidth(double w, QPointF d, double sx, double sy) {
  const double length = std::hypot(d.x(), d.y());
  const double dx = d.x() / length, dy = d.y() / length;
  return w * sx * sy / std::hypot(dx * sx, dy * sy);
}

// Stretching the box scales the strokes with it, but never thinner than this, so the sign stays
// visible in the small boxes of the layouts.
constexpr double kRadicalMinStroke = 1.5;

// No ground is painted: the radicand's label stands inside the box, and a grey ground would show
// round it on the window's own face. The sign is drawn in the text colour it stands among.
}  // namespace

void PaintRadical(QPainter& painter, const QRectF& rect, const QColor& ink) {
  const RadicalShape shape = RadicalOutline(rect, painter.deviceTransform());
  if (shape.outline.isEmpty()) return;
  painter.save();
  // The outer point of the V may reach past the box when the strokes are held at their
  // minimum; the box is the limit.
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  painter.drawPolygon(shape.outline);
  painter.restore();
}

namespace {

// ---------------------------------------------------------------------------------------------
// The answer-form pictures: tiny formulas in textbook style, italic letters, upright digits.

enum class Part { Letter, One, PlusMinus, Root };

struct Glyph {
  Part part;
  char letter = 0;  // for Letter, and the radicand of Root
};

using Row = std::vector<Glyph>;

Glyph Var(char c) {
  return {Part::Letter, c};
}
Glyph Root(char c) {
  return {Part::Root, c};
}
const Glyph kOne{Part::One};
const Glyph kPlusOrMinus{Part::PlusMinus};

// A row of a formula as the answer-form table writes it: "a±b√c" is a, ±, b and a root over c.
Row Glyphs(std::string_view text) {
  constexpr std::string_view kRoot = "\u221A", kPlusMinus = "\u00B1";
  Row row;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with(kRoot) && rest.size() > kRoot.size()) {
      row.push_back(Root(rest[kRoot.size()]));
      i += kRoot.size() + 1;
    } else if (rest.starts_with(kPlusMinus)) {
      row.push_back(kPlusOrMinus);
      i += kPlusMinus.size();
    } else {
      row.push_back(rest.front() == '1' ? kOne : Var(rest.front()));
      ++i;
    }
  }
  return row;
}

struct Fonts {
  QFont italic, upright;
};

Fonts MakeFonts(double pixel_size) {
  QFont italic(QStringLiteral("Liberation Serif"));
  italic.setStyleHint(QFont::Serif);
  italic.setPixelSize(static_cast<int>(pixel_size));
  italic.setItalic(true);
  QFont upright = italic;
  upright.setItalic(false);
  return {italic, upright};
}

// One glyph's place in a row: where its text starts, and the ink it covers.
struct Placed {
  Glyph glyph;
  QPointF origin;  // text baseline origin (for a root: of the radicand)
  QRectF ink;      // relative to the row's origin
  QRectF sign;     // a root's sign: from the tick to the overline's end
};

struct LaidRow {
  std::vector<Placed> glyphs;
  QRectF ink;
};

// Places a row's glyphs left to right from the origin on the baseline. A root's sign rises a
// little above its letter and its overline runs just past it.
LaidRow LayOut(const Row& row, const Fonts& fonts, QPaintDevice* device) {
  const QFontMetricsF italic(fonts.italic, device);
  const QFontMetricsF upright(fonts.upright, device);
  const double em = fonts.italic.pixelSize();
  const double x_height = italic.xHeight();
  LaidRow laid;
  double x = 0;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const Glyph& g = row[i];
    Placed p{g, {x, 0}, {}, {}};
    switch (g.part) {
      case Part::Letter: {
        const QString s(QChar::fromLatin1(g.letter));
        p.ink = italic.tightBoundingRect(s).translated(x, 0);
        x += italic.horizontalAdvance(s);
        break;
      }
      case Part::One: {
        const QString s(QStringLiteral("1"));
        p.ink = upright.tightBoundingRect(s).translated(x, 0);
        x += upright.horizontalAdvance(s);
        break;
      }
      case Part::PlusMinus: {
        // Drawn as lines, not as a font glyph: a thin "±" in a serif face is hard to read here.
        const double arm = std::round(em * 0.25);
        const double gap = std::round(em * 0.12);
        // An italic letter before the sign overhangs its advance.
        const double lean = i > 0 && row[i - 1].part == Part::Letter ? std::round(em * 0.08) : 0;
        const double cross_y = -x_height * 0.72;
        p.ink = QRectF(x + gap + lean, cross_y - arm, 2 * arm, 2 * arm + std::round(em * 0.06) + 1);
        x += 2 * arm + 2 * gap + lean;
        break;
      }
      case Part::Root: {
        // An italic letter leans into the sign; keep them apart.
        if (i > 0 && row[i - 1].part == Part::Letter) x += std::round(em * 0.1);
        const QString s(QChar::fromLatin1(g.letter));
        const QRectF letter = italic.tightBoundingRect(s);
        const double sign_width = std::round(em * 0.5);
        const double top = -std::max(letter.height(), x_height) - std::max(2.0, em * 0.14);
        const double bottom = std::max(letter.bottom(), 0.0) + 1;
        const double radicand_x = x + sign_width + 1;
        const double end = radicand_x + std::max(letter.right(), italic.horizontalAdvance(s)) + 1;
        p.origin = {radicand_x, 0};
        p.sign = QRectF(QPointF(x, top), QPointF(end, bottom));
        // The sign's vertex sits half a pen above its bottom, and its miter join may reach two
        // pen widths further down.
        const double miter = 2 * kPen - kPen / 2;
        p.ink = p.sign.adjusted(0, 0, 0, miter).united(letter.translated(radicand_x, 0));
        x = end;
        break;
      }
    }
    laid.ink = laid.ink.isNull() ? p.ink : laid.ink.united(p.ink);
    laid.glyphs.push_back(p);
  }
  return laid;
}

void PaintSmallRoot(QPainter& painter, const QRectF& sign, double pen) {
  const double w = sign.height() * 0.42;  // the sign's width before the overline
  const double y_top = SnapY(painter, sign.top()) + pen / 2;
  QPainterPath path;
  path.moveTo(sign.left(), sign.top() + sign.height() * 0.62);
  path.lineTo(sign.left() + w * 0.3, sign.top() + sign.height() * 0.52);
  path.lineTo(sign.left() + w * 0.62, sign.bottom() - pen / 2);
  path.lineTo(sign.left() + w, y_top);
  path.lineTo(sign.right(), y_top);
  QPen stroke(kInk, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter.strokePath(path, stroke);
  // The stroke down to the vertex is the heavy one, as in print.
  QPen tick(kInk, pen * 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  QPainterPath heavy;
  heavy.moveTo(sign.left() + w * 0.3, sign.top() + sign.height() * 0.52);
  heavy.lineTo(sign.left() + w * 0.62, sign.bottom() - pen / 2);
  painter.strokePath(heavy, tick);
}

void PaintRow(QPainter& painter, const LaidRow& row, QPointF offset, const Fonts& fonts,
              double pen) {
  for (const Placed& p : row.glyphs) {
    const QPointF origin = p.origin + offset;
    switch (p.glyph.part) {
      case Part::Letter:
        painter.setFont(fonts.italic);
        painter.drawText(origin, QString(QChar::fromLatin1(p.glyph.letter)));
        break;
      case Part::One:
        painter.setFont(fonts.upright);
        painter.drawText(origin, QStringLiteral("1"));
        break;
      case Part::PlusMinus: {
        const QRectF box = p.ink.translated(offset);
        const double arm = box.width() / 2;
        const double mid_x = SnapX(painter, box.center().x()) + pen / 2;
        const double cross_y = SnapY(painter, box.top() + arm) + pen / 2;
        QPen stroke(kInk, pen, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(stroke);
        painter.drawLine(QPointF(box.left(), cross_y), QPointF(box.right(), cross_y));
        painter.drawLine(QPointF(mid_x, cross_y - arm), QPointF(mid_x, cross_y + arm));
        const double under_y = SnapY(painter, box.bottom()) - pen / 2;
        painter.drawLine(QPointF(box.left(), under_y), QPointF(box.right(), under_y));
        break;
      }
      case Part::Root:
        PaintSmallRoot(painter, p.sign.translated(offset), pen);
        painter.setPen(kInk);
        painter.setFont(fonts.italic);
        painter.drawText(origin, QString(QChar::fromLatin1(p.glyph.letter)));
        break;
    }
  }
}

}  // namespace

void PaintFormula(QPainter& painter, const Formula& f, const QRectF& rect) {
  if (f.width <= 0 || f.height <= 0) return;
  const Row numerator = Glyphs(f.numerator), denominator = Glyphs(f.denominator);
  // A picture keeps its size; in a box too small for it, it shrinks to fit rather than be cut.
  double scale = 1;
  if (rect.width() < f.width || rect.height() < f.height)
    scale = std::min(rect.width() / f.width, rect.height() / f.height);
  if (scale <= 0) return;

  painter.save();
  painter.translate(rect.topLeft());
  painter.scale(scale, scale);
  const QRectF box(0, 0, f.width, f.height);
  painter.setClipRect(box, Qt::IntersectClip);
  painter.fillRect(box, kGround);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(kInk);

  const bool fraction = !denominator.empty();
  const double pen = kPen;
  const double margin = 2;
  const double gap = 2;  // between a row's ink and the fraction bar
  double size = 18;
  Fonts fonts;
  LaidRow top, under;
  double stack = 0;
  // The largest face that fits the picture, so the small ones stay as readable as they can.
  for (;; size -= 1) {
    fonts = MakeFonts(size);
    top = LayOut(numerator, fonts, painter.device());
    under = LayOut(denominator, fonts, painter.device());
    stack = fraction ? top.ink.height() + 2 * gap + pen + under.ink.height() : top.ink.height();
    const double widest = std::max(top.ink.width(), under.ink.width());
    if (size <= 6 || (widest <= f.width - 2 * margin && stack <= f.height - 2 * margin)) break;
  }

  if (!fraction) {
    PaintRow(painter, top, box.center() - top.ink.center(), fonts, pen);
  } else {
    // Numerator and denominator hug the bar, and the three are centred together.
    const double bar_y = SnapY(painter, (f.height - stack) / 2 + top.ink.height() + gap);
    const double bar_bottom = bar_y + SnapThickness(painter, pen);
    const double cx = f.width / 2.0;
    PaintRow(painter, top, QPointF(cx - top.ink.center().x(), bar_y - gap - top.ink.bottom()),
             fonts, pen);
    PaintRow(painter, under,
             QPointF(cx - under.ink.center().x(), bar_bottom + gap - under.ink.top()), fonts, pen);
    // The bar spans the wider of the two rows, with a little to spare on each side.
    const double half = std::max(top.ink.width(), under.ink.width()) / 2 + 2;
    painter.fillRect(
        QRectF(QPointF(SnapX(painter, std::max(cx - half, 1.0)), bar_y),
               QPointF(SnapX(painter, std::min(cx + half, f.width - 1.0)), bar_bottom)),
        kInk);
  }
  painter.restore();
}

namespace {

// ---------------------------------------------------------------------------------------------
// The icon, drawn like app/icons/tovimel.svg on its 16-unit grid: a radical sign on a light
// rounded plate, so that it shows on dark panels too, with a grey rim for light ones. Edges
// along the pixel grid land on whole pixels; the small sizes get bolder strokes to read.

QPixmap IconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const double u = size / 16.0;

  const double margin = std::round(u);
  const double radius = std::round(2 * u);
  const double rim = std::max(1.0, std::round(u / 4));
  const QRectF plate(margin, margin, size - 2 * margin, size - 2 * margin);
  QPainterPath outer;
  outer.addRoundedRect(plate, radius, radius);
  painter.fillPath(outer, QColor(180, 180, 180));
  QPainterPath inner;
  inner.addRoundedRect(plate.adjusted(rim, rim, -rim, -rim), radius - rim, radius - rim);
  painter.fillPath(inner, QColor(247, 247, 242));
  painter.setClipPath(inner);  // the bolder small strokes would reach past the rim

  const double t = std::max(1.0, std::round(u * (size <= 24 ? 2 : 1.5)));
  const double over_top = std::round(3 * u);
  // The overline ends where the plate's corner begins to curve.
  const double right = size - margin - radius;
  const QPointF tick_start(2.25 * u, 8.5 * u);
  const QPointF bottom(5.25 * u, 12.5 * u);
  const QPointF top(7.75 * u, over_top);

  const QPointF tick_dir = bottom - tick_start;
  const QPointF long_dir = top - bottom;
  const QPointF tick_n = Normal(tick_dir) * (t * 0.6);
  const QPointF long_n = Normal(long_dir) * (t / 2);
  const QPointF horizontal(1, 0);
  QPolygonF outline;
  outline << tick_start + tick_n << Meet(tick_start + tick_n, tick_dir, bottom + long_n, long_dir)
          << Meet(bottom + long_n, long_dir, QPointF(0, over_top), horizontal)
          << QPointF(right, over_top) << QPointF(right, over_top + t)
          << Meet(bottom - long_n, long_dir, QPointF(0, over_top + t), horizontal)
          << Meet(bottom - long_n, long_dir, tick_start - tick_n, tick_dir) << tick_start - tick_n;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawPolygon(outline);
  return pixmap;
}

}  // namespace

// The sign as one filled outline, so the joints are sharp and no stroke overlaps another.
RadicalShape RadicalOutline(const QRectF& rect, const QTransform& device) {
  if (rect.width() <= 0 || rect.height() <= 0) return {};
  const double sx = rect.width() / kRadicalWidth;
  const double sy = rect.height() / kRadicalHeight;
  const auto at = [&](double x, double y) {
    return QPointF(rect.left() + x * sx, rect.top() + y * sy);
  };

  const QPointF tick_start = at(0, 80);
  const QPointF bottom = at(36, 114);
  const QPointF top_design = at(60, 16);
  const QPointF tick_dir = bottom - tick_start;
  const QPointF long_dir = top_design - bottom;

  const double min_stroke = kRadicalMinStroke;
  const double tick_width = std::max(ScaledWidth(6, tick_dir, sx, sy), min_stroke * 1.3);
  const double stroke_width = std::max(ScaledWidth(4, long_dir, sx, sy), min_stroke);
  const double overline_width = SnapThickness(device, std::max(4 * sy, min_stroke));
  const double overline_top = SnapY(device, top_design.y());
  const double overline_bottom = overline_top + overline_width;
  const double overline_right = SnapX(device, rect.left() + 237 * sx);

  // The inner side of the V faces up and right for the tick, left for the long stroke.
  const QPointF tick_n = Normal(tick_dir) * (tick_width / 2);
  const QPointF long_n = Normal(long_dir) * (stroke_width / 2);
  const QPointF tick_inner = tick_start + tick_n, tick_outer = tick_start - tick_n;
  const QPointF long_inner = bottom + long_n, long_outer = bottom - long_n;
  const QPointF horizontal(1, 0), vertical(0, 1);

  RadicalShape shape;
  const QPointF overline_start = Meet(long_inner, long_dir, QPointF(0, overline_top), horizontal);
  shape.outline << Meet(tick_inner, tick_dir, QPointF(rect.left(), 0), vertical)
                << Meet(tick_inner, tick_dir, long_inner, long_dir) << overline_start
                << QPointF(overline_right, overline_top) << QPointF(overline_right, overline_bottom)
                << Meet(long_outer, long_dir, QPointF(0, overline_bottom), horizontal)
                << Meet(long_outer, long_dir, tick_outer, tick_dir)
                << Meet(tick_outer, tick_dir, QPointF(rect.left(), 0), vertical);
  shape.ink = shape.outline.boundingRect() & rect;
  shape.overline =
      QRectF(QPointF(overline_start.x(), overline_top), QPointF(overline_right, overline_bottom));
  return shape;
}

void PaintPicture(QPainter& painter, const Control& image, const QRectF& rect, const QColor& ink) {
  if (image.look.picture == Picture::Radical) {
    PaintRadical(painter, rect, ink);
  } else if (image.look.picture == Picture::AnswerForm) {
    if (const AnswerFormRow* row = PictureRow(image.name)) PaintFormula(painter, row->drawn, rect);
  }
}

QIcon RadicalIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(IconPixmap(size));
  return icon;
}

}  // namespace tovimel
