// SPDX-License-Identifier: MIT
// The number reader's digits against Unicode's own data, as the installed ICU has it (Unicode
// 15.0 in ICU 72, 16.0 in ICU 76): the digits of the version the reader was written for.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/uversion.h>

#include <cstdio>
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

// Whether Unicode had assigned `c` by the reader's version (u_charAge: the version that added it).
bool AssignedBy(UChar32 c, UnicodeVersion version) {
  UVersionInfo age;
  u_charAge(c, age);
  return age[0] < version.major || (age[0] == version.major && age[1] <= version.minor);
}

// After a "1", every decimal digit (category Nd) of the reader's Unicode version continues the
// number with its value, and every other character ends it, the digits of later versions too.
TEST(Digits, EveryUnicodeDecimalDigitAndNothingElse) {
  const UnicodeVersion reader = kDigitsUnicodeVersion;
  UVersionInfo icu;
  u_getUnicodeVersion(icu);
  ASSERT_TRUE(icu[0] > reader.major || (icu[0] == reader.major && icu[1] >= reader.minor))
      << "ICU " << U_ICU_VERSION << " knows Unicode " << int{icu[0]} << "." << int{icu[1]}
      << ", older than the reader's " << reader.major << "." << reader.minor
      << ": it cannot tell all of the reader's digits";
  int digits = 0;
  int later = 0;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // no characters
    const auto code = static_cast<UChar32>(c);
    const bool nd = u_charType(code) == U_DECIMAL_DIGIT_NUMBER;
    const bool digit = nd && AssignedBy(code, reader);
    const double want = digit ? 10 + u_charDigitValue(code) : 1;
    ASSERT_EQ(ReadNumber("1" + Utf8(c)), want) << "U+" << std::hex << static_cast<unsigned>(c);
    digits += digit ? 1 : 0;
    later += nd && !digit ? 1 : 0;
  }
  EXPECT_EQ(digits, 680);  // Unicode 15.0's, as ICU 72 counts them
  std::printf(
      "%d decimal digits of Unicode %d.%d read; %d added by Unicode %d.%d (ICU %s) end "
      "a number\n",
      digits, reader.major, reader.minor, later, int{icu[0]}, int{icu[1]}, U_ICU_VERSION);
}

}  // namespace
}  // namespace tovimel
