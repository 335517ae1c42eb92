// SPDX-License-Identifier: MIT
#include "windows/translate.h"

#include <atomic>

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
  return translator(context, std::string(source).c_str());
}

}  // namespace tovimel
