// SPDX-License-Identifier: MIT
// Properties over the whole problem space of every level: each problem's own key, typed into
// the form SetupAnswers selected (or, where that form cannot express it, into the form a
// student needs), is graded right; changing any single typed part is wrong in exactly that part.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "answers/answer_forms.h"
#include "answers/grading.h"
#include "engine/numbers.h"
#include "tests/problem_space.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::AnswerWindow;
using testing::EveryDraw;

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};

struct Key {
  std::int64_t k1, k2, k3, k5;
};

// What a form asks of the answer, independent of the code under test.
struct Shape {
  bool box0, box1, box2, box3;  // shown (typed) boxes; form 6's box 1 counts as typed
  char sign;                    // ' ', '+', '-'
};

Shape ShapeOf(int form) {
  switch (form) {
    case 0:
      return {false, true, true, true, ' '};
    case 1:
      return {false, false, true, true, ' '};
    case 2:
      return {false, true, false, true, ' '};
    case 3:
      return {false, true, true, false, ' '};
    case 4:
      return {false, true, false, false, ' '};
    case 5:
      return {false, false, true, false, ' '};
    case 6:
      return {false, true, false, true, ' '};
    default: {
      const int f = form - 7;  // 7..14: pairs (+, -) of (all), (no coef), (no denom), (neither)
      const bool coef = f / 2 == 0 || f / 2 == 2;
      const bool denom = f / 2 == 0 || f / 2 == 1;
      return {true, coef, true, denom, f % 2 == 0 ? '+' : '-'};
    }
  }
}

// Whether a student can write `k` in form `form` with plain numbers (a "-" typed only where the
// sign caption is blank): hidden parts must equal their neutral values.
bool Expresses(int form, const Key& k) {
  const Shape s = ShapeOf(form);
  if (!s.box0 && k.k1 != 0) return false;
  if (!s.box2 && k.k3 != 1) return false;
  if (!s.box3 && k.k5 != 1) return false;
  const int sign = s.sign == '-' ? -1 : 1;
  if (!s.box1) return k.k2 == sign;
  if (s.sign == '+') return k.k2 >= 0;
  if (s.sign == '-') return k.k2 <= 0;
  return true;
}

// The texts a student types into the shown boxes of `form` for `k` (the form expresses it).
std::array<std::string, 4> Typing(int form, const Key& k) {
  const Shape s = ShapeOf(form);
  std::array<std::string, 4> t{"", "", "", ""};
  if (s.box0) t[0] = NumberText(k.k1);
  if (s.box1) t[1] = NumberText(s.sign == '-' ? -k.k2 : k.k2);
  if (s.box2) t[2] = NumberText(k.k3);
  if (s.box3) t[3] = NumberText(k.k5);
  return t;
}

// The fully simplified way of writing the key: no coefficient 1, no root of 1, no denominator 1.
int NaturalForm(int level, const Key& k) {
  if (level <= 4) {
    const bool coef = k.k2 != 1, root = k.k3 != 1, denom = k.k5 != 1;
    if (coef && root && denom) return 0;
    if (!coef && root && denom) return 1;
    if (coef && !root && denom) return 2;
    if (coef && root && !denom) return 3;
    if (!root && !denom) return 4;  // K2 alone, also the answer "1"
    if (!coef && root && !denom) return 5;
    return 6;  // 1 / K5
  }
  const bool coef = k.k2 != 1 && k.k2 != -1, denom = k.k5 != 1;
  return 7 + (k.k2 < 0 ? 1 : 0) + (coef ? 0 : 2) + (denom ? 0 : 4);
}

struct Stats {
  int problems = 0;
  int setup_cannot_express = 0;  // the selected form could not take the key
  int natural_differs = 0;       // the fully simplified form is not the selected one
  std::string first_cannot;      // an example key
};

class Property {
 public:
  explicit Property(int level) : t_(level), level_(level) { t_.w.ProblemLimit = 1 << 30; }

  Key key() const {
    const auto read = [&](int i) {
      return static_cast<std::int64_t>(ReadNumber(t_.f(lblProb[i]).text));
    };
    return {read(6), read(7), read(8), read(10)};
  }

  // Selects `form`, types `texts` into its shown boxes and submits; returns the colours.
  std::array<Rgb, 4> answer(int form, const std::array<std::string, 4>& texts) {
    optAnswerForm_Click(t_.w, form);
    const Shape s = ShapeOf(form);
    const bool shown[] = {s.box0, s.box1, s.box2, s.box3};
    for (int b = 0; b < 4; ++b) {
      if (shown[b]) t_.type(b, texts[static_cast<std::size_t>(b)]);
    }
    return submit();
  }

  std::array<Rgb, 4> submit() {
    cmdSubmit_Click(t_.w);
    std::array<Rgb, 4> out{};
    for (int b = 0; b < 4; ++b) out[static_cast<std::size_t>(b)] = *t_.f(txtAnswer[b]).back;
    return out;
  }

