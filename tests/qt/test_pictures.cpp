// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <algorithm>
#include <string>
#include <string_view>

#include "desktop/widgets/pictures.h"

namespace tovimel {
namespace {

constexpr std::string_view kAnswerForms[] = {"Image4",  "Image6",  "Image7",  "Image8",
                                             "Image9",  "Image10", "Image11", "Image12",
                                             "Image13", "Image14", "Image15"};
constexpr std::string_view kFractions[] = {"Image6", "Image7",  "Image8",
                                           "Image9", "Image13", "Image14"};

// Paints one picture into a transparent canvas of the given logical size: "radical", or the
// picture an image control of that name shows beside the answer forms.
QImage Render(std::string_view picture, QSize canvas, const QRectF& rect, int dpr) {
  QImage image(canvas * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  Control image_control;
  image_control.kind = Kind::Image;
  image_control.name = picture;
  image_control.look.picture = picture == "radical" ? Picture::Radical : Picture::AnswerForm;
  PaintPicture(painter, image_control, rect);
  painter.end();
  return image;
}

bool Painted(QRgb p) {
  return qAlpha(p) != 0;
}
bool Ink(QRgb p) {
  return qAlpha(p) > 128 && qRed(p) < 96 && qGreen(p) < 96 && qBlue(p) < 96;
}
bool PureInk(QRgb p) {
  return p == qRgba(0, 0, 0, 255);
}

// Bounding box, in device pixels, of the pixels that pass the test; empty when none do.
template <class Test>
QRect Bounds(const QImage& image, Test test) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// The size an answer-form picture has by design: it keeps it in any larger box, ground and all.
// Empty for names that are no answer-form picture.
QSize NaturalSize(std::string_view picture) {
  if (picture == "radical") return {};  // stretched to its box
  const QRect ground = Bounds(Render(picture, {200, 200}, QRectF(0, 0, 200, 200), 1), Painted);
  return ground.isEmpty() ? QSize() : ground.size();
}

std::string Name(std::string_view picture, int dpr) {
  return std::string(picture) + " at device pixel ratio " + std::to_string(dpr);
}

// Sizes the layouts are built from: the boxes are exactly the pictures.
TEST(Pictures, NaturalSizes) {
  struct Case {
    std::string_view picture;
    QSize want;
  };
  const Case cases[] = {
      {"Image7", {41, 52}},
      {"Image8", {32, 51}},
      {"Image9", {24, 42}},
      {"Image10", {41, 32}},
      {"Image11", {27, 24}},
      {"Image12", {30, 27}},
      {"Image13", {22, 46}},
      {"Image6", {63, 55}},
      {"Image14", {56, 59}},
      {"Image4", {58, 40}},
      {"Image15", {55, 39}},
      // Controls that show the radical are not pictures; names are exact.
      {"Image1", {}},
      {"Image5", {}},
      {"Image16", {}},
      {"image7", {}},
      {"Radical", {}},
      {"", {}},
      {"Image7 ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(NaturalSize(c.picture), c.want) << c.picture;
}

TEST(Pictures, UnknownNamesPaintNothing) {
  for (std::string_view name : {"", "Image1", "Image16", "radical2", "imgRadical"}) {
    const QImage image = Render(name, {80, 80}, QRectF(10, 10, 60, 60), 1);
    EXPECT_TRUE(Bounds(image, Painted).isEmpty()) << name;
  }
}

// An answer-form picture fills exactly its own box, grey ground included, and has black ink.
TEST(Pictures, AnswerFormsCoverExactlyTheirBox) {
  for (int dpr : {1, 2}) {
    for (std::string_view picture : kAnswerForms) {
      const QSize size = NaturalSize(picture);
      const QPoint at(13, 7);
      // A box larger than the picture: the picture keeps its size at the box's corner.
      const QImage image =
          Render(picture, size + QSize(40, 40), QRectF(at, size + QSize(20, 20)), dpr);
      EXPECT_EQ(Bounds(image, Painted), QRect(at * dpr, size * dpr)) << Name(picture, dpr);
      const QRect ink = Bounds(image, Ink);
      ASSERT_FALSE(ink.isEmpty()) << Name(picture, dpr);
      // Nothing runs into the picture's border: the glyphs are not clipped.
      EXPECT_TRUE(QRect(at * dpr, size * dpr).adjusted(1, 1, -1, -1).contains(ink))
          << Name(picture, dpr);
      EXPECT_EQ(image.pixelColor(at * dpr), QColor(192, 192, 192)) << Name(picture, dpr);
    }
  }
}

// Each fraction has a horizontal bar of solid black rows with grey right above and below it.
TEST(Pictures, FractionBarsAreSolidHorizontalLines) {
  for (int dpr : {1, 2}) {
    for (std::string_view picture : kFractions) {
      const QSize size = NaturalSize(picture);
      const QImage image = Render(picture, size, QRectF(QPoint(0, 0), size), dpr);
      const int x = image.width() / 2;
      int bar_rows = 0, first = -1;
      for (int y = 0; y < image.height(); ++y) {
        bool solid = true;
        for (int dx = -4 * dpr; dx <= 4 * dpr && solid; ++dx)
          solid = PureInk(image.pixel(x + dx, y));
        if (solid) {
          if (first < 0) first = y;
          ++bar_rows;
        }
      }
      ASSERT_GT(bar_rows, 0) << Name(picture, dpr);
      EXPECT_LE(bar_rows, 2 * dpr) << Name(picture, dpr);
      // Along the whole solid part of the bar, nothing above or below touches it.
      int left = x, right = x;
      while (left > 0 && PureInk(image.pixel(left - 1, first))) --left;
      while (right + 1 < image.width() && PureInk(image.pixel(right + 1, first))) ++right;
      const QRgb grey = qRgb(192, 192, 192);
      for (int along = left; along <= right; ++along) {
        EXPECT_EQ(image.pixel(along, first - 1), grey) << Name(picture, dpr) << " x " << along;
        EXPECT_EQ(image.pixel(along, first + bar_rows), grey)
            << Name(picture, dpr) << " x " << along;
      }
    }
  }
}

// The radical's ink in design pixels of its 242 x 121 drawing: from the tick at the left edge
// to the end of the overline, from the overline's top to just below the lowest point.
constexpr double kInkLeft = 0, kInkRight = 237, kInkTop = 16, kInkBottom = 114;

// Stretched to any box the whole sign shows, scaled: a cropped sign misses the tick or has its
// overline too low.
TEST(Pictures, RadicalIsScaledToItsBoxNeverCropped) {
  const QSize boxes[] = {{100, 37}, {107, 51}, {81, 33}, {80, 37}, {242, 121}, {484, 242}};
  for (int dpr : {1, 2}) {
    for (QSize box : boxes) {
      const QPoint at(9, 5);
      const QImage image = Render("radical", box + QSize(20, 12), QRectF(at, box), dpr);
      const std::string name = std::to_string(box.width()) + "x" + std::to_string(box.height()) +
                               " dpr " + std::to_string(dpr);
      const QRect painted = Bounds(image, Painted);
      ASSERT_FALSE(painted.isEmpty()) << name;
      EXPECT_TRUE(QRect(at * dpr, box * dpr).contains(painted)) << name;

      const QRect ink = Bounds(image, Ink);
      const double sx = box.width() * dpr / 242.0, sy = box.height() * dpr / 121.0;
      const double slack = 1.5 * dpr;
      EXPECT_NEAR(ink.left(), at.x() * dpr + kInkLeft * sx, slack) << name;
      EXPECT_NEAR(ink.right() + 1, at.x() * dpr + kInkRight * sx, slack) << name;
      EXPECT_NEAR(ink.top(), at.y() * dpr + kInkTop * sy, slack) << name;
      // The lowest point lies below the centre line's end by part of a stroke width.
      EXPECT_GE(ink.bottom() + 1, at.y() * dpr + kInkBottom * sy) << name;
      EXPECT_LE(ink.bottom() + 1, (at.y() + box.height()) * dpr) << name;
    }
  }
}

// Counts the rows through the middle of the overline that are solid black and those that are
// only partly covered.
struct Profile {
  int solid = 0, partial = 0;
};
Profile OverlineProfile(const QImage& image, int x) {
  Profile p;
  for (int y = 0; y < image.height() / 2; ++y) {
    const int alpha = qAlpha(image.pixel(x, y));
    if (alpha == 255)
      ++p.solid;
    else if (alpha != 0)
      ++p.partial;
  }
  return p;
}

// At device pixel ratio 2 the sign is drawn again, not blown up: its overline stays a sharp
// band of whole device rows, scaled with the box but never thinner than one and a half pixels,
// and its slanted strokes get edge detail that a pixel-doubled image cannot have.
TEST(Pictures, RadicalIsCrispAtEveryPixelRatio) {
  struct Case {
    QSize box;
    int rows_at_1, rows_at_2;  // overline thickness in device rows
  };
  const Case cases[] = {
      {{242, 121}, 4, 8}, {{484, 242}, 8, 16}, {{100, 37}, 2, 3},
      {{107, 51}, 2, 3},  {{81, 33}, 2, 3},    {{80, 37}, 2, 3},
  };
  for (const auto& c : cases) {
    const std::string name = std::to_string(c.box.width()) + "x" + std::to_string(c.box.height());
    const QImage one = Render("radical", c.box, QRectF(QPoint(0, 0), c.box), 1);
    const QImage two = Render("radical", c.box, QRectF(QPoint(0, 0), c.box), 2);
    const Profile p1 = OverlineProfile(one, c.box.width() * 3 / 4);
    const Profile p2 = OverlineProfile(two, c.box.width() * 3 / 2);
    EXPECT_EQ(p1.partial, 0) << name;
    EXPECT_EQ(p2.partial, 0) << name;
    EXPECT_EQ(p1.solid, c.rows_at_1) << name;
    EXPECT_EQ(p2.solid, c.rows_at_2) << name;

    // 2 x 2 blocks of the dpr 2 image that are not one colour; pixel doubling leaves none.
    int mixed = 0;
    for (int y = 0; y + 1 < two.height(); y += 2)
      for (int x = 0; x + 1 < two.width(); x += 2) {
        const QRgb px = two.pixel(x, y);
        if (two.pixel(x + 1, y) != px || two.pixel(x, y + 1) != px || two.pixel(x + 1, y + 1) != px)
          ++mixed;
      }
    EXPECT_GE(mixed, c.box.height() / 2) << name;
  }
}

TEST(Pictures, IconHasTheDesktopSizesWithACrispBlackOverline) {
  const QIcon icon = RadicalIcon();
  const QList<QSize> sizes = icon.availableSizes();
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    const QImage image =
        icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size)) << size;
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, size - 1), QPoint(0, size - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << size;
    // The overline: a run of solid black pixels across at least a third of the icon, on a row
    // whose neighbours are free of half-covered pixels along it (aligned to the pixel grid).
    int best_run = 0, best_row = -1, best_end = 0;
    for (int y = 0; y < size; ++y) {
      int run = 0;
      for (int x = 0; x < size; ++x) {
        run = PureInk(image.pixel(x, y)) ? run + 1 : 0;
        if (run > best_run) best_run = run, best_row = y, best_end = x;
      }
    }
    EXPECT_GE(best_run, size / 3) << size;
    ASSERT_GE(best_row, 0) << size;
    for (int x = best_end - best_run / 2; x <= best_end; ++x) {
      for (int y = 0; y < size; ++y) {
        const int alpha = qAlpha(image.pixel(x, y));
        EXPECT_TRUE(alpha == 0 || alpha == 255) << size << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tovimel
