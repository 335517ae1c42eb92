// SPDX-License-Identifier: MIT
// The windows keep every text as UTF-8: reading one character at a time, and what counts as
// space around a text, for the number reader and for what a screen reader is told alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace tovimel {

// One character of a UTF-8 text and the bytes it takes. A byte that does not start a
// well-formed sequence is one character of its own, U+FFFD.
struct Character {
  char32_t code = 0;
  std::size_t size = 0;  // 0 at the end of the text
};

// The character at byte `at`.
Character Decode(std::string_view text, std::size_t at);

// Unicode's space separators (category Zs) and the tab.
bool IsSpace(char32_t c);

// Text without spaces at either end.
std::string_view Trim(std::string_view text);

}  // namespace tovimel
