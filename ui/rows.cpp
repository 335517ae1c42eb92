// SPDX-License-Identifier: MIT
#include "ui/rows.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/controls.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

constexpr int kPixel = 15;
// A frame's drawn edge, on either side, with room for the row's gap inside it.
constexpr int kFrameEdge = 3 * kPixel + kRowGap;
constexpr std::size_t kSign = 3, kRadicand = 4;

int FloorToPixel(double twips) {
  return static_cast<int>(std::floor(twips / kPixel)) * kPixel;
}

// A shift of at least `twips`, in whole pixels away from zero.
int OutToPixel(double twips) {
  const double pixels = twips / kPixel;
  return static_cast<int>(twips < 0 ? std::floor(pixels) : std::ceil(pixels)) * kPixel;
}

}  // namespace

const std::array<ProblemRow, 4>& ProblemRows() {
  static const std::array<ProblemRow, 4> rows{{
      {lblProb[0], lblAdd[0], lblProb[1], imgUpperRadical, lblProb[2]},
      {lblProb[3], lblAdd[1], lblProb[4], imgLowerRadical, lblProb[5]},
      {lblProb[6], lblAdd[2], lblProb[7], Image1, lblProb[8]},
      {lblProb[9], lblAdd[3], lblProb[10], Image5, lblProb[11]},
  }};
  return rows;
}

RowArranger::RowArranger(const Form& design) {
  for (std::size_t r = 0; r < ProblemRows().size(); ++r) {
    const ProblemRow& row = ProblemRows()[r];
    const ControlId parts[] = {row.whole, row.plus, row.coefficient, row.sign, row.radicand};
    for (std::size_t i = 0; i < homes_[r].size(); ++i) {
      homes_[r][i] = {design(parts[i]).left, design(parts[i]).width};
    }
  }
}

void RowArranger::arrange(Form& f) const {
  for (std::size_t r = 0; r < ProblemRows().size(); ++r) arrange(f, ProblemRows()[r], homes_[r]);
}

void RowArranger::arrange(Form& f, const ProblemRow& row, const Homes& home) const {
  const std::array<ControlId, 5> ids{row.whole, row.plus, row.coefficient, row.sign, row.radicand};
  std::array<Control, 5> at;  // each part as it is to stand
  std::array<std::optional<InkBox>, 5> ink;
  bool measured = false;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    at[i] = f.control(ids[i]);
    at[i].props.left = home[i].left;
    if (i == kSign) at[i].props.width = home[i].width;
    if (at[i].props.visible) ink[i] = f.ink(at[i]);
    measured = measured || ink[i].has_value();
  }
  if (!measured) return;  // no toolkit measures ink: the design stands

  // The sign's ink at another width of its box, the picture stretched along; whether its
  // overline then reaches `overhang` past the radicand.
  Control& sign = at[kSign];
  const auto sign_ink = [&](int width) {
    Control wider = sign;
    wider.props.width = width;
    return f.ink(wider);
  };
  const auto reaches = [&](const std::optional<InkBox>& s, int overhang) {
    return !ink[kRadicand] || (s && home[kSign].left + s->right >=
                                        home[kRadicand].left + ink[kRadicand]->right + overhang);
  };
  // Right to left from the sign: each part where the design has it, unless its ink would come
  // nearer than the gap to the ink on its right.
  const auto pack = [&] {
    std::optional<double> limit;
    if (ink[kSign]) limit = sign.props.left + ink[kSign]->left;
    for (std::size_t i = kSign; i-- > 0;) {
      if (!ink[i]) continue;
      int& left = at[i].props.left;
      left = home[i].left;
      if (limit && left + ink[i]->right > *limit - kRowGap) {
        left = FloorToPixel(*limit - kRowGap - ink[i]->right);
      }
      limit = left + ink[i]->left;
    }
  };
  // Where the row's ink begins and ends.
  double lo = 0, hi = 0;
  const auto span = [&] {
    bool any = false;
    for (std::size_t i = 0; i < ids.size(); ++i) {
      if (!ink[i]) continue;
      const double l = at[i].props.left + ink[i]->left, r = at[i].props.left + ink[i]->right;
      lo = any ? std::min(lo, l) : l;
      hi = any ? std::max(hi, r) : r;
      any = true;
    }
  };

  // Where the overline falls short of the radicand, the sign widens to overhang it.
  if (ink[kSign] && !reaches(ink[kSign], kRowGap)) {
    for (int step = 0; step < 400 && !reaches(ink[kSign], kOverhang); ++step) {
      sign.props.width += kPixel;
      ink[kSign] = sign_ink(sign.props.width);
    }
    if (!ink[kSign]) return;
  }
  pack();
  span();
  const int frame_width = f.control({sign.container}).props.width;
  const double first = kFrameEdge, last = frame_width - kFrameEdge;
  if (ink[kSign] && hi - lo > last - first) {
    // Too long for the frame: the overline gives up what it has beyond the radicand.
    for (auto narrower = sign_ink(sign.props.width - kPixel);
         sign.props.width > kPixel && narrower && reaches(narrower, kRowGap);
         narrower = sign_ink(sign.props.width - kPixel)) {
      sign.props.width -= kPixel;
      ink[kSign] = narrower;
    }
    span();
  }
  // Past the frame's right edge: the row moves left as a whole.
  if (hi > last) {
    const int by = OutToPixel(last - hi);
    for (std::size_t i = 0; i < ids.size(); ++i) {
      if (ink[i]) at[i].props.left += by;
    }
    span();
  }
  // Past its left edge: from the edge on, each part moves right as far as the one before it
  // needs, the sign taking its radicand along.
  if (lo < first) {
    double from = first;
    for (std::size_t i = 0; i <= kSign; ++i) {
      if (!ink[i]) continue;
      const int by = std::max(0, OutToPixel(from - ink[i]->left - at[i].props.left));
      at[i].props.left += by;
      if (i == kSign) at[kRadicand].props.left += by;
      from = at[i].props.left + ink[i]->right + kRowGap;
    }
  }

  for (std::size_t i = 0; i < ids.size(); ++i) {
    const int left = at[i].props.left;
    const int width = at[i].props.width;
    f.set(ids[i], [&](Props& p) {
      p.left = left;
      if (i == kSign) p.width = width;
    });
  }
}

}  // namespace tovimel
