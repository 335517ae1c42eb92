// SPDX-License-Identifier: MIT
#include "windows/accessibility.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "windows/answer_form_table.h"
#include "windows/controls.h"
#include "windows/layouts.h"
#include "windows/rows.h"
#include "windows/teacher_code.h"
#include "windows/text.h"
#include "windows/translate.h"

namespace tovimel {
namespace {

// Every sentence and phrase the program speaks, whole, with numbered places (%1, %2, ...) for
// what changes. Each is translated whole before its places are filled, so another language
// orders the words its own way.
enum class Say {
  Plus,
  Minus,
  Sum,         // a whole part and a root term
  Difference,  // a whole part less a root term
  Negative,    // a root term alone, negative
  Root,
  TimesRoot,
  Over,
  QuantityOver,  // a sum in the numerator
  Quantity,      // a sum in the denominator
  Right,
  Wrong,
  ListJoin,
  NoProblemYet,
  NewProblem,
  ProblemAgain,
  AllRight,
  RunEnded,
  WrongParts,
  WrongPartsNewForm,
  FormChosen,
  LevelChosen,
  KeyShown,
  KeyHidden,
  PagePrinted,
  PageHeld,
  PageRefused,
  PageSaved,
  PageNotWritten,
  TwoSentences,
  SaveOffered,
  Count
};

constexpr std::string_view kSay[] = {
    QT_TRANSLATE_NOOP("Speech", "plus"),
    QT_TRANSLATE_NOOP("Speech", "minus"),
    QT_TRANSLATE_NOOP("Speech", "%1 plus %2"),
    QT_TRANSLATE_NOOP("Speech", "%1 minus %2"),
    QT_TRANSLATE_NOOP("Speech", "minus %1"),
    QT_TRANSLATE_NOOP("Speech", "root %1"),
    QT_TRANSLATE_N_NOOP("Speech", "%n root %1"),
    QT_TRANSLATE_NOOP("Speech", "%1 over %2"),
    QT_TRANSLATE_NOOP("Speech", "the quantity %1,"),
    QT_TRANSLATE_NOOP("Speech", "the quantity %1"),
    QT_TRANSLATE_NOOP("Speech", "right"),
    QT_TRANSLATE_NOOP("Speech", "wrong"),
    QT_TRANSLATE_NOOP("Speech", "%1, %2"),
    QT_TRANSLATE_NOOP("Speech", "No problem yet. Start is Shift+Tab away: press Enter on it."),
    QT_TRANSLATE_NOOP("Speech", "Problem %1 of %2: %3. Answer form %4."),
    QT_TRANSLATE_NOOP("Speech", "Simplify %1. Answer form %2."),
    QT_TRANSLATE_NOOP("Speech", "Right. %1 right of %2, grade %3."),
    QT_TRANSLATE_NOOP("Speech", "Right. Run over: %1 right of %2, grade %3, time %4."),
    QT_TRANSLATE_NOOP("Speech", "Wrong: %1."),
    QT_TRANSLATE_NOOP("Speech", "Wrong: %1. Now the answer form %2."),
    QT_TRANSLATE_NOOP("Speech", "Answer form %1."),
    QT_TRANSLATE_NOOP("Speech", "Level %1."),
    QT_TRANSLATE_NOOP("Speech", "Answer key: %1."),
    QT_TRANSLATE_NOOP("Speech", "Enter shows the answer key."),
    QT_TRANSLATE_NOOP("Speech", "The page went to the printer %1."),
    QT_TRANSLATE_NOOP(
        "Speech",
        "The printer %1 is stopped: the page waits in its queue until someone starts the printer."),
    QT_TRANSLATE_NOOP("Speech", "The printer %1 did not take the page: %2."),
    QT_TRANSLATE_NOOP("Speech", "The page was saved as %1."),
    QT_TRANSLATE_NOOP("Speech", "The page could not be saved as %1: %2. Nothing of it was kept."),
    QT_TRANSLATE_NOOP("Speech", "%1 %2"),
    QT_TRANSLATE_NOOP("Speech", "Enter saves the page as %1; or choose a printer."),
};
static_assert(std::size(kSay) == static_cast<std::size_t>(Say::Count));

// The pattern with its places filled in order; a place past the arguments stays empty.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9') {
      const auto n = static_cast<std::size_t>(next - '1');
      if (n < args.size()) out += *(args.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string Fill(Say what, std::initializer_list<std::string_view> args = {}) {
  return FillPattern(Translate(tr_context::kSpeech, kSay[static_cast<std::size_t>(what)]), args);
}

// "3 root 2": the coefficient is the pattern's count, so that a language whose word for root
// follows its number says "3 корня из 2" and "5 корней из 2". Read as the program reads numbers.
std::string TimesRoot(std::string_view coefficient, std::string_view radicand) {
  const long long read = std::atoll(std::string(Trim(coefficient)).c_str());
  const int count = static_cast<int>(std::clamp<long long>(read, 0, INT_MAX));
  const std::string pattern =
      TranslateCount(tr_context::kSpeech, kSay[static_cast<std::size_t>(Say::TimesRoot)], count);
  return FillPattern(pattern, {radicand});
}

// What a control tells, beyond a fixed name.
enum class Tells {
  Nothing,
  Value,    // its own caption, in its name: "Right 7" for a label showing " 7"
  Problem,  // the problem its frame shows, read aloud, in its name
  Key,      // the key its frame shows, as its value, in its name
  Mark,     // "right" or "wrong", from an answer box's colour after "&Submit" graded it
  Sign,     // "plus" or "minus", from the sign label, in its name
  Guard,    // the period label: how to reveal the key while that is possible
};

// A control's name: a pattern whose %1 is what it tells, the caption of another control, or
// (both empty) its own caption. `named_by` is a caption label that speaks only through it.
struct Row {
  ControlId id;
  std::string_view name = "";
  ControlId named_by{};
  Tells tells = Tells::Nothing;
  bool gathers = false;  // a frame whose controls speak for themselves: it goes unnamed
};

std::vector<Row> MainRows() {
  using namespace frmTovimel3;
  // clang-format off
  std::vector<Row> rows = {
      {.id = fraProb, .name = QT_TRANSLATE_NOOP("Speech", "Simplify %1"), .tells = Tells::Problem},
      {.id = fraKey, .name = QT_TRANSLATE_NOOP("Speech", "Key %1"), .tells = Tells::Key},
      {.id = fraTimer, .named_by = Label5},
      {.id = lblProbCount, .name = QT_TRANSLATE_NOOP("Speech", "Problem %1"), .named_by = Label4, .tells = Tells::Value},
      {.id = lblRight, .name = QT_TRANSLATE_NOOP("Speech", "Right %1"), .named_by = Label1, .tells = Tells::Value},
      {.id = lblWrong, .name = QT_TRANSLATE_NOOP("Speech", "Total %1"), .named_by = Label2, .tells = Tells::Value},
      {.id = lblPercent, .name = QT_TRANSLATE_NOOP("Speech", "Grade %1"), .named_by = Label3, .tells = Tells::Value},
      {.id = clock, .name = QT_TRANSLATE_NOOP("Speech", "Time %1"), .named_by = Label5, .tells = Tells::Value},
      {.id = vsbLevel, .name = QT_TRANSLATE_NOOP("Speech", "Level %1"), .named_by = fraLevel, .tells = Tells::Value},
      {.id = Frame1, .name = QT_TRANSLATE_NOOP("Speech", "Answer forms")},
      {.id = fraAnswer, .tells = Tells::Nothing, .gathers = true},
      {.id = Frame2, .tells = Tells::Nothing, .gathers = true},
      {.id = txtAnswer[0], .name = QT_TRANSLATE_NOOP("Speech", "whole part"), .tells = Tells::Mark},
      {.id = txtAnswer[1], .name = QT_TRANSLATE_NOOP("Speech", "coefficient"), .tells = Tells::Mark},
      {.id = txtAnswer[2], .name = QT_TRANSLATE_NOOP("Speech", "radicand"), .tells = Tells::Mark},
      {.id = txtAnswer[3], .name = QT_TRANSLATE_NOOP("Speech", "denominator"), .tells = Tells::Mark},
      {.id = lblAdd[4], .name = QT_TRANSLATE_NOOP("Speech", "sign %1"), .tells = Tells::Sign},
      {.id = lblPeriod, .name = QT_TRANSLATE_NOOP("Speech", "Period %1"), .tells = Tells::Guard},
      {.id = lblID, .name = QT_TRANSLATE_NOOP("Speech", "Student ID %1"), .tells = Tells::Value},
      {.id = lblDate, .name = QT_TRANSLATE_NOOP("Speech", "Date %1"), .tells = Tells::Value},
      {.id = lblName, .name = QT_TRANSLATE_NOOP("Speech", "Name %1"), .tells = Tells::Value},
      {.id = lblTeacher, .name = QT_TRANSLATE_NOOP("Speech", "Teacher %1"), .tells = Tells::Value},
  };
  // clang-format on
  // Each answer form by the shape it stands for; its picture says nothing more.
  for (int i = 0; i < optAnswerForm.count; ++i) {
    rows.push_back(
        {.id = optAnswerForm[i], .name = kAnswerFormTable[static_cast<std::size_t>(i)].shape});
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

std::string SignWord(std::string_view sign) {
  sign = Trim(sign);
  if (sign == "+") return Fill(Say::Plus);
  if (sign == "-") return Fill(Say::Minus);
  return "";
}

// A caption without its access-key marks: "E&xit" reads "Exit". A key marked after the caption
// in parentheses, as Hebrew and Arabic do it ("יציאה (&X)"), is not read at all.
std::string Caption(std::string_view text) {
  constexpr std::string_view kAfter = " (&";
  if (const auto at = text.rfind(kAfter);
      at != std::string_view::npos && at + kAfter.size() + 2 == text.size() && text.back() == ')') {
    text = text.substr(0, at);
  }
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

// One row of the fraction, as far as its parts show: whole part, sign, coefficient, root,
// radicand. `sum` tells whether a shown sign joins two terms.
struct Term {
  std::string text;
  bool sum = false;
};

Term ReadRow(const Form& form, const ProblemRow& row) {
  const auto shown = [&](ControlId part) {
    return form(part).visible ? std::string(Trim(form(part).text)) : "";
  };
  const std::string whole = shown(row.whole), coefficient = shown(row.coefficient),
                    radicand = shown(row.radicand);
  std::string term = coefficient;
  if (form(row.sign).visible) {
    term = coefficient.empty() ? Fill(Say::Root, {radicand}) : TimesRoot(coefficient, radicand);
  } else if (!radicand.empty()) {
    term = coefficient.empty() ? radicand : TimesRoot(coefficient, radicand);
  }
  if (whole.empty()) return {term};
  if (term.empty()) return {whole};
  const std::string sign = shown(row.plus);
  if (sign == "+") return {Fill(Say::Sum, {whole, term}), true};
  if (sign == "-") return {Fill(Say::Difference, {whole, term}), true};
  return {whole + " " + term};
}

// A fraction from its two rows: a sum above or below the bar is read as a quantity.
std::string ReadOver(const Term& upper, const Term& lower) {
  return Fill(Say::Over, {upper.sum ? Fill(Say::QuantityOver, {upper.text}) : upper.text,
                          lower.sum ? Fill(Say::Quantity, {lower.text}) : lower.text});
}

// a + b root c as a value: no zero whole part, no root of 1, no coefficient 1, a negative
// coefficient as "minus".
Term ReadValue(long long a, long long b, long long c) {
  std::string root;
  if (b != 0) {
    const std::string size = std::to_string(b < 0 ? -b : b);
    if (c == 1) {
      root = size;
    } else {
      root =
          size == "1" ? Fill(Say::Root, {std::to_string(c)}) : TimesRoot(size, std::to_string(c));
    }
  }
  if (root.empty()) return {std::to_string(a)};
  if (a == 0) return {b < 0 ? Fill(Say::Negative, {root}) : root};
  return {Fill(b < 0 ? Say::Difference : Say::Sum, {std::to_string(a), root}), true};
}

// A key row's value from the numbers it holds, shown or not.
Term ReadKeyRow(const Form& form, const ProblemRow& row) {
  const auto number = [&](ControlId label) {
    return std::atoll(std::string(Trim(form(label).text)).c_str());
  };
  return ReadValue(number(row.whole), number(row.coefficient), number(row.radicand));
}

// The key's meaning: (K1 + K2 root K3) / (K4 + K5 root K6), without what adds or multiplies
// nothing. "5 minus root 5", "105", "the quantity 3 plus root 2, over 7".
std::string ReadKey(const Form& form) {
  const auto key = std::find_if(kFractionRows.begin(), kFractionRows.end(), [](const auto& v) {
    return v.frame.name == frmTovimel3::fraKey.name;
  });
  const Term upper = ReadKeyRow(form, key->upper);
  const Term lower = ReadKeyRow(form, key->lower);
  if (lower.text == "1") return upper.text;
  return ReadOver(upper, lower);
}

int SelectedForm(const Form& form) {
  for (int i = 0; i < frmTovimel3::optAnswerForm.count; ++i) {
    if (form(frmTovimel3::optAnswerForm[i]).selected) return i;
  }
  return -1;
}

std::string FormName(const Form& form, int index) {
  if (index < 0) return "";
  const Row* row = FindRow(form, form.control(frmTovimel3::optAnswerForm[index]));
  return row ? Translate(tr_context::kSpeech, row->name) : "";
}

std::string ScoreValue(const Form& form, ControlId label) {
  return std::string(Trim(form(label).text));
}

bool NoProblemYet(const Form& form) {
  using namespace frmTovimel3;
  return form(cmdStart).enabled && Trim(form(lblProbCount).text) == "0";
}

bool KeyCanBeShown(const Form& form) {
  using namespace frmTovimel3;
  return form(lblPeriod).text == kTeacherCode && !form(fraKey).visible &&
         form.window().props.enabled;
}

}  // namespace

std::string CueSaid(const Form& form) {
  using namespace frmTovimel3;
  // The sign-in window has no cues.
  if (form.cue() == Cue::None || form.is(frmSignIn::self)) return "";
  const std::string problem = ReadFraction(form, fraProb);
  const std::string shape = FormName(form, SelectedForm(form));
  switch (form.cue()) {
    case Cue::None:
      return "";
    case Cue::Problem:
      if (form.cueDetail() < 0) return Fill(Say::ProblemAgain, {problem, shape});
      return Fill(Say::NewProblem, {ScoreValue(form, lblProbCount),
                                    std::to_string(form.cueDetail()), problem, shape});
    case Cue::Verdict: {
      if (form(cmdPrintIt).visible) {
        return Fill(Say::RunEnded, {ScoreValue(form, lblRight), ScoreValue(form, lblWrong),
                                    ScoreValue(form, lblPercent), ScoreValue(form, clock)});
      }
      if (!form(cmdSubmit).enabled) {
        return Fill(Say::AllRight, {ScoreValue(form, lblRight), ScoreValue(form, lblWrong),
                                    ScoreValue(form, lblPercent)});
      }
      std::string parts;
      for (int k = 0; k < txtAnswer.count; ++k) {
        if (form(txtAnswer[k]).back != kWrongBox) continue;
        const std::string part =
            Translate(tr_context::kSpeech, FindRow(form, form.control(txtAnswer[k]))->name);
        parts = parts.empty() ? part : Fill(Say::ListJoin, {parts, part});
      }
      const int now = SelectedForm(form);
      return now == form.cueDetail() ? Fill(Say::WrongParts, {parts})
                                     : Fill(Say::WrongPartsNewForm, {parts, shape});
    }
    case Cue::Form:
      return Fill(Say::FormChosen, {shape});
    case Cue::Level:
      return Fill(Say::LevelChosen, {std::to_string(form(vsbLevel).value)});
    case Cue::KeyShown:
      return Fill(Say::KeyShown, {ReadKey(form)});
    case Cue::PageWent:
      return form(lblPageWent).visible ? form(lblPageWent).text : "";
  }
  return "";
}

std::string PageWentSaid(const PageWent& page) {
  // A reason of its own may end with a full stop; the sentence brings its own.
  std::string_view why = Trim(page.why);
  while (!why.empty() && why.back() == '.') why.remove_suffix(1);
  switch (page.to) {
    case PageWent::To::Nowhere:
      return "";
    case PageWent::To::Printer:
      return Fill(Say::PagePrinted, {page.where});
    case PageWent::To::Held:
      return Fill(Say::PageHeld, {page.where});
    case PageWent::To::Refused:
      return Fill(Say::PageRefused, {page.where, why});
    case PageWent::To::File:
      return Fill(Say::PageSaved, {page.where});
    case PageWent::To::NotWritten:
      return Fill(Say::PageNotWritten, {page.where, why});
  }
  return "";
}

std::string SaveOfferedSaid(std::string_view file) {
  return Fill(Say::SaveOffered, {file});
}

std::string BothSaid(std::string_view first, std::string_view second) {
  if (first.empty()) return std::string(second);
  if (second.empty()) return std::string(first);
  return Fill(Say::TwoSentences, {first, second});
}

bool Exposed(const Form& form, const Control& c) {
  using namespace frmTovimel3;
  // Pictures show what their option buttons say; roots and bars are read with their numbers.
  if (c.kind == Kind::Timer || c.kind == Kind::Shape || c.kind == Kind::Image ||
      c.kind == Kind::Line) {
    return false;
  }
  if (c.kind == Kind::Label && NamesAnother(form, c)) return false;
  // The number beside the scroll bar is the scroll bar's value.
  if (c.name == lblProb.name || c.name == lblLevel.name) return false;
  if (c.name == lblAdd.name) return c.index == 4;
  return true;
}

bool Gathers(const Form& form, const Control& c) {
  const Row* row = FindRow(form, c);
  return row && row->gathers;
}

bool Heard(const Form& form, const Control& c) {
  if (!Exposed(form, c) || !Showing(form, c)) return false;
  // The level's caption says what the scroll bar says, while that shows.
  if (c.name == frmTovimel3::lblLevelShow.name && form(frmTovimel3::fraLevel).visible) {
    return false;
  }
  // A blank sign shows nothing.
  const Row* row = FindRow(form, c);
  return !(row && row->tells == Tells::Sign && SignWord(c.props.text).empty());
}

std::string ReadFraction(const Form& form, ControlId frame) {
  for (const FractionRows& v : kFractionRows) {
    if (v.frame.name != frame.name) continue;
    const Term upper = ReadRow(form, v.upper);
    if (!form(v.bar).visible) return upper.text;
    const Term lower = ReadRow(form, v.lower);
    return ReadOver(upper, lower);
  }
  return "";
}

std::string ArrivalSaid(const Form& form, const Control& c) {
  const Row* row = FindRow(form, c);
  if (!row || row->tells != Tells::Mark || !Heard(form, c) || !NoProblemYet(form)) return "";
  return Fill(Say::NoProblemYet);
}

Spoken Speak(const Form& form, const Control& c, News news) {
  if (!Heard(form, c)) return {};
  const Row* row = FindRow(form, c);
  const Tells tells = row ? row->tells : Tells::Nothing;
  Spoken out;
  std::string value;
  switch (tells) {
    case Tells::Nothing:
    case Tells::Mark:
      break;
    case Tells::Value:
    case Tells::Guard:
      value = c.kind == Kind::ScrollBar ? std::to_string(c.props.value)
                                        : std::string(Trim(c.props.text));
      break;
    case Tells::Problem:
      value = ReadFraction(form, c.id());
      break;
    case Tells::Key:
      value = ReadKey(form);
      break;
    case Tells::Sign:
      value = SignWord(c.props.text);
      break;
  }
  if (row && row->gathers) {
    // No name: a screen reader passes over an unnamed panel, and the focus moving into it says
    // only the box or form it comes to.
  } else if (row && !row->name.empty()) {
    out.name = FillPattern(Translate(tr_context::kSpeech, row->name), {value});
  } else if (row && !row->named_by.name.empty()) {
    out.name = Caption(ShownText(form.control(row->named_by)));
  } else {
    out.name = Caption(ShownText(c));
  }
  // A box the retry form has just shown had no answer to grade, whatever its colour.
  if (tells == Tells::Mark && c.props.graded) {
    if (c.props.back == kRightBox) out.description = Fill(Say::Right);
    if (c.props.back == kWrongBox) out.description = Fill(Say::Wrong);
  }
  if (tells == Tells::Guard && KeyCanBeShown(form)) out.description = Fill(Say::KeyHidden);
  if (news == News::Announced) return out;
  if (std::string arrival = ArrivalSaid(form, c); !arrival.empty()) {
    out.description = std::move(arrival);
  }
  if (form.cue() != Cue::None && form.hasFocus(c.id())) {
    if (std::string cue = CueSaid(form); !cue.empty()) out.description = std::move(cue);
  }
  return out;
}

bool EnterIsOwn(const Control& focused) {
  return focused.name == frmTovimel3::txtAnswer.name;
}

std::optional<ControlId> EnterPresses(const Form& form, const Control& focused) {
  using namespace frmTovimel3;
  if (focused.name != txtAnswer.name) return std::nullopt;
  // A doubled Enter after a wrong answer meets emptied boxes: it must not count as an answer.
  for (int k = 0; k < txtAnswer.count; ++k) {
    const Props& box = form(txtAnswer[k]);
    if (box.visible && !Trim(box.text).empty()) return ControlId(cmdSubmit);
  }
  return std::nullopt;
}

bool TakesKeyboardFocus(const Form& form, const Control& c) {
  return c.name == frmTovimel3::lblPeriod.name && KeyCanBeShown(form);
}

bool GuardsDoubledEnter(const Control& button) {
  return button.name == frmTovimel3::cmdPrintIt.name;
}

std::optional<ControlId> SayAgainPresses(const Form& form) {
  if (form.is(frmSignIn::self)) return std::nullopt;
  return ControlId(frmTovimel3::fraProb);
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
