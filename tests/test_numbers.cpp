// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "engine/numbers.h"

namespace tovimel {
namespace {

struct ReadCase {
  std::string text;
  double want;
};

// The reader takes the number at the start of a text and never fails.
TEST(ReadNumber, ReadsTheNumberAtTheStart) {
  const ReadCase cases[] = {
      {" 3 ", 3},
      {"3.0", 3},
      {"03", 3},
      {"+3", 3},
      {"-2", -2},
      {"3x", 3},
      {"", 0},
      {"abc", 0},
      {".5", 0.5},
      {"-", 0},
      {"1e5", 1},
      {"+", 0},
      {".", 0},
      {"-.", 0},
      {"3.", 3},
      {"\t7\t", 7},
      {"--3", 0},
      {"+-3", 0},
      {"- 3", 0},
      {"3 4", 3},
      {"1,000", 1},
      {"1.5.2", 1.5},
      {"-0.25", -0.25},
      {"007.50", 7.5},
      {"2147483648", 2147483648.0},
      {"0x1A", 0},
      {"3.0000001", 3.0000001},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.want) << '"' << c.text << '"';
}

TEST(ReadNumber, NonAsciiTextReadsAsItsLeadingNumber) {
  EXPECT_EQ(ReadNumber("\xd9\xa3"), 0);  // Arabic-Indic three is not a digit here
  EXPECT_EQ(ReadNumber("12\xc2\xa0"
                       "000"),
            12);                             // a no-break space ends the number
  EXPECT_EQ(ReadNumber("\xef\xbc\x93"), 0);  // full-width three
  EXPECT_EQ(ReadNumber("5\xe2\x88\x9a"
                       "2"),
            5);  // 5 root 2
}

TEST(ReadNumber, HugeTextsDoNotFail) {
  const std::string digits(1 << 20, '9');
  EXPECT_EQ(ReadNumber(digits), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber("-" + digits), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber("0." + std::string(1 << 20, '0') + "1"), 0.0);
  EXPECT_EQ(ReadNumber(std::string(1 << 20, ' ') + "4"), 4);
  EXPECT_EQ(ReadNumber(std::string(1 << 20, 'x')), 0);
  EXPECT_EQ(ReadNumber(std::string(1 << 20, '0') + "6"), 6);
}

TEST(ReadNumber, IgnoresTheLocaleDecimalComma) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(ReadNumber("2.5"), 2.5);
  EXPECT_EQ(ReadNumber("2,5"), 2);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberTexts, PlainAndScoreStyles) {
  EXPECT_EQ(NumberText(-2), "-2");
  EXPECT_EQ(NumberText(41), "41");
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(ScoreText(7), " 7");
  EXPECT_EQ(ScoreText(66), " 66");
  EXPECT_EQ(ScoreText(0), " 0");
}

TEST(CheckedArithmetic, RefusesToWrap) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(CheckedMul(27000, 27000), 729000000);
  EXPECT_THROW(CheckedMul(65536, 32768), std::overflow_error);
  EXPECT_THROW(CheckedMul(kMin, -1), std::overflow_error);
  EXPECT_EQ(CheckedAdd(kMax - 1, 1), kMax);
  EXPECT_THROW(CheckedAdd(kMax, 1), std::overflow_error);
  EXPECT_EQ(CheckedSub(kMin + 1, 1), kMin);
  EXPECT_THROW(CheckedSub(kMin, 1), std::overflow_error);
}

TEST(Trim, BlanksAtBothEnds) {
  EXPECT_EQ(Trim("  -3 \t"), "-3");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(" a b "), "a b");
}

}  // namespace
}  // namespace tovimel
