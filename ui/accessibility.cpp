// SPDX-License-Identifier: MIT
#include "ui/accessibility.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ui/answer_form_table.h"
#include "ui/controls.h"
#include "ui/layouts.h"
#include "ui/rows.h"

namespace tovimel {
namespace {

// What a control's description tells, beyond its name.
enum class Tells {
  Nothing,
  Text,      // its own caption: the value a named label shows (" 7" reads "7")
  Fraction,  // the fraction its frame shows, read aloud
  Mark,      // "right" or "wrong", from an answer box's colour after "&Submit"
  Sign,      // "plus" or "minus", from the sign label
};

// A control's name: a fixed text, the caption of another control, or (both empty) its own.
struct Row {
  ControlId id;
  std::string_view name = "";
  ControlId named_by{};
  Tells tells = Tells::Nothing;
};

std::vector<Row> MainRows() {
  using namespace frmTovimel3;
  std::vector<Row> rows = {
      {.id = fraProb, .tells = Tells::Fraction},
      {.id = fraKey, .tells = Tells::Fraction},
      {.id = fraTimer, .named_by = Label5},
      {.id = lblProbCount, .named_by = Label4, .tells = Tells::Text},
      {.id = lblRight, .named_by = Label1, .tells = Tells::Text},
      {.id = lblWrong, .named_by = Label2, .tells = Tells::Text},
      {.id = lblPercent, .named_by = Label3, .tells = Tells::Text},
      {.id = clock, .named_by = Label5, .tells = Tells::Text},
      {.id = vsbLevel, .named_by = fraLevel},
      {.id = lblLevel, .named_by = fraLevel, .tells = Tells::Text},
      {.id = Frame1, .name = "Answer forms"},
      {.id = Frame2, .name = "Answer boxes"},
      {.id = txtAnswer[0], .name = "whole part", .tells = Tells::Mark},
      {.id = txtAnswer[1], .name = "coefficient", .tells = Tells::Mark},
      {.id = txtAnswer[2], .name = "radicand", .tells = Tells::Mark},
      {.id = txtAnswer[3], .name = "denominator", .tells = Tells::Mark},
      {.id = lblAdd[4], .name = "sign", .tells = Tells::Sign},
      {.id = imgRadical, .name = "root sign"},
      {.id = lneViniculum, .name = "fraction bar"},
      {.id = lblPeriod, .name = "Period", .tells = Tells::Text},
      {.id = lblID, .name = "Student ID", .tells = Tells::Text},
      {.id = lblDate, .name = "Date", .tells = Tells::Text},
      {.id = lblName, .name = "Name", .tells = Tells::Text},
      {.id = lblTeacher, .name = "Teacher", .tells = Tells::Text},
  };
  // Each answer form and its picture, by the shape it stands for.
  for (int i = 0; i < optAnswerForm.count; ++i) {
    const AnswerFormRow& form = kAnswerFormTable[static_cast<std::size_t>(i)];
    rows.push_back({.id = optAnswerForm[i], .name = form.shape});
    if (PictureRow(form.picture.name) == &form) {
      rows.push_back({.id = form.picture, .name = PictureShape(form)});
    }
  }
  return rows;
}

std::vector<Row> SignInRows() {
  using namespace frmSignIn;
  return {
      {.id = txtPeriod, .named_by = Label1},
      {.id = txtID, .named_by = Label3},
      {.id = txtName, .named_by = lblNameTitle},
      {.id = txtTeacher, .named_by = Label2},
  };
}

const std::vector<Row>& RowsOf(const Form& form) {
  static const std::vector<Row> main = MainRows();
  static const std::vector<Row> sign_in = SignInRows();
  return form.is(frmSignIn::self) ? sign_in : main;
}

const Row* FindRow(const Form& form, const Control& c) {
  const std::vector<Row>& rows = RowsOf(form);
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
    return r.id.name == c.name && r.id.index == c.index;
  });
  return it == rows.end() ? nullptr : &*it;
}

