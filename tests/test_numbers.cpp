// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "engine/numbers.h"
#include "windows/text.h"

namespace tovimel {
namespace {

struct ReadCase {
  std::string text;
  double want;
};

// The reader takes the number at the start of a text and never fails. ("1,000" read 1 before
// thousands separators were read; every other row reads as it always did.)
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
      {"1,000", 1000},
      {"1.5.2", 1.5},
      {"-0.25", -0.25},
      {"007.50", 7.5},
      {"2147483648", 2147483648.0},
      {"0x1A", 0},
      {"3.0000001", 3.0000001},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.want) << '"' << c.text << '"';
}

// Other keyboards: digits of every script, their signs and separators, thousands commas.
TEST(ReadNumber, ReadsWhatOtherKeyboardsType) {
  // clang-format off
  const ReadCase cases[] = {
      {"\xd9\xa3", 3},                                // Arabic-Indic three
      {"\xd9\xa1\xd9\xa2\xd9\xab\xd9\xa5", 12.5},     // Arabic-Indic 12, decimal separator, 5
      {"\xdb\xb4\xdb\xb2", 42},                       // Eastern Arabic-Indic (Persian) 42
      {"\xef\xbc\x93", 3},                            // full-width three
      {"\xef\xbc\x8d\xef\xbc\x91\xef\xbc\x92", -12},  // full-width minus, 1, 2
      {"\xe2\x88\x92" "7", -7},                       // minus sign U+2212
      {"\xe2\x88\x92\xe2\x88\x92" "7", 0},             // two signs, as "--7"
      {"\xe0\xa5\xa9\xe0\xa5\xa6", 30},               // Devanagari 30
      {"\xf0\x9d\x9f\x9c", 4},                        // mathematical double-struck four
      {"1\xd9\xa2" "3", 123},                         // scripts mixed
      {"26,999", 26999},
      {"-1,234,567.5", -1234567.5},
      {"\xd9\xa2\xd9\xac\xd9\xa0\xd9\xa0\xd9\xa0", 2000},  // Arabic thousands separator
      {"1,0000", 1},                                  // not a group of three: "," ends it
      {"1,00", 1},
      {"1234,567", 1234},
      {"0,500", 0},
      {"1,000,00", 1000},
      {",123", 0},
      {"12\xc2\xa0" "000", 12000},                     // a no-break space between groups
      {"1\xe2\x80\xaf" "350", 1350},                    // narrow no-break space
      {"1\xe2\x80\x89" "350", 1350},                    // thin space
      {"-2\xe2\x80\x89" "500\xe2\x80\x89" "000", -2500000},
      {"1\xc2\xa0" "35", 1},                            // not a group of three
      {"12\xc2\xa0" "0000", 12},
      {"0\xc2\xa0" "500", 0},
      {"1 350", 1},                                     // an ordinary space still ends it
      {"1\xe2\x80\x83" "350", 1},                       // and so does an em space
      {"\xc2\xa0" "5\xc2\xa0", 5},                       // no-break spaces around
      {"\xe3\x80\x80" "7\xe3\x80\x80", 7},               // ideographic spaces around
      {"\xe2\x80\x83\xe1\x9a\x80\xe2\x81\x9f" "-8", -8},   // em, Ogham, mathematical spaces
      {"\xc2\xa0-\xc2\xa0" "3", 0},                      // a space after the sign
      {"\xe2\x80\x8b" "5", 0},                          // a zero-width space is no space
      {"5\xe2\x88\x9a" "2", 5},                        // 5 root 2
      {"\xe2\x85\xa2", 0},                            // Roman numeral three is no decimal digit
      {"\xc2\xb2", 0},                                // nor is superscript two
      {"3\xff\xfe", 3},                               // ill-formed UTF-8 ends the number
      {"\xd9", 0},
      {"\xc0\xb3", 0},                                // overlong "3" in two bytes
      {"\xe0\x80\xb3", 0},                            // in three
      {"\xf0\x80\x80\xb3", 0},                        // in four
      {"1\xc1\xb3", 1},
      {"\xed\xa0\x80", 0},                            // a surrogate
      {"1\xd9\xaa", 1},                               // right after Arabic-Indic nine
      {"1\xef\xbc\x9a", 1},                           // right after full-width nine
      {"1\xd9\x9f", 1},                               // right before Arabic-Indic zero
      {"\xe2\x88", 0},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.want) << '"' << c.text << '"';
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
  EXPECT_EQ(Trim("\xe3\x80\x80\xc2\xa0-3\xe2\x80\xaf\t"), "-3");
  EXPECT_EQ(Trim("3\xe2\x80\x8b"), "3\xe2\x80\x8b");        // zero width space is no space
  const std::string stray = std::string("\xa0") + "3\xa0";  // bytes that are no characters
  EXPECT_EQ(Trim(stray), stray);
}

}  // namespace
}  // namespace tovimel
