// SPDX-License-Identifier: MIT
// Reading numbers back from texts, writing them, and 32-bit arithmetic that refuses to wrap.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tovimel {

// The value of the number at the start of a UTF-8 text: spaces around it (tabs and every Unicode
// space separator, the no-break and the ideographic space among them) are skipped, an
// optional sign may lead, then digits with an optional "." and fraction digits. Reading stops at
// the first character that cannot continue the number; no number reads as 0. "." is the decimal
// point whatever the locale. Digits of any script read as their value (Arabic-Indic, full-width
// and every other Unicode decimal digit); the minus sign U+2212 reads as "-", and the full-width
// signs and points and the Arabic separators as their ASCII kin. A "," (or a no-break, narrow
// no-break or thin space) between groups of exactly three digits, after a first group of one to
// three that does not start with 0, is a thousands separator: "26,999" reads 26999, "1,000"
// 1000, "2,5" 2. Exponents ("1e5" reads 1), other bases
// and blanks inside the number are not read. Digits beyond the range of a double read as
// infinity.
double ReadNumber(std::string_view text);

// The Unicode version whose decimal digits (category Nd) ReadNumber reads. Digits that later
// versions add end a number until the reader's table is brought up to them.
struct UnicodeVersion {
  int major;
  int minor;
};
inline constexpr UnicodeVersion kDigitsUnicodeVersion{15, 0};

// Plain decimal: no blanks, a leading "-" for negatives.
std::string NumberText(std::int64_t value);

// The score labels' style: one blank, then the digits (" 7").
std::string ScoreText(std::int64_t value);

// Checked 32-bit arithmetic: an overflow throws std::overflow_error instead of wrapping.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul(std::int32_t a, std::int32_t b);

}  // namespace tovimel