bool NamesAnother(const Form& form, const Control& c) {
  const std::vector<Row>& rows = RowsOf(form);
  return std::any_of(rows.begin(), rows.end(),
                     [&](const Row& r) { return r.named_by.name == c.name; });
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string SignWord(std::string_view sign) {
  sign = TrimBlanks(sign);
  if (sign == "+") return "plus";
  if (sign == "-") return "minus";
  return "";
}

// A caption without its access-key marks: "E&xit" reads "Exit".
std::string Caption(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

bool Showing(const Form& form, const Control& c) {
  return form.window().props.visible &&
         !form.firstUp(c, [](const Control& at) { return !at.props.visible; });
}

// One row of the fraction: whole part, sign, coefficient, root, radicand, as far as they show.
struct Term {
  std::string text;
  bool sum = false;  // a shown sign joins two terms
};

Term ReadRow(const Form& form, const ProblemRow& row) {
  Term term;
  const auto add = [&](std::string_view word) {
    if (word.empty()) return;
    if (!term.text.empty()) term.text += ' ';
    term.text += word;
  };
  if (form(row.whole).visible) add(TrimBlanks(form(row.whole).text));
  if (form(row.plus).visible) {
    const std::string word = SignWord(form(row.plus).text);
    term.sum = !word.empty();
    add(word);
  }
  if (form(row.coefficient).visible) add(TrimBlanks(form(row.coefficient).text));
  if (form(row.sign).visible) add("root");
  if (form(row.radicand).visible) add(TrimBlanks(form(row.radicand).text));
  return term;
}

}  // namespace

bool Exposed(const Form& form, const Control& c) {
  using namespace frmTovimel3;
  if (c.kind == Kind::Timer || c.kind == Kind::Shape) return false;
  if (c.kind == Kind::Label && NamesAnother(form, c)) return false;
  if (c.name == lblProb.name) return false;
  if (c.name == lblAdd.name) return c.index == 4;
  for (const FractionRows& v : kFractionRows) {
    for (const ControlId part : {v.upper.sign, ControlId(v.bar), v.lower.sign}) {
      if (c.name == part.name) return false;
    }
  }
  return true;
}

std::string ReadFraction(const Form& form, ControlId frame) {
  for (const FractionRows& v : kFractionRows) {
    if (v.frame.name != frame.name) continue;
    const Term upper = ReadRow(form, v.upper);
    if (!form(v.bar).visible) return upper.text;
    const Term lower = ReadRow(form, v.lower);
    std::string out = upper.sum ? "the quantity " + upper.text + "," : upper.text;
    out += " over ";
    out += lower.sum ? "the quantity " + lower.text : lower.text;
    return out;
  }
  return "";
}

Spoken Speak(const Form& form, const Control& c) {
  if (!Exposed(form, c) || !Showing(form, c)) return {};
  const Row* row = FindRow(form, c);
  Spoken out;
  if (row && !row->name.empty()) {
    out.name = row->name;
  } else if (row && !row->named_by.name.empty()) {
    out.name = Caption(form.control(row->named_by).props.text);
  } else {
    out.name = Caption(c.props.text);
  }
  switch (row ? row->tells : Tells::Nothing) {
    case Tells::Nothing:
      break;
    case Tells::Text:
      out.description = TrimBlanks(c.props.text);
      break;
    case Tells::Fraction:
      out.description = ReadFraction(form, c.id());
      break;
    case Tells::Mark:
      if (c.props.back == kRightBox) out.description = "right";
      if (c.props.back == kWrongBox) out.description = "wrong";
      break;
    case Tells::Sign:
      out.description = SignWord(c.props.text);
      break;
  }
  return out;
}

std::optional<ControlId> EnterPresses(const Control& focused) {
  if (focused.name == frmTovimel3::txtAnswer.name) return ControlId(frmTovimel3::cmdSubmit);
  return std::nullopt;
}

std::optional<ControlId> EscapePresses(const Form& form) {
  if (form.is(frmSignIn::self)) return ControlId(frmSignIn::cmdExit);
  return std::nullopt;
}

std::optional<ControlId> PictureSelects(const Form& form, const Control& picture, int y) {
  using namespace frmTovimel3;
  // A picture serves its own form or, drawn with "±", a pair of them.
  const auto forms = FormsOfPicture(picture.name);
  if (!forms) return std::nullopt;
  const int first = Index(forms->first);
  const int at = picture.props.top + y;
  int best = first;
  for (int i = first; i < first + forms->count; ++i) {
    const auto centre = [&](int k) {
      const Props& o = form(optAnswerForm[k]);
      return std::abs(o.top + o.height / 2 - at);
    };
    if (centre(i) < centre(best)) best = i;
  }
  return optAnswerForm[best];
}

}  // namespace tovimel
