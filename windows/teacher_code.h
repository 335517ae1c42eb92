// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace tovimel {

// Typed alone as the period it stands in for a whole sign-in; clicked on the main window's
// period label it reveals the answer key.
inline constexpr std::string_view kTeacherCode = "*";

}  // namespace tovimel
