// SPDX-License-Identifier: MIT
#include "engine/numbers.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace tovimel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

double ReadNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t start = at;
  std::size_t digits = 0;
  bool whole_nonzero = false;
  while (at < text.size() && IsDigit(text[at])) {
    whole_nonzero = whole_nonzero || text[at] != '0';
    ++at;
    ++digits;
  }
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) {
      ++at;
      ++digits;
    }
  }
  if (digits == 0) return 0.0;

  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data() + start, text.data() + at, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Thousands of digits: too large for a double when the whole part is not zero, else too
    // small to be anything but zero.
    value = whole_nonzero ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{} || end != text.data() + at) {
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
