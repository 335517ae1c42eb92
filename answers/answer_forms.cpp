// SPDX-License-Identifier: MIT
// The fifteen answer forms, ShowHideEntry and the answer boxes' focus handler.
#include "answers/answer_forms.h"

#include <array>
#include <string>

#include "engine/answer_setup.h"
#include "engine/main_window.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

constexpr int kForms = optAnswerForm.count;

// How a form treats one answer box.
enum class Box {
  Shown,   // visible, emptied
  Hidden,  // invisible, holding the fixed (neutral) text
  Filled,  // visible, holding the fixed text (form 6's numerator "1")
};

struct BoxRule {
  Box how;
  const char* text;  // the fixed text of a Hidden or Filled box; "" for a Shown one
};

// One row of the boxes/radical/bar table.
struct Row {
  std::array<BoxRule, 4> boxes;
  const char* sign;   // caption of lblAdd(4)
  bool sign_visible;  // lblAdd(4) stays visible (step 1) unless the row hides it
  bool radical;       // imgRadical visible
  bool bar;           // lneViniculum visible
};

constexpr BoxRule kShown{Box::Shown, ""};
constexpr BoxRule kWhole0{Box::Hidden, "0"};
constexpr BoxRule kHidden1{Box::Hidden, "1"};
constexpr BoxRule kFilled1{Box::Filled, "1"};

// clang-format off
constexpr std::array<Row, kForms> kRows{{
    //  box 0    box 1     box 2     box 3      sign  shown  radical bar
    {{{kWhole0, kShown,   kShown,   kShown}},   " ", true,  true,  true},   // 0: K2 rt K3 / K5
    {{{kWhole0, kHidden1, kShown,   kShown}},   " ", false, true,  true},   // 1: rt K3 / K5
    {{{kWhole0, kShown,   kHidden1, kShown}},   " ", true,  false, true},   // 2: K2 / K5
    {{{kWhole0, kShown,   kShown,   kHidden1}}, " ", true,  true,  false},  // 3: K2 rt K3
    {{{kWhole0, kShown,   kHidden1, kHidden1}}, " ", true,  false, false},  // 4: K2
    {{{kWhole0, kHidden1, kShown,   kHidden1}}, " ", false, true,  false},  // 5: rt K3
    {{{kWhole0, kFilled1, kHidden1, kShown}},   " ", true,  false, true},   // 6: 1 / K5
    {{{kShown,  kShown,   kShown,   kShown}},   "+", true,  true,  true},   // 7: (K1 + K2 rt K3) / K5
    {{{kShown,  kShown,   kShown,   kShown}},   "-", true,  true,  true},   // 8: (K1 - K2 rt K3) / K5
    {{{kShown,  kHidden1, kShown,   kShown}},   "+", true,  true,  true},   // 9: (K1 + rt K3) / K5
    {{{kShown,  kHidden1, kShown,   kShown}},   "-", true,  true,  true},   // 10: (K1 - rt K3) / K5
    {{{kShown,  kShown,   kShown,   kHidden1}}, "+", true,  true,  false},  // 11: K1 + K2 rt K3
    {{{kShown,  kShown,   kShown,   kHidden1}}, "-", true,  true,  false},  // 12: K1 - K2 rt K3
    {{{kShown,  kHidden1, kShown,   kHidden1}}, "+", true,  true,  false},  // 13: K1 + rt K3
    {{{kShown,  kHidden1, kShown,   kHidden1}}, "-", true,  true,  false},  // 14: K1 - rt K3
}};
// clang-format on

void ApplyBoxes(Form& f, const Row& row) {
  f.setText(lblAdd[4], row.sign);
  f.setVisible(lblAdd[4], row.sign_visible);
  for (int k = 0; k < txtAnswer.count; ++k) {
    const BoxRule& rule = row.boxes[static_cast<std::size_t>(k)];
    f.setText(txtAnswer[k], rule.text);
    f.setVisible(txtAnswer[k], rule.how != Box::Hidden);
  }
  f.setVisible(imgRadical, row.radical);
  f.setVisible(lneViniculum, row.bar);
}

