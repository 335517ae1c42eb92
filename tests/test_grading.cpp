// SPDX-License-Identifier: MIT
// Grading and the score.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "answers/answer_forms.h"
#include "answers/grading.h"
#include "engine/numbers.h"
#include "tests/problem_space.h"
#include "windows/text.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::AnswerWindow;

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kCyan{192, 255, 255};

// An open problem with the given key at `level`, answer form `form` selected.
struct Open : AnswerWindow {
  Open(int level, const std::array<const char*, 6>& key, int form) : AnswerWindow(level) {
    setKey(key);
    f.setText(lblProbCount, "1");
    for (int k = 0; k < 4; ++k) f.setBack(txtAnswer[k], kCyan);
    f.setEnabled(cmdSubmit, true);
    f.setEnabled(cmdNew, false);
    optAnswerForm_Click(w, form);
  }
  void submit() { cmdSubmit_Click(w); }
  std::array<Rgb, 4> colours() const {
    std::array<Rgb, 4> out{};
    for (int k = 0; k < 4; ++k) out[static_cast<std::size_t>(k)] = *f(txtAnswer[k]).back;
    return out;
  }
  std::array<std::string, 3> labels() const {
    return {f(lblRight).text, f(lblWrong).text, f(lblPercent).text};
  }
};

const std::array<std::string, 3> kStartLabels{"0", "0", "0%"};

TEST(Grading, RightWithForm3) {
  Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
  t.type(1, "2");
  t.type(2, "3");
  t.submit();
  EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kGreen}));
  EXPECT_EQ(t.labels(), (std::array<std::string, 3>{" 1", " 1", " 100%"}));
  EXPECT_EQ(t.w.RightCount, 1);
  EXPECT_EQ(t.w.TotalCount, 1);
  EXPECT_FALSE(t.f(cmdSubmit).enabled);
  EXPECT_TRUE(t.f(cmdNew).enabled);
  EXPECT_TRUE(t.f.hasFocus(cmdNew));
  // A right answer leaves the area as it was: form 3, typed texts kept.
  EXPECT_EQ(t.selectedForm(), 3);
  EXPECT_EQ(t.f(txtAnswer[1]).text, "2");
  EXPECT_TRUE(t.f(cmdNew).visible);  // no shutdown at problem 1
}

TEST(Grading, UnsimplifiedIsWrong) {
  Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
  t.type(1, "1");
  t.type(2, "12");
  t.submit();
  EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kRed, kRed, kGreen}));
  EXPECT_EQ(t.selectedForm(), 0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(t.f(txtAnswer[k]).text, "") << k;
  EXPECT_EQ(t.f(txtAnswer[0]).text, "0");
  EXPECT_EQ(t.focusedBox(), 1);
  EXPECT_EQ(t.labels(), kStartLabels);
  EXPECT_EQ(t.w.RightCount, 0);
  EXPECT_EQ(t.w.TotalCount, 1);
  EXPECT_TRUE(t.f(cmdSubmit).enabled);
  EXPECT_FALSE(t.f(cmdNew).enabled);
}

TEST(Grading, HiddenDenominatorIsGraded) {
  Open t(3, {"0", "3", "2", "0", "5", "1"}, 3);
  t.type(1, "3");
  t.type(2, "2");
  t.submit();
  EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kRed}));
}

TEST(Grading, WrongWrongRight) {
  Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
  for (int i = 0; i < 2; ++i) {
    optAnswerForm_Click(t.w, 3);
    t.type(1, "5");
    t.type(2, "3");
    t.submit();
    EXPECT_EQ(t.labels(), kStartLabels);
  }
  optAnswerForm_Click(t.w, 3);
  t.type(1, "2");
  t.type(2, "3");
  t.submit();
  EXPECT_EQ(t.labels(), (std::array<std::string, 3>{" 1", " 3", " 33%"}));
}

TEST(Grading, GradeIsTheWholePart) {
  // Right, wrong, right: 2 of 3 is 66.67 %, shown as 66.
  Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
  const char* answers[] = {"2", "9", "2"};
  const char* want[] = {" 100%", " 100%", " 66%"};
  for (int i = 0; i < 3; ++i) {
    t.f.setEnabled(cmdSubmit, true);
    optAnswerForm_Click(t.w, 3);
    t.type(1, answers[i]);
    t.type(2, "3");
    t.submit();
    EXPECT_EQ(t.f(lblPercent).text, want[i]) << i;
  }
  EXPECT_EQ(t.labels(), (std::array<std::string, 3>{" 2", " 3", " 66%"}));
}

