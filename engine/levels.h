// SPDX-License-Identifier: MIT
// What each level is: the draws that make its problems, how its key is worked out, how its
// problem shows and which answer form it offers. Changing or adding a level is one row here.
#pragma once

#include <array>
#include <string_view>

#include "windows/answer_form_table.h"
#include "windows/translate.h"

namespace tovimel {

// Exponents drawn from lo to hi inclusive.
struct ExponentRange {
  int lo = 0, hi = 0;
};

// The draws at one position of the problem template, for the primes 2, 3 and 5 in that order.
struct PositionDraw {
  int position = 0;  // 1..6; 0 ends a level's list
  std::array<ExponentRange, 3> exponents{};
};

enum class KeyMethod {
  // N2 root N3 / (N5 root N6): rationalised, square factors taken out, cancelled.
  RationaliseAndCancel,
  // 1 / (N4 + N5 root N6) times the conjugate; the denominator's root is made a non-square
  // with a coefficient other than 1 before.
  Conjugate,
};

// How a problem area control is set when the level is chosen.
enum class Show { Hidden, Shown, Kept };

// How a new problem picks the answer form.
enum class NewProblemForm {
  Select,  // the level's form, always
  // The level's form through the focus, only when the key has a coefficient, radicand or
  // denominator of 1; otherwise the student's form stays.
  SelectIfKeyHasAOne,
  SelectAndFocusWholePart,  // the level's form, then the whole-part box
};

struct Level {
  std::string_view name;              // as lblLevelShow names it
  std::array<PositionDraw, 4> draws;  // in draw order
  KeyMethod key;
  // What the problem area shows: lblProb(0)..lblProb(5), lblAdd(0), lblAdd(1), the bar, the
  // upper and the lower root sign.
  std::array<bool, 6> numbers;
  Show plus0, plus1;
  bool bar, upper_root, lower_root;
  bool lower_root_first;   // the order the root signs change in
  AnswerForm answer_form;  // chosen with the level and for each new problem
  NewProblemForm new_problem;
  AnswerForm retry_form;  // reselected after a wrong answer
  bool whole_forms;       // offers the forms with a whole part (7 to 14)
};

namespace level_table {
inline constexpr ExponentRange k0{0, 0}, k01{0, 1}, k02{0, 2}, k12{1, 2}, k13{1, 3}, k14{1, 4};
inline constexpr Show H = Show::Hidden, S = Show::Shown, K = Show::Kept;
using enum KeyMethod;
using enum NewProblemForm;
using enum AnswerForm;

// clang-format off
inline constexpr std::array kLevels{
    Level{.name = QT_TRANSLATE_NOOP("Caption", "Level 1"),
          .draws = {{{3, {k14, k13, k02}}}},
          .key = RationaliseAndCancel,
          .numbers = {false, false, true, false, false, false}, .plus0 = H, .plus1 = H,
          .bar = false, .upper_root = true, .lower_root = false, .lower_root_first = false,
          .answer_form = ARootB, .new_problem = Select, .retry_form = ARootBOverC,
          .whole_forms = false},
    Level{.name = QT_TRANSLATE_NOOP("Caption", "Level 2"),
          .draws = {{{2, {k12, k0, k0}}, {3, {k13, k13, k02}}}},
          .key = RationaliseAndCancel,
          .numbers = {false, true, true, false, false, false}, .plus0 = H, .plus1 = H,
          .bar = false, .upper_root = true, .lower_root = false, .lower_root_first = false,
          .answer_form = ARootB, .new_problem = Select, .retry_form = ARootBOverC,
          .whole_forms = false},
    Level{.name = QT_TRANSLATE_NOOP("Caption", "Level 3"),
          .draws = {{{2, {k12, k12, k12}}, {3, {k12, k12, k12}}, {5, {k13, k12, k12}}}},
          .key = RationaliseAndCancel,
          .numbers = {false, true, true, false, true, false}, .plus0 = H, .plus1 = H,
          .bar = true, .upper_root = true, .lower_root = false, .lower_root_first = false,
          .answer_form = ARootBOverC, .new_problem = Select, .retry_form = ARootBOverC,
          .whole_forms = false},
    Level{.name = QT_TRANSLATE_NOOP("Caption", "Level 4"),
          .draws = {{{2, {k13, k13, k13}}, {3, {k13, k13, k13}}, {5, {k12, k12, k12}},
                     {6, {k12, k12, k12}}}},
          .key = RationaliseAndCancel,
          // The original design kept both "+" signs as the level before left them: level 5's
          // then stood before a level-4 denominator.
          .numbers = {false, true, true, false, true, true}, .plus0 = H, .plus1 = H,
          .bar = true, .upper_root = true, .lower_root = true, .lower_root_first = false,
          .answer_form = ARootBOverC, .new_problem = SelectIfKeyHasAOne, .retry_form = ARootBOverC,
          .whole_forms = false},
    Level{.name = QT_TRANSLATE_NOOP("Caption", "Level 5"),
          .draws = {{{4, {k01, k01, k01}}, {5, {k01, k01, k01}}, {6, {k01, k01, k01}}}},
          .key = Conjugate,
          .numbers = {false, true, false, true, true, true}, .plus0 = K, .plus1 = S,
          .bar = true, .upper_root = false, .lower_root = true, .lower_root_first = true,
          .answer_form = APlusBRootCOverD, .new_problem = SelectAndFocusWholePart,
          .retry_form = APlusBRootCOverD, .whole_forms = true},
};
// clang-format on
}  // namespace level_table

using level_table::kLevels;

inline constexpr int kLevelCount = static_cast<int>(kLevels.size());

// The level the scroll bar value stands for; nullptr outside 1..kLevelCount.
inline const Level* FindLevel(int level) {
  return level >= 1 && level <= kLevelCount ? &kLevels[static_cast<std::size_t>(level - 1)]
                                            : nullptr;
}

}  // namespace tovimel
