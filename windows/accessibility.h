// SPDX-License-Identifier: MIT
// What assistive technology (a screen reader) is told about each control, and what the keyboard
// does beyond the toolkit's own moves: both in the program's own words, as data beside the
// layouts. The binding mirrors them; nothing here knows a toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "windows/form.h"

namespace tovimel {

struct Spoken {
  std::string name;
  std::string description;
  bool operator==(const Spoken&) const = default;
};

// Whether the control reaches assistive technology at all. The pieces of the problem and of the
// key are read as one text by their frame; a caption label is read within the name of what it
// names ("Right 7" for the score label beneath it); pictures say no more than their option
// buttons, and roots, bars and the sign-in's outline are decoration.
bool Exposed(const Form& form, const Control& c);
// Exposed, showing (itself, its frames and its window) and showing something: a blank sign is
// not heard.
bool Heard(const Form& form, const Control& c);

// A frame that only gathers controls which speak for themselves ("Answer", the answer boxes'
// frame): heard, as its children are, but nameless, so that a screen reader does not say it each
// time the focus comes into it.
bool Gathers(const Form& form, const Control& c);

// Where the news goes: what must be heard at once, the window's cue (Form::setCue) and, before
// the first problem, the way to Start. A toolkit without announcements puts it in the focused
// control's description, which a screen reader reads as the focus arrives; one with
// announcements sends it as one, and the descriptions keep only what stands (a box's mark): a
// screen reader that keeps a description for a while would read out stale news.
enum class News { InDescription, Announced };

// The control's name and description as they stand now; both empty unless it is heard, so
// nothing hidden, the answer key above all, can be read. A label's name carries its value
// ("Right 7", "Level 3", "Simplify root 450"); an answer box's description its mark after
// "&Submit". With the news in descriptions, the focused control's tells the window's cue: the
// new problem, the verdict, the chosen answer form, the revealed key.
Spoken Speak(const Form& form, const Control& c, News news = News::InDescription);

// The news that arriving at `c` tells, with no cue: before the first problem, an answer box
// says that Start is Shift+Tab away. Empty otherwise.
std::string ArrivalSaid(const Form& form, const Control& c);

// What the window's cue tells now ("Problem 3 of 20: root 450. Answer form a root b."); empty
// without a cue.
std::string CueSaid(const Form& form);

// What became of a printed page.
struct PageWent {
  enum class To {
    Nowhere,     // the student cancelled
    Printer,     // the queue took it
    Held,        // the queue took it but is stopped: the page waits there
    Refused,     // the queue did not take it; `why` says why
    File,        // saved whole as the file `where`
    NotWritten,  // the file `where` could not be written whole, and nothing of it was kept
  };
  To to = To::Nowhere;
  std::string where;  // the printer's name or the file's full path
  std::string why;    // the scheduler's or the file system's reason
};

// The sentence that tells it, on the screen and to a screen reader; empty for Nowhere.
std::string PageWentSaid(const PageWent& page);
// What the dialog that offers the page as a file does on Enter, heard first as it opens.
std::string SaveOfferedSaid(std::string_view file);
// Two sentences as one text (a refusal, then where the page was saved instead).
std::string BothSaid(std::string_view first, std::string_view second);

// The fraction a frame shows, read aloud from its shown parts: "1350 root 450 over 150 root 90",
// "1 over the quantity 3 plus 2 root 5". Empty for a frame that shows no fraction.
std::string ReadFraction(const Form& form, ControlId frame);

// Enter in an answer box is the box's own: it presses what EnterPresses says, or nothing; it
// never goes on to the window's default button.
bool EnterIsOwn(const Control& focused);
// What Enter in `focused` presses: "&Submit" from an answer box while a shown box holds text
// (never an answer of empty boxes).
std::optional<ControlId> EnterPresses(const Form& form, const Control& focused);
// A control the keyboard reaches beyond the design's focus order, where Enter and Space click
// it: the period label, while it shows the teacher code and the key is hidden.
bool TakesKeyboardFocus(const Form& form, const Control& c);
// Enter on this button counts only once it has held the focus the program gave it for
// kDoubledEnterMs: the Enter that ended the run must not also print it.
bool GuardsDoubledEnter(const Control& button);
inline constexpr int kDoubledEnterMs = 500;
// What the key that repeats the open problem presses on a window: the problem itself.
std::optional<ControlId> SayAgainPresses(const Form& form);
// The button that Escape presses on a window: "Exit" on the sign-in window.
std::optional<ControlId> EscapePresses(const Form& form);
// The option button a click on a picture at height `y` (twips, within the picture) selects: the
// picture's own form, or of a pair (+ above -) the one whose button is nearer.
std::optional<ControlId> PictureSelects(const Form& form, const Control& picture, int y);

}  // namespace tovimel