TEST(Grading, Level5SignIsPartOfTheCoefficient) {
  {
    Open t(5, {"-2", "3", "5", "0", "41", "1"}, 7);
    t.type(0, "-2");
    t.type(1, "3");
    t.type(2, "5");
    t.type(3, "41");
    t.submit();
    EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kGreen}));
  }
  {
    Open t(5, {"-2", "3", "5", "0", "41", "1"}, 8);
    t.type(0, "-2");
    t.type(1, "3");
    t.type(2, "5");
    t.type(3, "41");
    t.submit();
    EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kRed, kGreen, kGreen}));
    // Level 5 reselects form 7.
    EXPECT_EQ(t.selectedForm(), 7);
    EXPECT_EQ(t.focusedBox(), 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(t.f(txtAnswer[k]).text, "") << k;
  }
  {
    // Form 7 selected and wrong: form 7 is selected again and its boxes emptied.
    Open t(5, {"-2", "3", "5", "0", "41", "1"}, 7);
    for (int k = 0; k < 4; ++k) t.type(k, "1");
    t.submit();
    EXPECT_EQ(t.selectedForm(), 7);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(t.f(txtAnswer[k]).text, "") << k;
  }
}

// Part 1 is the trimmed sign caption joined with the trimmed text of box 1.
TEST(Grading, SignedCoefficient) {
  struct Case {
    int form;        // sets the sign caption: 0 " ", 7 "+", 8 "-"
    const char* k2;  // the key's K2
    const char* typed;
    bool right;
  };
  const Case cases[] = {
      {0, "3", "3", true},    {0, "3", " 3 ", true}, {0, "-3", "-3", true},
      {0, "-3", " -3", true}, {8, "-3", "3", true},  {8, "-3", " 3", true},
      {8, "0", "-3", true},  // "--3" reads 0
      {8, "-3", "-3", false}, {7, "3", "3", true},   {7, "-3", "-3", false},
      {7, "0", "-3", true},   // "+-3" reads 0
      {7, "3", "+3", false},  // "++3" reads 0
      {0, "3", "+3", true},   {8, "-3", "3x", true}, {8, "-0.5", ".5", true},
      {0, "0", "", true},     {8, "0", "", true},    {7, "0", " ", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "form " << c.form << " K2 " << c.k2 << " typed '" << c.typed << "'");
    Open t(5, {"0", c.k2, "5", "0", "7", "1"}, c.form);
    t.type(0, "0");
    t.type(1, c.typed);
    t.type(2, "5");
    t.type(3, "7");
    t.submit();
    EXPECT_EQ(t.colours()[1], c.right ? kGreen : kRed);
    EXPECT_EQ(t.colours()[0], kGreen);
    EXPECT_EQ(t.colours()[2], kGreen);
    EXPECT_EQ(t.colours()[3], kGreen);
    EXPECT_EQ(t.w.RightCount, c.right ? 1 : 0);
  }
}

// A caption with blanks around the sign: the sign is trimmed before the join.
TEST(Grading, SignCaptionIsTrimmed) {
  Open t(5, {"1", "-3", "5", "0", "7", "1"}, 7);
  t.f.setText(lblAdd[4], "  - ");
  t.type(0, "1");
  t.type(1, " 3");
  t.type(2, "5");
  t.type(3, "7");
  t.submit();
  EXPECT_EQ(t.colours()[1], kGreen);
}

TEST(Grading, AllPartsAreComparedBeforeAnythingChanges) {
  Open t(3, {"0", "2", "3", "0", "5", "1"}, 0);
  t.type(1, "2");
  t.type(2, "4");
  t.type(3, "5");
  std::vector<std::string> changed;
  t.f.observe([&](const Control& c, Change what) {
    if (what == Change::Props) changed.push_back(c.key());
  });
  t.submit();
  // The first changes are the four colours, in box order; the reselection comes after.
  ASSERT_GE(changed.size(), 4u);
  const std::vector<std::string> first(changed.begin(), changed.begin() + 4);
  EXPECT_EQ(first, (std::vector<std::string>{"txtAnswer(0)", "txtAnswer(1)", "txtAnswer(2)",
                                             "txtAnswer(3)"}));
  EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kGreen, kRed, kGreen}));
}

TEST(Grading, KeyTextsAreReadAsNumbers) {
  Open t(3, {" 0", "2.0", "03", "9", "5x", "9"}, 0);  // K4 and K6 are not compared
  t.type(1, "2");
  t.type(2, "3");
  t.type(3, "5");
  t.submit();
  EXPECT_EQ(t.colours(), (std::array<Rgb, 4>{kGreen, kGreen, kGreen, kGreen}));
}

