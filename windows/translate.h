// SPDX-License-Identifier: MIT
// Every text a person reads or hears passes through Translate when it is shown or spoken; the
// tables keep the English design text. The toolkit installs the translator; without one every
// text stays English, as the tests read it.
#pragma once

#include <string>
#include <string_view>

// lupdate finds texts by this name. Spelt exactly as Qt's own, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
// A text with a count (%n): lupdate gives it a plural form for each of the language's numbers.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace tovimel {

// The contexts a translator sees the texts under.
namespace tr_context {
inline constexpr const char* kCaption = "Caption";  // captions, titles, level names
inline constexpr const char* kSpeech = "Speech";    // spoken patterns, names and shapes
}  // namespace tr_context

// The text in the reader's language; its source unchanged when no translation has it. `n` is
// the count of a text marked QT_TRANSLATE_N_NOOP, or -1.
using Translator = std::string (*)(const char* context, const char* source, int n);
void SetTranslator(Translator translator);
std::string Translate(const char* context, std::string_view source);
// A counted text in the plural form its language uses for n ("1 корень", "3 корня", "5 корней"),
// with n written for its %n place; in English the source itself.
std::string TranslateCount(const char* context, std::string_view source, int n);

}  // namespace tovimel