// Puts box 2 at `left` and keeps the radical at its home distance to it.
void PlaceRadicand(MainWindow& w, int left) {
  w.form.setLeft(txtAnswer[2], left);
  w.form.setLeft(imgRadical, left - (w.AnswerBoxHome[2] - w.RadicalHome));
}

void PlaceRadicandHome(MainWindow& w) {
  w.form.setLeft(txtAnswer[2], w.AnswerBoxHome[2]);
  w.form.setLeft(imgRadical, w.RadicalHome);
}

void SetX1(Form& f, double x) {
  f.set(lneViniculum, [x](Props& p) { p.x1 = x; });
}
void SetX2(Form& f, double x) {
  f.set(lneViniculum, [x](Props& p) { p.x2 = x; });
}

// The half-way right end of forms 4 to 6, a half twip included.
double HalfBar(const MainWindow& w) {
  return (w.form(lneViniculum).x1 + static_cast<double>(w.BarHomeX2)) / 2.0;
}

// The positions table. Sizes and current positions are read at the moment of use.
void ApplyPositions(MainWindow& w, int form) {
  Form& f = w.form;
  const auto sign_left = [&] { return static_cast<double>(f(lblAdd[4]).left); };
  const auto box1_plus_box2_width = [&] {
    return static_cast<double>(w.AnswerBoxHome[1]) + f(txtAnswer[2]).width;
  };
  switch (form) {
    case 0:
      PlaceRadicandHome(w);
      SetX1(f, sign_left());
      SetX2(f, w.BarHomeX2);
      break;
    case 1:
      PlaceRadicand(w, w.AnswerBoxHome[1]);
      SetX1(f, f(imgRadical).left);
      SetX2(f, box1_plus_box2_width());
      break;
    case 2:
      SetX1(f, sign_left());
      SetX2(f, box1_plus_box2_width());
      break;
    case 3:
      PlaceRadicandHome(w);
      SetX2(f, w.BarHomeX2);
      break;
    case 4:
      SetX2(f, HalfBar(w));
      break;
    case 5:
      PlaceRadicand(w, w.AnswerBoxHome[1]);
      SetX2(f, HalfBar(w));
      break;
    case 6:
      SetX2(f, HalfBar(w));
      SetX1(f, sign_left());
      break;
    case 7:
    case 8:
    case 11:
    case 12:
      PlaceRadicandHome(w);
      SetX1(f, w.BarHomeX1);
      SetX2(f, w.BarHomeX2);
      break;
    case 9:
    case 10:
    case 13:
    case 14:
      PlaceRadicand(w, w.AnswerBoxHome[1] + f(lblAdd[4]).width);
      break;
    default:
      break;
  }
}

}  // namespace

void optAnswerForm_Click(MainWindow& w, int index) {
  Form& f = w.form;
  f.setVisible(lblAdd[4], true);
  // There is no button to select for an index outside 0..14, and no row to apply: such an
  // index only moves the focus (step 4).
  if (index >= 0 && index < kForms) {
    f.select(optAnswerForm[index]);
    ApplyBoxes(f, kRows[static_cast<std::size_t>(index)]);
    ApplyPositions(w, index);
  }
  pickAnswerSlot(w);
}

void RestoreHiddenBoxes(MainWindow& w) {
  for (int i = 0; i < kForms; ++i) {
    if (!w.form(optAnswerForm[i]).selected) continue;
    const Row& row = kRows[static_cast<std::size_t>(i)];
    for (int k = 0; k < txtAnswer.count; ++k) {
      const BoxRule& rule = row.boxes[static_cast<std::size_t>(k)];
      if (rule.how == Box::Hidden) w.form.setText(txtAnswer[k], rule.text);
    }
    return;
  }
}

void ShowHideEntry(MainWindow& w, int show) {
  const bool visible = show != 0;
  for (int i = 7; i <= 14; ++i) w.form.setVisible(optAnswerForm[i], visible);
  for (const ControlName image : {Image6, Image4, Image14, Image15}) {
    w.form.setVisible(image, visible);
  }
}

void txtAnswer_GotFocus(MainWindow& w, int index) {
  if (index < 0 || index >= txtAnswer.count) return;
  const int length = static_cast<int>(w.form(txtAnswer[index]).text.size());
  w.form.setSelection(txtAnswer[index], 0, length);
}

}  // namespace tovimel
