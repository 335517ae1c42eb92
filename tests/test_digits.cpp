// SPDX-License-Identifier: MIT
// The number reader's digits against Unicode's own data, as ICU has it (Unicode 15.0 in ICU 72).
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/uversion.h>

#include <string>

#include "engine/numbers.h"

namespace tovimel {
namespace {

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// After a "1", every decimal digit of Unicode (category Nd) continues the number with its value,
// and every other character ends it.
TEST(Digits, EveryUnicodeDecimalDigitAndNothingElse) {
  UVersionInfo unicode;
  u_getUnicodeVersion(unicode);
  ASSERT_EQ(unicode[0], 15) << "the reader's digits are Unicode 15.0's";
  int digits = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // no characters
    const auto code = static_cast<UChar32>(c);
    const bool digit = u_charType(code) == U_DECIMAL_DIGIT_NUMBER;
    const double want = digit ? 10 + u_charDigitValue(code) : 1;
    ASSERT_EQ(ReadNumber("1" + Utf8(c)), want) << "U+" << std::hex << static_cast<unsigned>(c);
    digits += digit ? 1 : 0;
  }
  EXPECT_EQ(digits, 680);
}

}  // namespace
}  // namespace tovimel
