// SPDX-License-Identifier: MIT
// The rows of the problem and key frames, "N1 + N2 root N3" over "N4 + N5 root N6": where their
// parts stand so that a long number neither runs into a root sign nor out from under its
// overline.
#pragma once

#include <array>

#include "ui/form.h"

namespace tovimel {

// One row, left to right: the whole part, the "+", the coefficient, the root sign, the radicand.
struct ProblemRow {
  ControlId whole, plus, coefficient, sign, radicand;
};

// frmTovimel3's four rows: the problem's upper and lower row, then the key's.
const std::array<ProblemRow, 4>& ProblemRows();

// The least room between the ink of two parts of a row: two pixels.
inline constexpr int kRowGap = 30;
// How far a widened overline reaches past its radicand's ink: four pixels.
inline constexpr int kOverhang = 60;

class RowArranger {
 public:
  // Remembers where the design puts every part of the rows.
  explicit RowArranger(const Form& design);

  // Places the shown parts of every row from their measured ink. A part keeps its design place
  // where it fits there; a root sign widens until its overline reaches kOverhang past its
  // radicand; a coefficient, "+" or whole part that would come nearer than kRowGap to the ink on
  // its right moves left to end just that far before it. A row too long for its frame narrows its
  // sign to what the radicand needs; past the frame's right edge the row moves left as a whole,
  // past its left edge its parts move right, each as far as the one before it needs. Without a
  // toolkit to measure ink nothing moves.
  void arrange(Form& f) const;

 private:
  struct Home {
    int left = 0, width = 0;
  };
  using Homes = std::array<Home, 5>;  // in the order of ProblemRow's parts
  void arrange(Form& f, const ProblemRow& row, const Homes& home) const;

  std::array<Homes, 4> homes_{};
};

}  // namespace tovimel
