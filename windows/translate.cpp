// SPDX-License-Identifier: MIT
#include "windows/translate.h"

#include <atomic>
#include <cstddef>

namespace tovimel {
namespace {
std::atomic<Translator> installed{nullptr};
}  // namespace

void SetTranslator(Translator translator) {
  installed.store(translator);
}

std::string Translate(const char* context, std::string_view source) {
  const Translator translator = installed.load();
  if (translator == nullptr || source.empty()) return std::string(source);
  return translator(context, std::string(source).c_str(), -1);
}

std::string TranslateCount(const char* context, std::string_view source, int n) {
  const Translator translator = installed.load();
  if (translator != nullptr && !source.empty()) {
    return translator(context, std::string(source).c_str(), n);
  }
  std::string out(source);
  const std::string count = std::to_string(n);
  for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at)) {
    out.replace(at, 2, count);
    at += count.size();
  }
  return out;
}

}  // namespace tovimel
