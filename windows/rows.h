// SPDX-License-Identifier: MIT
// The rows of the problem and key frames, "N1 + N2 root N3" over "N4 + N5 root N6": which
// controls show them, and where their parts stand so that a long number neither runs into a root
// sign nor out from under its overline.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "windows/controls.h"
#include "windows/form.h"

namespace tovimel {

// One row, left to right: the whole part, the "+", the coefficient, the root sign, the radicand.
struct ProblemRow {
  ControlId whole, plus, coefficient, sign, radicand;
};

// A frame that shows a fraction of the problem template: its upper row, bar and lower row.
struct FractionRows {
  ControlName frame;
  ProblemRow upper;
  ControlName bar;
  ProblemRow lower;
};

// frmTovimel3's two fractions: the problem's and its key's.
inline constexpr std::array<FractionRows, 2> kFractionRows{{
    {frmTovimel3::fraProb,
     {frmTovimel3::lblProb[0], frmTovimel3::lblAdd[0], frmTovimel3::lblProb[1],
      frmTovimel3::imgUpperRadical, frmTovimel3::lblProb[2]},
     frmTovimel3::Line1,
     {frmTovimel3::lblProb[3], frmTovimel3::lblAdd[1], frmTovimel3::lblProb[4],
      frmTovimel3::imgLowerRadical, frmTovimel3::lblProb[5]}},
    {frmTovimel3::fraKey,
     {frmTovimel3::lblProb[6], frmTovimel3::lblAdd[2], frmTovimel3::lblProb[7], frmTovimel3::Image1,
      frmTovimel3::lblProb[8]},
     frmTovimel3::Line2,
     {frmTovimel3::lblProb[9], frmTovimel3::lblAdd[3], frmTovimel3::lblProb[10],
      frmTovimel3::Image5, frmTovimel3::lblProb[11]}},
}};

// The least room between the ink of two parts of a row: two pixels.
inline constexpr int kRowGap = 30;
// How far a widened overline reaches past its radicand's ink: four pixels.
inline constexpr int kOverhang = 60;

// One row as the arranger moves it, its parts in ProblemRow's order: where each part's box
// stands, and the ink it draws there (in twips from the box's top-left corner; none for a hidden
// part).
struct RowPart {
  int left = 0, width = 0;
  std::optional<InkBox> ink;
  int top = 0;
};
using RowParts = std::array<RowPart, 5>;
// The root sign's ink at another width of its box (the picture stretched along).
using SignInk = std::function<std::optional<InkBox>(int width)>;

// Places a row measured at its design places in a frame `frame_width` wide. A part keeps its
// place where it fits there; a root sign widens until its overline reaches kOverhang past its
// radicand; a coefficient, "+" or whole part that would come nearer than kRowGap to the ink on
// its right moves left to end just that far before it. A row too long for its frame narrows its
// sign to what the radicand needs; past the frame's right edge the row moves left as a whole,
// past its left edge its parts move right, each as far as the one before it needs. A radicand
// whose ink would come nearer than kRowGap to its overline's underside moves down, in whole
// pixels, until it does not: fonts differ in how far their digits rise. Returns false
// where the design must stand: nothing measured, or a sign that draws nothing once widened.
bool ArrangeRow(RowParts& row, int frame_width, const SignInk& sign_ink);

class RowArranger {
 public:
  // Remembers where the design puts every part of the rows.
  explicit RowArranger(const Form& design);

  // Places the shown parts of every row from their measured ink (ArrangeRow). Without a toolkit
  // to measure ink nothing moves.
  void arrange(Form& f) const;

 private:
  struct Home {
    int left = 0, width = 0, top = 0;
  };
  using Homes = std::array<Home, 5>;  // in the order of ProblemRow's parts
  void arrange(Form& f, const ProblemRow& row, const Homes& home) const;

  std::array<Homes, 4> homes_{};
};

}  // namespace tovimel
