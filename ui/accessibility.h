// SPDX-License-Identifier: MIT
// What assistive technology (a screen reader) is told about each control, and what the keyboard
// does beyond the toolkit's own moves: both in the program's own words, as data beside the
// layouts. The binding mirrors them; nothing here knows a toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace tovimel {

struct Spoken {
  std::string name;
  std::string description;
  bool operator==(const Spoken&) const = default;
};

// Whether the control reaches assistive technology at all. The pieces of the problem and of the
// key are read as one text by their frame; a caption label is read as the name of what it names
// ("Right" names the score label beneath it); the sign-in's outline is decoration.
bool Exposed(const Form& form, const Control& c);

// The control's name and description as they stand now. Both are empty while the control is not
// showing (hidden itself, in a hidden frame, or its window hidden) or not exposed, so nothing
// hidden, the answer key above all, can be read.
Spoken Speak(const Form& form, const Control& c);

// The fraction a frame shows, read aloud from its shown parts: "1350 root 450 over 150 root 90",
// "1 over the quantity 3 plus 2 root 5". Empty for a frame that shows no fraction.
std::string ReadFraction(const Form& form, ControlId frame);

// The button that Enter in `focused` presses, beyond a focused button and the window's default
// button: "&Submit" for the answer boxes.
std::optional<ControlId> EnterPresses(const Control& focused);
// The button that Escape presses on a window: "Exit" on the sign-in window.
std::optional<ControlId> EscapePresses(const Form& form);
// The option button a click on a picture at height `y` (twips, within the picture) selects: the
// picture's own form, or of a pair (+ above -) the one whose button is nearer.
std::optional<ControlId> PictureSelects(const Form& form, const Control& picture, int y);

}  // namespace tovimel
