// SPDX-License-Identifier: MIT
// The fifteen answer forms, one row each: which boxes the form shows, its sign, root and bar,
// where they move, what a screen reader calls it, and the picture beside its option button.
// Arranging the answer area, grading, answer setup, accessibility and the pictures all read this
// table; a change to an answer form is a change to its row.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "windows/controls.h"

namespace tovimel {

// The forms, in the order of optAnswerForm(0)..optAnswerForm(14).
enum class AnswerForm {
  ARootBOverC,
  RootBOverC,
  AOverC,
  ARootB,
  A,
  RootB,
  OneOverC,
  APlusBRootCOverD,
  AMinusBRootCOverD,
  APlusRootBOverC,
  AMinusRootBOverC,
  APlusBRootC,
  AMinusBRootC,
  APlusRootC,
  AMinusRootC,
};

constexpr int Index(AnswerForm form) {
  return static_cast<int>(form);
}

// How a form treats one answer box.
enum class Box {
  Shown,   // visible, emptied
  Hidden,  // invisible, holding the fixed (neutral) text
  Filled,  // visible, holding the fixed text (the "1" over a denominator)
};

struct BoxRule {
  Box how = Box::Shown;
  std::string_view text;  // the fixed text of a Hidden or Filled box; "" for a Shown one
};

// Where the radicand's box (box 2) goes; the root sign keeps its home distance to it.
enum class Radicand {
  Kept,       // where the previous form left it
  Home,       // its home
  UnderBox1,  // box 1's home, in the coefficient's place
  AfterSign,  // box 1's home plus the sign label's width
};
// The fraction bar's left end.
enum class BarStart {
  Kept,
  Home,
  Sign,     // the sign label's left edge
  Radical,  // the root sign's left edge, once placed
};
// The fraction bar's right end, set before its left one.
enum class BarEnd {
  Kept,
  Home,
  Box2,  // box 1's home plus box 2's width
  Half,  // half-way from the current left end to the home right end, a half twip included
};

// What an answer form's picture draws: rows of italic letters, upright "1", "±" and roots
// ("√b": a root over b), and its size in pixels.
struct Formula {
  std::string_view numerator;
  std::string_view denominator;  // empty: no fraction
  int width = 0, height = 0;
};

struct AnswerFormRow {
  std::array<BoxRule, 4> boxes;  // txtAnswer(0)..txtAnswer(3)
  std::string_view sign;         // caption of lblAdd(4)
  bool sign_visible;
  bool radical;  // imgRadical
  bool bar;      // lneViniculum
  Radicand radicand;
  BarStart bar_start;
  BarEnd bar_end;
  std::string_view shape;  // as a screen reader names the form
  ControlName picture;     // the picture beside the option button; a pair (+ above -) shares one
  // Drawn on the first row of the forms that share the picture.
  Formula drawn;
};

inline constexpr int kAnswerForms = frmTovimel3::optAnswerForm.count;

// Indexed by Index(form).
extern const std::array<AnswerFormRow, kAnswerForms> kAnswerFormTable;

inline const AnswerFormRow& RowOf(AnswerForm form) {
  return kAnswerFormTable[static_cast<std::size_t>(Index(form))];
}

// The forms a picture stands for: the first, and how many follow it (1, or 2 for a pair).
struct PictureForms {
  AnswerForm first;
  int count;
};
std::optional<PictureForms> FormsOfPicture(std::string_view image);

// How the picture of `image` is drawn; nullptr for a control that shows no form.
const AnswerFormRow* PictureRow(std::string_view image);

}  // namespace tovimel
