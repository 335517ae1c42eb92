// SPDX-License-Identifier: MIT
#include "windows/rows.h"

#include <algorithm>
#include <cmath>

namespace tovimel {
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

// The four rows in the order the arranger remembers them.
std::array<ProblemRow, 4> AllRows() {
  return {kFractionRows[0].upper, kFractionRows[0].lower, kFractionRows[1].upper,
          kFractionRows[1].lower};
}

// Whether the sign, drawing `sign`, has its overline reach `overhang` past the radicand's ink.
bool Reaches(const RowParts& row, const std::optional<InkBox>& sign, int overhang) {
  const RowPart& radicand = row[kRadicand];
  return !radicand.ink ||
         (sign && row[kSign].left + sign->right >= radicand.left + radicand.ink->right + overhang);
}

// Where the overline falls short of the radicand, the sign widens to overhang it. False when
// the sign then draws nothing.
bool WidenSign(RowParts& row, const SignInk& sign_ink) {
  RowPart& sign = row[kSign];
  if (!sign.ink || Reaches(row, sign.ink, kRowGap)) return true;
  for (int step = 0; step < 400 && !Reaches(row, sign.ink, kOverhang); ++step) {
    sign.width += kPixel;
    sign.ink = sign_ink(sign.width);
  }
  return sign.ink.has_value();
}

// Right to left from the sign: each part where it stands, unless its ink would come nearer than
// the gap to the ink on its right.
void Pack(RowParts& row) {
  std::optional<double> limit;
  if (row[kSign].ink) limit = row[kSign].left + row[kSign].ink->left;
  for (std::size_t i = kSign; i-- > 0;) {
    RowPart& part = row[i];
    if (!part.ink) continue;
    if (limit && part.left + part.ink->right > *limit - kRowGap) {
      part.left = FloorToPixel(*limit - kRowGap - part.ink->right);
    }
    limit = part.left + part.ink->left;
  }
}

// Where the row's ink begins and ends.
struct Span {
  double lo = 0, hi = 0;
};
Span SpanOf(const RowParts& row) {
  Span span;
  bool any = false;
  for (const RowPart& part : row) {
    if (!part.ink) continue;
    const double l = part.left + part.ink->left, r = part.left + part.ink->right;
    span.lo = any ? std::min(span.lo, l) : l;
    span.hi = any ? std::max(span.hi, r) : r;
    any = true;
  }
  return span;
}

// Too long for the frame: the overline gives up what it has beyond the radicand.
void NarrowSign(RowParts& row, double room, const SignInk& sign_ink) {
  RowPart& sign = row[kSign];
  const Span span = SpanOf(row);
  if (!sign.ink || span.hi - span.lo <= room) return;
  for (auto narrower = sign_ink(sign.width - kPixel);
       sign.width > kPixel && narrower && Reaches(row, narrower, kRowGap);
       narrower = sign_ink(sign.width - kPixel)) {
    sign.width -= kPixel;
    sign.ink = narrower;
  }
}

// Past the frame's right edge `last`: the row moves left as a whole.
void IntoFrameFromTheRight(RowParts& row, double last) {
  const Span span = SpanOf(row);
  if (span.hi <= last) return;
  const int by = OutToPixel(last - span.hi);
  for (RowPart& part : row) {
    if (part.ink) part.left += by;
  }
}

// Past its left edge `first`: from the edge on, each part moves right as far as the one before
// it needs, the sign taking its radicand along.
void IntoFrameFromTheLeft(RowParts& row, double first) {
  if (SpanOf(row).lo >= first) return;
  double from = first;
  for (std::size_t i = 0; i <= kSign; ++i) {
    RowPart& part = row[i];
    if (!part.ink) continue;
    const int by = std::max(0, OutToPixel(from - part.ink->left - part.left));
    part.left += by;
    if (i == kSign) row[kRadicand].left += by;
    from = part.left + part.ink->right + kRowGap;
  }
}

// The radicand stays a gap below its overline, whatever the font's digits rise to.
void UnderTheOverline(RowParts& row) {
  const RowPart& sign = row[kSign];
  RowPart& radicand = row[kRadicand];
  if (!sign.ink || !sign.ink->overline_bottom || !radicand.ink) return;
  const double below = sign.top + *sign.ink->overline_bottom + kRowGap;
  const double ink_top = radicand.top + radicand.ink->top;
  if (ink_top < below) radicand.top += OutToPixel(below - ink_top);
}

}  // namespace

bool ArrangeRow(RowParts& row, int frame_width, const SignInk& sign_ink) {
  if (std::none_of(row.begin(), row.end(), [](const RowPart& p) { return p.ink.has_value(); })) {
    return false;
  }
  if (!WidenSign(row, sign_ink)) return false;
  Pack(row);
  const double first = kFrameEdge, last = frame_width - kFrameEdge;
  NarrowSign(row, last - first, sign_ink);
  IntoFrameFromTheRight(row, last);
  IntoFrameFromTheLeft(row, first);
  UnderTheOverline(row);
  return true;
}

RowArranger::RowArranger(const Form& design) {
  const auto rows = AllRows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const ProblemRow& row = rows[r];
    const ControlId parts[] = {row.whole, row.plus, row.coefficient, row.sign, row.radicand};
    for (std::size_t i = 0; i < homes_[r].size(); ++i) {
      homes_[r][i] = {design(parts[i]).left, design(parts[i]).width, design(parts[i]).top};
    }
  }
}

void RowArranger::arrange(Form& f) const {
  const auto rows = AllRows();
  for (std::size_t r = 0; r < rows.size(); ++r) arrange(f, rows[r], homes_[r]);
}

void RowArranger::arrange(Form& f, const ProblemRow& row, const Homes& home) const {
  const std::array<ControlId, 5> ids{row.whole, row.plus, row.coefficient, row.sign, row.radicand};
  RowParts parts;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    // Each part measured at its design place (the sign at its design width).
    Control at = f.control(ids[i]);
    at.props.left = home[i].left;
    if (i == kSign) at.props.width = home[i].width;
    if (i == kRadicand) at.props.top = home[i].top;
    parts[i] = {at.props.left, at.props.width,
                at.props.visible ? f.ink(at) : std::optional<InkBox>(), at.props.top};
  }
  const Control& sign = f.control(row.sign);
  const SignInk sign_ink = [&](int width) {
    Control wider = sign;
    wider.props.width = width;
    return f.ink(wider);
  };
  const int frame_width = f.control({sign.container}).props.width;
  if (!ArrangeRow(parts, frame_width, sign_ink)) return;

  for (std::size_t i = 0; i < ids.size(); ++i) {
    const RowPart& part = parts[i];
    f.set(ids[i], [&](Props& p) {
      p.left = part.left;
      if (i == kSign) p.width = part.width;
      if (i == kRadicand) p.top = part.top;
    });
  }
}

}  // namespace tovimel
