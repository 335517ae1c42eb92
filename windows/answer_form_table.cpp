// SPDX-License-Identifier: MIT
#include "windows/answer_form_table.h"

#include "windows/translate.h"

namespace tovimel {

namespace {

using namespace frmTovimel3;

constexpr BoxRule kShown{Box::Shown, ""};
constexpr BoxRule kWhole0{Box::Hidden, "0"};
constexpr BoxRule kHidden1{Box::Hidden, "1"};
constexpr BoxRule kFilled1{Box::Filled, "1"};

using R = Radicand;
using S = BarStart;
using E = BarEnd;

}  // namespace

// clang-format off
const std::array<AnswerFormRow, kAnswerForms> kAnswerFormTable{{
    //   box 0    box 1     box 2     box 3       sign shown  radical bar    radicand      bar from   bar to
    {{{kWhole0, kShown,   kShown,   kShown}},   " ", true,  true,  true,  R::Home,      S::Sign,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "a root b over c"), Image7, {"a√b", "c", 41, 52}},
    {{{kWhole0, kHidden1, kShown,   kShown}},   " ", false, true,  true,  R::UnderBox1, S::Radical, E::Box2,
     QT_TRANSLATE_NOOP("Speech", "root b over c"), Image8, {"√b", "c", 32, 51}},
    {{{kWhole0, kShown,   kHidden1, kShown}},   " ", true,  false, true,  R::Kept,      S::Sign,    E::Box2,
     QT_TRANSLATE_NOOP("Speech", "a over c"), Image9, {"a", "c", 24, 42}},
    {{{kWhole0, kShown,   kShown,   kHidden1}}, " ", true,  true,  false, R::Home,      S::Kept,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "a root b"), Image10, {"a√b", "", 41, 32}},
    {{{kWhole0, kShown,   kHidden1, kHidden1}}, " ", true,  false, false, R::Kept,      S::Kept,    E::Half,
     QT_TRANSLATE_NOOP("Speech", "a"), Image11, {"a", "", 27, 24}},
    {{{kWhole0, kHidden1, kShown,   kHidden1}}, " ", false, true,  false, R::UnderBox1, S::Kept,    E::Half,
     QT_TRANSLATE_NOOP("Speech", "root b"), Image12, {"√b", "", 30, 27}},
    {{{kWhole0, kFilled1, kHidden1, kShown}},   " ", true,  false, true,  R::Kept,      S::Sign,    E::Half,
     QT_TRANSLATE_NOOP("Speech", "1 over c"), Image13, {"1", "c", 22, 46}},
    {{{kShown,  kShown,   kShown,   kShown}},   "+", true,  true,  true,  R::Home,      S::Home,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "the quantity a plus b root c, over d"), Image6, {"a±b√c", "d", 63, 55}},
    {{{kShown,  kShown,   kShown,   kShown}},   "-", true,  true,  true,  R::Home,      S::Home,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "the quantity a minus b root c, over d"), Image6, {}},
    {{{kShown,  kHidden1, kShown,   kShown}},   "+", true,  true,  true,  R::AfterSign, S::Kept,    E::Kept,
     QT_TRANSLATE_NOOP("Speech", "the quantity a plus root b, over c"), Image14, {"a±√b", "c", 56, 59}},
    {{{kShown,  kHidden1, kShown,   kShown}},   "-", true,  true,  true,  R::AfterSign, S::Kept,    E::Kept,
     QT_TRANSLATE_NOOP("Speech", "the quantity a minus root b, over c"), Image14, {}},
    {{{kShown,  kShown,   kShown,   kHidden1}}, "+", true,  true,  false, R::Home,      S::Home,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "a plus b root c"), Image4, {"a±b√c", "", 58, 40}},
    {{{kShown,  kShown,   kShown,   kHidden1}}, "-", true,  true,  false, R::Home,      S::Home,    E::Home,
     QT_TRANSLATE_NOOP("Speech", "a minus b root c"), Image4, {}},
    {{{kShown,  kHidden1, kShown,   kHidden1}}, "+", true,  true,  false, R::AfterSign, S::Kept,    E::Kept,
     QT_TRANSLATE_NOOP("Speech", "a plus root c"), Image15, {"a±√c", "", 55, 39}},
    {{{kShown,  kHidden1, kShown,   kHidden1}}, "-", true,  true,  false, R::AfterSign, S::Kept,    E::Kept,
     QT_TRANSLATE_NOOP("Speech", "a minus root c"), Image15, {}},
}};
// clang-format on

std::optional<PictureForms> FormsOfPicture(std::string_view image) {
  for (int i = 0; i < kAnswerForms; ++i) {
    if (kAnswerFormTable[static_cast<std::size_t>(i)].picture.name != image) continue;
    int count = 1;
    while (i + count < kAnswerForms &&
           kAnswerFormTable[static_cast<std::size_t>(i + count)].picture.name == image) {
      ++count;
    }
    return PictureForms{static_cast<AnswerForm>(i), count};
  }
  return std::nullopt;
}

const AnswerFormRow* PictureRow(std::string_view image) {
  const auto forms = FormsOfPicture(image);
  return forms ? &RowOf(forms->first) : nullptr;
}

}  // namespace tovimel