TEST(Grading, BoxReadings) {
  // 3 with blanks, 3.0, 03, 3 followed by a letter read 3; empty reads 0.
  const std::pair<const char*, bool> cases[] = {
      {" 3 ", true}, {"3.0", true}, {"03", true},  {"3a", true},         {"\t3\t", true},
      {"", false},   {"0", false},  {"-3", false}, {"3.0000001", false}, {"3 4", true},
  };
  for (const auto& [typed, right] : cases) {
    SCOPED_TRACE(typed);
    Open t(3, {"0", "2", "3", "0", "5", "1"}, 0);
    t.type(1, "2");
    t.type(2, typed);
    t.type(3, "5");
    t.submit();
    EXPECT_EQ(t.colours()[2], right ? kGreen : kRed);
  }
  Open t(3, {"0", "2", "0", "0", "5", "1"}, 0);  // an empty box reads as 0
  t.type(1, "2");
  t.type(3, "5");
  t.submit();
  EXPECT_EQ(t.colours()[2], kGreen);
}

// Bad input in every box, against a key that the input does or does not match as the number
// reader defines: nothing throws, colours and counts follow the reader.
TEST(Grading, BadInputInEveryBox) {
  const std::string million_nines(1000000, '9');
  const std::string million_blanks_then_5 = std::string(999999, ' ') + "5";
  const std::string million_zeros(1000000, '0');
  const std::string million_letters(1000000, 'x');
  const std::vector<std::string> inputs{
      "",
      "   ",
      "abc",
      "--3",
      "3.0000001",
      "1,000",
      "\xC3\xA9"
      "3",
      "\xEF\xBC\x93",
      "\xD9\xA3",
      "3\xC3\xA9",
      "-",
      ".",
      "+.",
      "1e5",
      "0x10",
      std::string("\0"
                  "3",
                  2),
      million_nines,
      million_zeros,
      million_letters,
      million_blanks_then_5,
  };
  // Keys per box whose value some input reads as: 0 (most), 1, 3, 5.
  const char* keys[] = {"0", "1", "3", "5"};
  for (int box = 0; box < 4; ++box) {
    for (const std::string& input : inputs) {
      for (const char* key_value : keys) {
        SCOPED_TRACE(::testing::Message() << "box " << box << " key " << key_value << " input '"
                                          << input.substr(0, 12) << "' (" << input.size() << ")");
        // Form 7 shows every box; its sign "+" joins box 1. The other parts are typed right.
        std::array<const char*, 6> key{"4", "6", "7", "0", "8", "1"};
        const int slot[] = {0, 1, 2, 4};
        key[static_cast<std::size_t>(slot[box])] = key_value;
        Open t(5, key, 7);
        t.type(0, "4");
        t.type(1, "6");
        t.type(2, "7");
        t.type(3, "8");
        t.type(box, input);
        const std::string read_text = std::string(box == 1 ? "+" : "").append(Trim(input));
        const bool right = ReadNumber(read_text) == ReadNumber(key_value);
        ASSERT_NO_THROW(t.submit());
        for (int k = 0; k < 4; ++k) {
          EXPECT_EQ(t.colours()[static_cast<std::size_t>(k)], k == box && !right ? kRed : kGreen)
              << k;
        }
        EXPECT_EQ(t.w.TotalCount, 1);
        EXPECT_EQ(t.w.RightCount, right ? 1 : 0);
        EXPECT_EQ(t.labels(),
                  right ? (std::array<std::string, 3>{" 1", " 1", " 100%"}) : kStartLabels);
      }
    }
  }
}

