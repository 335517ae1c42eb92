// SPDX-License-Identifier: MIT
// The row arranger's steps on plain rows with made-up ink, to the twip.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "windows/rows.h"

namespace tovimel {
namespace {

// A part whose ink runs from `from` to `to` (twips within its box); a part without ink is hidden.
RowPart Part(int left, int width, std::optional<std::pair<double, double>> ink) {
  RowPart p{left, width, std::nullopt};
  if (ink) p.ink = InkBox{ink->first, 0, ink->second, 300, std::nullopt};
  return p;
}
constexpr std::nullopt_t kHidden = std::nullopt;

// A root sign drawn from its box's left edge to a pixel before its right edge, at any width.
std::optional<InkBox> Sign(int width) {
  return InkBox{0, 0, static_cast<double>(width - 15), 500, std::nullopt};
}

struct Case {
  std::string what;
  int frame;
  RowParts row;  // whole, plus, coefficient, sign, radicand
  std::array<int, 5> lefts;
  int sign_width;
};

TEST(ArrangeRow, PlacesEachPartToTheTwip) {
  const Case cases[] = {
      // Radicand ink ends at 2800: the overline (2585) widens in whole pixels until it reaches
      // 4 pixels past it, 2860: 600 + 19 pixels.
      {"widened to overhang by 4 pixels",
       5000,
       {Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden), Part(2000, 600, {{0, 585}}),
        Part(2500, 300, {{0, 300}})},
       {0, 0, 0, 2000, 2500},
       885},
      // An overline already 2 pixels past its radicand stays as it is.
      {"an overline that reaches stays",
       5000,
       {Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden), Part(2000, 845, {{0, 830}}),
        Part(2500, 300, {{0, 300}})},
       {0, 0, 0, 2000, 2500},
       845},
      // The coefficient's ink (to 1990) comes within 2 pixels of the sign's (2000): it ends at
      // 1970 or before, on a whole pixel (1680); the "+" then ends 2 pixels before that.
      {"packed leftwards from the sign",
       5000,
       {Part(0, 0, kHidden), Part(1500, 200, {{0, 200}}), Part(1700, 290, {{0, 290}}),
        Part(2000, 900, {{0, 885}}), Part(2200, 300, {{0, 300}})},
       {0, 1440, 1680, 2000, 2200},
       900},
      // The row's ink ends a pixel past the frame's edge (4035 - 3 pixels - gap = 3960): the
      // row moves one pixel left.
      {"a pixel past the right edge",
       4035,
       {Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden), Part(3000, 990, {{0, 975}}),
        Part(3500, 445, {{0, 445}})},
       {0, 0, 0, 2985, 3485},
       990},
      // Five twips inside the edge: nothing moves.
      {"just inside the right edge",
       4035,
       {Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden), Part(3000, 970, {{0, 955}}),
        Part(3500, 420, {{0, 420}})},
       {0, 0, 0, 3000, 3500},
       970},
      // Ink from 45, left of the edge at 75: the whole part moves right by whole pixels (30),
      // the "+" already stands clear of it.
      {"past the left edge",
       4035,
       {Part(30, 200, {{15, 100}}), Part(200, 60, {{0, 60}}), Part(0, 0, kHidden),
        Part(400, 600, {{0, 585}}), Part(500, 300, {{0, 300}})},
       {60, 200, 0, 400, 500},
       600},
      // 300..1785 is wider than the frame's 1350 between its edges: the sign narrows to the
      // last width whose overline still ends 2 pixels past the radicand (840 >= 830).
      {"too long: the overline gives up its surplus",
       1500,
       {Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden), Part(300, 1500, {{0, 1485}}),
        Part(500, 300, {{0, 300}})},
       {0, 0, 0, 300, 500},
       555},
  };
  for (const Case& c : cases) {
    RowParts row = c.row;
    ASSERT_TRUE(ArrangeRow(row, c.frame, Sign)) << c.what;
    for (std::size_t i = 0; i < row.size(); ++i) {
      EXPECT_EQ(row[i].left, c.lefts[i]) << c.what << ", part " << i;
    }
    EXPECT_EQ(row[3].width, c.sign_width) << c.what;
  }
}

// A root sign at top 975 whose overline's underside is 95 twips down; radicands whose digits
// rise to different heights under it.
TEST(ArrangeRow, KeepsTheRadicandsInkClearOfItsOverline) {
  const struct {
    std::string what;
    double digits_top;  // the radicand's ink top within its box, which stands at 1050
    std::optional<double> overline_bottom;
    int top;  // where the radicand's box ends up
  } cases[] = {
      // 975 + 95 + 30 = 1100: ink from 1050 + 20 = 1070 moves down 2 pixels.
      {"digits reaching into the overline", 20, 95, 1080},
      {"digits exactly two pixels below it", 50, 95, 1050},
      {"digits well below it", 80, 95, 1050},
      // 1100 - 1099: a twip short is a whole pixel down.
      {"a twip short", 49, 95, 1065},
      {"a sign that tells no overline", 0, std::nullopt, 1050},
  };
  for (const auto& c : cases) {
    RowParts row{Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden),
                 Part(2280, 1215, {{0, 1200}}), Part(2820, 225, {{0, 225}})};
    row[3].top = 975;
    row[3].ink->overline_bottom = c.overline_bottom;
    row[4].top = 1050;
    row[4].ink->top = c.digits_top;
    ASSERT_TRUE(ArrangeRow(row, 4035, Sign)) << c.what;
    EXPECT_EQ(row[4].top, c.top) << c.what;
    EXPECT_EQ(row[3].top, 975) << c.what;
    EXPECT_EQ(row[4].left, 2820) << c.what;
  }
}

TEST(ArrangeRow, LeavesTheDesignWhereNothingIsMeasured) {
  RowParts nothing{};
  EXPECT_FALSE(ArrangeRow(nothing, 4035, Sign));
  // A sign that draws nothing once wider: the design stands.
  RowParts row{Part(0, 0, kHidden), Part(0, 0, kHidden), Part(0, 0, kHidden),
               Part(2000, 600, {{0, 585}}), Part(2500, 300, {{0, 300}})};
  EXPECT_FALSE(ArrangeRow(row, 4035, [](int) { return std::optional<InkBox>(); }));
}

}  // namespace
}  // namespace tovimel
