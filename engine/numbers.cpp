// SPDX-License-Identifier: MIT
#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "windows/text.h"

namespace tovimel {
namespace {

// The first code point of every run of ten decimal digits 0..9 of kDigitsUnicodeVersion (Unicode
// 15.0, category Nd; the standard keeps each script's digits together and in order).
constexpr char32_t kDigitZeros[] = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

// The signs and separators as other keyboards type them: the minus sign, the full-width forms
// of a Japanese input method, the Arabic decimal and thousands separators.
constexpr struct {
  char32_t typed;
  char reads;
} kPunctuation[] = {
    {U'+', '+'},      {U'-', '-'},      {U'.', '.'},      {U',', ','},
    {U'\u2212', '-'}, {U'\uFF0B', '+'}, {U'\uFF0D', '-'}, {U'\uFF0E', '.'},
    {U'\uFF0C', ','}, {U'\u066B', '.'}, {U'\u066C', ','},
};

// The spaces that separate thousands as "," does: no-break, narrow no-break and thin space.
bool IsGroupSpace(char32_t c) {
  return c == 0xA0 || c == 0x202F || c == 0x2009;
}

// 0..9 for a decimal digit of any script, -1 for anything else.
int DigitValue(char32_t c) {
  const auto* zero = std::upper_bound(std::begin(kDigitZeros), std::end(kDigitZeros), c);
  if (zero == std::begin(kDigitZeros)) return -1;
  const char32_t offset = c - *(zero - 1);
  return offset < 10 ? static_cast<int>(offset) : -1;
}

// '+', '-', '.' or ',' for what the character stands for in a number, 0 for anything else.
char Punctuation(char32_t c) {
  if (IsGroupSpace(c)) return ',';
  for (const auto& p : kPunctuation) {
    if (p.typed == c) return p.reads;
  }
  return 0;
}

// Whether exactly three digits follow `at` and no fourth: one group after a thousands comma.
bool GroupOfThree(std::string_view text, std::size_t at) {
  for (int i = 0; i < 3; ++i) {
    const Character c = Decode(text, at);
    if (c.size == 0 || DigitValue(c.code) < 0) return false;
    at += c.size;
  }
  const Character after = Decode(text, at);
  return after.size == 0 || DigitValue(after.code) < 0;
}

}  // namespace

double ReadNumber(std::string_view text) {
  text = Trim(text);
  std::size_t at = 0;
  bool negative = false;
  Character c = Decode(text, at);
  if (const char sign = Punctuation(c.code); sign == '+' || sign == '-') {
    negative = sign == '-';
    at += c.size;
  }
  // The number in ASCII, digits of every script as 0..9 and without its thousands commas.
  std::string number;
  std::size_t digits = 0;
  std::size_t group = 0;  // digits since the start or the last thousands comma
  bool whole_nonzero = false;
  bool grouped = false;
  for (c = Decode(text, at); c.size != 0; c = Decode(text, at)) {
    if (const int d = DigitValue(c.code); d >= 0) {
      whole_nonzero = whole_nonzero || d != 0;
      number += static_cast<char>('0' + d);
      ++digits;
      ++group;
      at += c.size;
      continue;
    }
    // "26,999": a comma (or a no-break, narrow or thin space) between groups of three, after a
    // first group of one to three digits that does not start with 0 ("0,5" stays 0, as a
    // decimal comma would be misread).
    const bool first_group_fits = grouped || (group >= 1 && group <= 3 && number.front() != '0');
    if (Punctuation(c.code) != ',' || !first_group_fits || !GroupOfThree(text, at + c.size)) break;
    grouped = true;
    group = 0;
    at += c.size;
  }
  if (c = Decode(text, at); Punctuation(c.code) == '.') {
    number += '.';
    at += c.size;
    for (c = Decode(text, at); c.size != 0 && DigitValue(c.code) >= 0; c = Decode(text, at)) {
      number += static_cast<char>('0' + DigitValue(c.code));
      ++digits;
      at += c.size;
    }
  }
  if (digits == 0) return 0.0;

  double value = 0.0;
  const char* const end_of_number = number.data() + number.size();
  const auto [end, error] =
      std::from_chars(number.data(), end_of_number, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Thousands of digits: too large for a double when the whole part is not zero, else too
    // small to be anything but zero.
    value = whole_nonzero ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{} || end != end_of_number) {
    return 0.0;  // cannot happen for a run of digits with at most one point
  }
  return negative ? -value : value;
}

std::string NumberText(std::int64_t value) {
  return std::to_string(value);
}

std::string ScoreText(std::int64_t value) {
  // Appending, not " " + text: GCC 12 at -O3 misreads the latter as an overlapping copy.
  return std::string(1, ' ').append(std::to_string(value));
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t out = 0;
  if (__builtin_add_overflow(a, b, &out)) throw std::overflow_error("32-bit addition overflows");
  return out;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
  std::int32_t out = 0;
  if (__builtin_sub_overflow(a, b, &out)) throw std::overflow_error("32-bit subtraction overflows");
  return out;
}

std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
  std::int32_t out = 0;
  if (__builtin_mul_overflow(a, b, &out)) {
    throw std::overflow_error("32-bit multiplication overflows");
  }
  return out;
}

}  // namespace tovimel