// Pinned readings of the bad inputs, so that the table above cannot pass with a reader that
// reads everything as 0.
TEST(Grading, BadInputReadings) {
  struct Case {
    std::string typed;
    const char* key;
    bool right;
  };
  const Case cases[] = {
      {"", "0", true},
      {"   ", "0", true},
      {"abc", "0", true},
      {"--3", "0", true},
      {"1,000", "1000", true},  // a thousands separator
      {"\xC3\xA9"
       "3",
       "0", true},
      {"\xEF\xBC\x93", "3", true},  // a full-width 3
      {"1e5", "1", true},
      {"0x10", "0", true},
      {std::string(1000000, '0'), "0", true},
      {std::string(999999, ' ') + "5", "5", true},
      {"3.0000001", "3.0000001", true},
      {"--3", "3", false},
      {"3.0000001", "3", false},
      {"1,000", "1", false},
      {std::string(1000000, '9'), "9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.substr(0, 12));
    Open t(3, {"0", "2", c.key, "0", "5", "1"}, 0);
    t.type(1, "2");
    t.type(2, c.typed);
    t.type(3, "5");
    t.submit();
    EXPECT_EQ(t.colours()[2], c.right ? kGreen : kRed);
  }
}

TEST(Grading, ProblemLimitEndsTheRun) {
  struct Case {
    const char* count;
    bool right;
    bool ends;
  };
  const Case cases[] = {
      {"20", true, true},   {"21", true, true}, {"19", true, false},
      {"20", false, false}, {"1", true, false}, {"20.5", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << (c.right ? " right" : " wrong"));
    Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
    t.f.setText(lblProbCount, c.count);
    t.f.setEnabled(timOverAll, true);
    t.type(1, c.right ? "2" : "5");
    t.type(2, "3");
    std::vector<std::string> order;
    t.f.observe([&](const Control& ctl, Change what) {
      if (what == Change::Props) order.push_back(ctl.key());
    });
    t.submit();
    EXPECT_EQ(t.f(cmdPrintIt).visible, c.ends);
    EXPECT_EQ(t.f(cmdPrintIt).enabled, c.ends);
    EXPECT_EQ(t.f(fraAnswer).visible, !c.ends);
    EXPECT_EQ(t.f(timOverAll).enabled, !c.ends);
    EXPECT_EQ(t.f(cmdNew).visible, !c.ends);
    if (c.right) {
      EXPECT_EQ(t.labels(), (std::array<std::string, 3>{" 1", " 1", " 100%"}));
      EXPECT_TRUE(t.f(cmdNew).enabled);
    } else {
      EXPECT_EQ(t.labels(), kStartLabels);
    }
    if (c.ends) {
      // The score labels had their new texts before shutdown began (the clock stops first).
      const auto at = [&](ControlId id) {
        return std::find(order.begin(), order.end(), id.key()) - order.begin();
      };
      EXPECT_LT(at(lblWrong), at(timOverAll));
      EXPECT_LT(at(lblRight), at(timOverAll));
      EXPECT_LT(at(lblPercent), at(timOverAll));
      EXPECT_LT(at(cmdNew), at(timOverAll));
    }
  }
}

TEST(Grading, ProblemLimitIsReadFromTheWindow) {
  Open t(1, {"0", "2", "3", "0", "1", "1"}, 3);
  t.w.ProblemLimit = 3;
  t.f.setText(lblProbCount, "3");
  t.type(1, "2");
  t.type(2, "3");
  t.submit();
  EXPECT_TRUE(t.f(cmdPrintIt).visible);
}

// A long run of right and wrong submissions: a wrong one never changes RightCount or the shown
// labels; after a right one the labels show the counts and floor(100 * right / total), which is
// never above 100 and never rounded up.
TEST(Grading, ScoreOverALongRun) {
  Open t(3, {"0", "2", "3", "0", "5", "1"}, 0);
  t.w.ProblemLimit = 1 << 30;
  MersenneSource source;
  source.seed(77);
  std::int64_t right = 0, total = 0;
  for (int i = 0; i < 3000; ++i) {
    const bool answer_right = source.next() < 0.3 + 0.6 * (i % 7) / 6.0;
    t.f.setEnabled(cmdSubmit, true);
    optAnswerForm_Click(t.w, 0);
    t.type(1, "2");
    t.type(2, answer_right ? "3" : "4");
    t.type(3, "5");
    const auto labels_before = t.labels();
    const auto right_before = t.w.RightCount;
    t.submit();
    ++total;
    ASSERT_EQ(t.w.TotalCount, total);
    if (!answer_right) {
      ASSERT_EQ(t.w.RightCount, right_before);
      ASSERT_EQ(t.labels(), labels_before);
      continue;
    }
    ++right;
    ASSERT_EQ(t.w.RightCount, right);
    const std::int64_t grade = 100 * right / total;  // exact floor
    ASSERT_LE(grade, 100);
    ASSERT_EQ(t.labels(),
              (std::array<std::string, 3>{" " + std::to_string(right), " " + std::to_string(total),
                                          " " + std::to_string(grade) + "%"}));
  }
}

// Grades near whole numbers: the floor of the exact fraction, never the nearest number.
TEST(Grading, GradeNeverRoundsUp) {
  struct Case {
    int right_before, total_before;  // counters before one more right submission
    const char* want;
  };
  const Case cases[] = {
      {0, 2, " 33%"},   {1, 2, " 66%"},   {198, 199, " 99%"},
      {0, 0, " 100%"},  {6, 8, " 77%"},   {99998, 99999, " 99%"},
      {28, 99, " 29%"}, {56, 99, " 57%"}, {2147483646, 2147483646, " 100%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    Open t(3, {"0", "2", "3", "0", "5", "1"}, 0);
    t.w.RightCount = c.right_before;
    t.w.TotalCount = c.total_before;
    t.type(1, "2");
    t.type(2, "3");
    t.type(3, "5");
    t.submit();
    EXPECT_EQ(t.f(lblPercent).text, c.want);
  }
}

}  // namespace
}  // namespace tovimel