  void run(const std::vector<int>& drawn, int before, Stats& stats) {
    optAnswerForm_Click(t_.w, before);
    t_.make(drawn);
    const Key k = key();
    ++stats.problems;
    const std::string where = "key " + std::to_string(k.k1) + "," + std::to_string(k.k2) + "," +
                              std::to_string(k.k3) + ",0," + std::to_string(k.k5) + ",1";
    SCOPED_TRACE(where);

    // Some form offered at the level expresses the key.
    const int offered = level_ <= 4 ? 7 : 15;
    bool any = false;
    for (int f = 0; f < offered; ++f) any = any || Expresses(f, k);
    ASSERT_TRUE(any) << "no offered form can express the key";

    // The selected form, or the form the student needs.
    const int selected = t_.selectedForm();
    int form = selected;
    if (!Expresses(selected, k)) {
      if (stats.setup_cannot_express++ == 0) stats.first_cannot = where;
      form = NaturalForm(level_, k);
      ASSERT_TRUE(Expresses(form, k));
    } else {
      // Typing into the selected form without reselecting it (the student just types).
      const Shape s = ShapeOf(form);
      const auto texts = Typing(form, k);
      const bool shown[] = {s.box0, s.box1, s.box2, s.box3};
      for (int b = 0; b < 4; ++b) {
        if (shown[b]) t_.type(b, texts[static_cast<std::size_t>(b)]);
      }
      const auto right_before = t_.w.RightCount;
      ASSERT_EQ(submit(), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kGreen})) << "form " << form;
      ASSERT_EQ(t_.w.RightCount, right_before + 1);
      ASSERT_FALSE(t_.f(cmdSubmit).enabled);
      ASSERT_TRUE(t_.f.hasFocus(cmdNew));
    }
    if (NaturalForm(level_, k) != selected) ++stats.natural_differs;

    // The chosen form and the fully simplified form both grade right.
    for (const int f : {form, NaturalForm(level_, k)}) {
      const auto right_before = t_.w.RightCount;
      ASSERT_EQ(answer(f, Typing(f, k)), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kGreen}))
          << "form " << f;
      ASSERT_EQ(t_.w.RightCount, right_before + 1);
    }

    // Each typed part changed alone: wrong in exactly that part; RightCount and labels stay.
    const Shape s = ShapeOf(form);
    const bool shown[] = {s.box0, s.box1, s.box2, s.box3};
    for (int b = 0; b < 4; ++b) {
      if (!shown[b]) continue;
      auto texts = Typing(form, k);
      auto& text = texts[static_cast<std::size_t>(b)];
      text = NumberText(static_cast<std::int64_t>(ReadNumber(text)) + 1);
      const auto right_before = t_.w.RightCount;
      const std::array<std::string, 3> labels{t_.f(lblRight).text, t_.f(lblWrong).text,
                                              t_.f(lblPercent).text};
      const auto colours = answer(form, texts);
      for (int c = 0; c < 4; ++c) {
        ASSERT_EQ(colours[static_cast<std::size_t>(c)], c == b ? kRed : kGreen)
            << "form " << form << " changed box " << b;
      }
      ASSERT_EQ(t_.w.RightCount, right_before);
      ASSERT_EQ(labels, (std::array<std::string, 3>{t_.f(lblRight).text, t_.f(lblWrong).text,
                                                    t_.f(lblPercent).text}));
      ASSERT_EQ(t_.selectedForm(), level_ <= 4 ? 0 : 7);
    }

    // Every offered form: graded right exactly when it expresses the key (cheap levels, and a
    // sample of level 4).
    if (level_ != 4 || stats.problems % 5 == 0) {
      for (int f = 0; f < offered; ++f) {
        const auto right_before = t_.w.RightCount;
        answer(f, Typing(f, k));
        ASSERT_EQ(t_.w.RightCount - right_before, Expresses(f, k) ? 1 : 0) << "form " << f;
      }
    }
  }

 private:
  AnswerWindow t_;
  int level_;
};

void RunLevel(int level) {
  Property p(level);
  Stats stats;
  const auto draws = EveryDraw(level);
  const int offered = level <= 4 ? 7 : 15;
  for (std::size_t i = 0; i < draws.size(); i += testing::SampleStride(level)) {
    p.run(draws[i], static_cast<int>(i % static_cast<std::size_t>(offered)), stats);
    if (::testing::Test::HasFatalFailure()) return;
  }
  std::cout << "level " << level << ": " << stats.problems << " problems; selected form cannot "
            << "express the key in " << stats.setup_cannot_express
            << (stats.first_cannot.empty() ? "" : " (e.g. " + stats.first_cannot + ")")
            << "; fully simplified form differs from the selected one in " << stats.natural_differs
            << "\n";
  EXPECT_EQ(stats.problems, static_cast<int>((draws.size() + testing::SampleStride(level) - 1) /
                                             testing::SampleStride(level)));
}

TEST(AnswerProperty, Level1) {
  RunLevel(1);
}
TEST(AnswerProperty, Level2) {
  RunLevel(2);
}
TEST(AnswerProperty, Level3) {
  RunLevel(3);
}
TEST(AnswerProperty, Level4) {
  RunLevel(4);
}
TEST(AnswerProperty, Level5) {
  RunLevel(5);
}

// The checker's own table agrees with the forms as built.
TEST(AnswerProperty, ShapesMatchTheForms) {
  for (int form = 0; form < 15; ++form) {
    AnswerWindow t(5);
    optAnswerForm_Click(t.w, form);
    const Shape s = ShapeOf(form);
    EXPECT_EQ(t.f(txtAnswer[0]).visible, s.box0) << form;
    EXPECT_EQ(t.f(txtAnswer[1]).visible, s.box1) << form;
    EXPECT_EQ(t.f(txtAnswer[2]).visible, s.box2) << form;
    EXPECT_EQ(t.f(txtAnswer[3]).visible, s.box3) << form;
    EXPECT_EQ(t.f(lblAdd[4]).text, std::string(1, s.sign)) << form;
  }
}

}  // namespace
}  // namespace tovimel
