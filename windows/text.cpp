// SPDX-License-Identifier: MIT
#include "windows/text.h"

namespace tovimel {

Character Decode(std::string_view text, std::size_t at) {
  if (at >= text.size()) return {};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (size == 0 || lead > 0xF4 || at + size > text.size()) return {0xFFFD, 1};
  char32_t code = lead & (0x7F >> size);
  for (std::size_t i = 1; i < size; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {0xFFFD, 1};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[size] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {0xFFFD, 1};
  }
  return {code, size};
}

// Unicode 15.0's category Zs.
bool IsSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

std::string_view Trim(std::string_view text) {
  for (Character c = Decode(text, 0); c.size != 0 && IsSpace(c.code); c = Decode(text, 0)) {
    text.remove_prefix(c.size);
  }
  // From the end: a space is one to three bytes, each one of them a well-formed character.
  while (!text.empty()) {
    std::size_t size = 1;
    while (size < 3 && size < text.size() && (text[text.size() - size] & 0xC0) == 0x80) ++size;
    const Character c = Decode(text, text.size() - size);
    if (c.size != size || !IsSpace(c.code)) break;
    text.remove_suffix(size);
  }
  return text;
}

}  // namespace tovimel
