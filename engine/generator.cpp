// SPDX-License-Identifier: MIT
#include "engine/generator.h"

#include "engine/answer_setup.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"
#include "engine/radical.h"
#include "ui/layouts.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

// Draws a level's exponents, positions in the table's order and at each position the primes 2,
// 3 and 5 in that order.
void DrawExponents(MainWindow& w, const Level& level) {
  for (const PositionDraw& draw : level.draws) {
    if (draw.position == 0) break;
    auto& row = w.ProblemExponents[draw.position];
    for (int j = 1; j <= 3; ++j) {
      const ExponentRange& range = draw.exponents[static_cast<std::size_t>(j - 1)];
      row[j] = Draw(w.random, range.lo, range.hi);
    }
  }
  if (level.key == KeyMethod::Conjugate) {
    auto all_zero = [&](int i) {
      const auto& e = w.ProblemExponents[i];
      return e[1] == 0 && e[2] == 0 && e[3] == 0;
    };
    // The denominator's root needs a coefficient other than 1 and a radicand that is no square.
    if (all_zero(5)) w.ProblemExponents[5][2] = 1;
    if (all_zero(6)) w.ProblemExponents[6][1] = 1;
  }
}

std::int32_t Build(const MainWindow& w, const std::array<std::int32_t, 4>& exponents) {
  std::int32_t product = 1;
  for (int j = 1; j <= 3; ++j) product = CheckedMul(product, RaiseTo(w.Primes[j], exponents[j]));
  return product;
}

// Levels 1 to 4: N2 root N3 / (N5 root N6), rationalised, square factors taken out, cancelled.
void RationaliseAndCancel(MainWindow& w, std::array<std::int32_t, 7>& key) {
  for (int j = 1; j <= 3; ++j) {
    const std::int32_t a2 = w.ProblemExponents[2][j];
    const std::int32_t a3 = w.ProblemExponents[3][j];
    const std::int32_t a5 = w.ProblemExponents[5][j];
    const std::int32_t a6 = w.ProblemExponents[6][j];
    std::int32_t d = a5 + a6 / 2 + a6 % 2;
    std::int32_t r = a3 + a6 % 2;
    std::int32_t c = a2 + r / 2;
    r %= 2;
    if (c > d) {
      c -= d;
      d = 0;
    } else if (d > c) {
      d -= c;
      c = 0;
    } else {
      c = 0;
      d = 0;
    }
    w.AnswerExponents[2][j] = c;
    w.AnswerExponents[3][j] = r;
    w.AnswerExponents[5][j] = d;
    w.AnswerExponents[6][j] = 0;
  }
  key[1] = 0;
  key[2] = Build(w, w.AnswerExponents[2]);
  key[3] = Build(w, w.AnswerExponents[3]);
  key[4] = 0;
  key[5] = Build(w, w.AnswerExponents[5]);
  key[6] = Build(w, w.AnswerExponents[6]);
}

// Level 5: 1 / (N4 + N5 root N6) = (N4 - N5 root N6) / (N4^2 - N5^2 N6).
void Conjugate(MainWindow& w, std::array<std::int32_t, 7>& key) {
  for (int j = 1; j <= 3; ++j) {
    w.AnswerExponents[1][j] = w.ProblemExponents[4][j];
    w.AnswerExponents[2][j] = w.ProblemExponents[5][j];
    w.AnswerExponents[3][j] = w.ProblemExponents[6][j];
  }
  std::int32_t k1 = Build(w, w.AnswerExponents[1]);
  std::int32_t k2 = Build(w, w.AnswerExponents[2]);
  const std::int32_t k3 = Build(w, w.AnswerExponents[3]);
  k2 = -k2;
  std::int32_t k5 = CheckedSub(CheckedMul(k1, k1), CheckedMul(CheckedMul(k2, k2), k3));
  if (k5 < 0) {
    k5 = -k5;
    k1 = -k1;
    k2 = -k2;
  }
  reduce(k1, k2, k5);
  key = {0, k1, k2, k3, 0, k5, 1};
}

}  // namespace

void cmdNew_Click(MainWindow& w) {
  Form& f = w.form;
  f.setEnabled(cmdNew, false);

  const double count = ReadNumber(f(lblProbCount).text);
  f.setText(lblProbCount, NumberText(static_cast<std::int64_t>(count) + 1));

  for (int k = 0; k < txtAnswer.count; ++k) f.setText(txtAnswer[k], "");
  for (int k = 0; k < txtAnswer.count; ++k) f.setBack(txtAnswer[k], kFreshBox);

  for (int i = 1; i <= 6; ++i) {
    w.ProblemExponents[i] = {};
    w.ProblemNumbers[i] = 1;
  }

  // The scroll bar offers the table's levels only; another value draws nothing.
  const Level* level = FindLevel(w.level());
  if (level) DrawExponents(w, *level);

  for (int i = 1; i <= 6; ++i) w.ProblemNumbers[i] = Build(w, w.ProblemExponents[i]);
  for (int i = 1; i <= 6; ++i) f.setText(lblProb[i - 1], NumberText(w.ProblemNumbers[i]));

  std::array<std::int32_t, 7> key{};
  if (level && level->key == KeyMethod::Conjugate) {
    Conjugate(w, key);
  } else {
    RationaliseAndCancel(w, key);
  }
  for (int i = 1; i <= 6; ++i) f.setText(lblProb[5 + i], NumberText(key[i]));
  w.rows.arrange(f);

  f.setEnabled(cmdSubmit, true);
  SetupAnswers(w);
}

}  // namespace tovimel
