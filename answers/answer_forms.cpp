// SPDX-License-Identifier: MIT
// The fifteen answer forms, ShowHideEntry and the answer boxes' focus handler.
#include "answers/answer_forms.h"

#include <optional>
#include <string>

#include "engine/main_window.h"
#include "windows/answer_form_table.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

void ApplyBoxes(Form& f, const AnswerFormRow& row) {
  f.setText(lblAdd[4], std::string(row.sign));
  f.setVisible(lblAdd[4], row.sign_visible);
  for (int k = 0; k < txtAnswer.count; ++k) {
    const BoxRule& rule = row.boxes[static_cast<std::size_t>(k)];
    f.setText(txtAnswer[k], std::string(rule.text));
    f.setVisible(txtAnswer[k], rule.how != Box::Hidden);
  }
  f.setVisible(imgRadical, row.radical);
  f.setVisible(lneViniculum, row.bar);
}

void SetX1(Form& f, double x) {
  f.set(lneViniculum, [x](Props& p) { p.x1 = x; });
}
void SetX2(Form& f, double x) {
  f.set(lneViniculum, [x](Props& p) { p.x2 = x; });
}

// Moves the radicand, then the bar's ends. Sizes and current positions are read at the moment of
// use: the left end may follow the radical just placed, and a half-way right end starts from the
// left end the previous form left, so it is set first.
void ApplyPositions(MainWindow& w, const AnswerFormRow& row) {
  Form& f = w.form;
  std::optional<int> radicand;
  switch (row.radicand) {
    case Radicand::Kept:
      break;
    case Radicand::Home:
      radicand = w.AnswerBoxHome[2];
      break;
    case Radicand::UnderBox1:
      radicand = w.AnswerBoxHome[1];
      break;
    case Radicand::AfterSign:
      radicand = w.AnswerBoxHome[1] + f(lblAdd[4]).width;
      break;
  }
  if (radicand) {
    f.setLeft(txtAnswer[2], *radicand);
    f.setLeft(imgRadical, *radicand - (w.AnswerBoxHome[2] - w.RadicalHome));
  }
  const auto bar_end = [&] {
    switch (row.bar_end) {
      case BarEnd::Kept:
        break;
      case BarEnd::Home:
        SetX2(f, w.BarHomeX2);
        break;
      case BarEnd::Box2:
        SetX2(f, static_cast<double>(w.AnswerBoxHome[1]) + f(txtAnswer[2]).width);
        break;
      case BarEnd::Half:
        SetX2(f, (f(lneViniculum).x1 + static_cast<double>(w.BarHomeX2)) / 2.0);
        break;
    }
  };
  const auto bar_start = [&] {
    switch (row.bar_start) {
      case BarStart::Kept:
        break;
      case BarStart::Home:
        SetX1(f, w.BarHomeX1);
        break;
      case BarStart::Sign:
        SetX1(f, f(lblAdd[4]).left);
        break;
      case BarStart::Radical:
        SetX1(f, f(imgRadical).left);
        break;
    }
  };
  if (row.bar_end == BarEnd::Half) {
    bar_end();
    bar_start();
  } else {
    bar_start();
    bar_end();
  }
}

}  // namespace

void optAnswerForm_Click(MainWindow& w, int index) {
  Form& f = w.form;
  f.setVisible(lblAdd[4], true);
  // There is no button to select for an index outside 0..14, and no row to apply: such an
  // index only moves the focus (step 4).
  if (index >= 0 && index < kAnswerForms) {
    const AnswerFormRow& row = kAnswerFormTable[static_cast<std::size_t>(index)];
    f.select(optAnswerForm[index]);
    ApplyBoxes(f, row);
    ApplyPositions(w, row);
  }
  pickAnswerSlot(w);
}

void RestoreHiddenBoxes(MainWindow& w) {
  for (int i = 0; i < kAnswerForms; ++i) {
    if (!w.form(optAnswerForm[i]).selected) continue;
    const AnswerFormRow& row = kAnswerFormTable[static_cast<std::size_t>(i)];
    for (int k = 0; k < txtAnswer.count; ++k) {
      const BoxRule& rule = row.boxes[static_cast<std::size_t>(k)];
      if (rule.how == Box::Hidden) w.form.setText(txtAnswer[k], std::string(rule.text));
    }
    return;
  }
}

void ShowHideEntry(MainWindow& w, int show) {
  const bool visible = show != 0;
  for (int i = Index(AnswerForm::APlusBRootCOverD); i < kAnswerForms; ++i) {
    w.form.setVisible(optAnswerForm[i], visible);
  }
  // In the order the original window changed them.
  for (const ControlName image : {Image6, Image4, Image14, Image15}) {
    w.form.setVisible(image, visible);
  }
}

void txtAnswer_GotFocus(MainWindow& w, int index) {
  if (index < 0 || index >= txtAnswer.count) return;
  const int length = static_cast<int>(w.form(txtAnswer[index]).text.size());
  w.form.setSelection(txtAnswer[index], 0, length);
}

void pickAnswerSlot(MainWindow& w) {
  for (int k = 0; k < txtAnswer.count; ++k) {
    if (!w.form(txtAnswer[k]).visible) continue;
    // Giving a box the focus runs its focus handler. The form model runs no handler
    // for the control that already holds the focus, so run it here: form 6's "1" is selected
    // even when box 1 kept the focus through the change of form.
    if (w.form.hasFocus(txtAnswer[k])) {
      txtAnswer_GotFocus(w, k);
    } else {
      w.form.focus(txtAnswer[k]);
    }
    return;
  }
  // No box visible: the focus stays where it is.
}

}  // namespace tovimel
