// SPDX-License-Identifier: MIT
// A window as a set of named controls: the single source of truth for the program's state.
// Handlers read and write these properties; the Qt binding only mirrors them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovimel {

enum class Kind {
  Window,
  Label,
  TextBox,
  Button,
  Option,
  Frame,
  Image,
  Line,
  ScrollBar,
  Timer,
  Shape
};

struct Rgb {
  std::uint8_t r{}, g{}, b{};
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

enum class Align { Left, Center, Right };

// What an image control shows: the radical sign stretched to its box, or the picture of the
// answer forms it stands beside (windows/answer_form_table.h says which and how it is drawn).
enum class Picture { None, Radical, AnswerForm };

// What a control looks like by design; nothing at run time changes it.
struct Look {
  std::string font_family;  // empty: the window's default font
  double font_points = 0;   // 0: the window's default size
  bool bold = false;
  bool border = false;  // frames: a drawn frame; labels: a single-line border
  Align align = Align::Left;
  bool auto_size = false;           // labels: width and height follow the caption
  Picture picture = Picture::None;  // images: which drawing to show
  int tab_index = -1;  // position in the focus order, -1 when the control takes no focus
  bool default_button = false;
  bool clickable = false;   // labels that have a Click handler
  bool translated = false;  // its text is a design caption, shown in the reader's language
  // Frames: what they hold reads left to right in every language (mathematics), while the frame
  // itself mirrors with the window.
  bool left_to_right = false;
  bool one_line = false;  // labels: the caption never takes a second line (the level's name)
};

// What handlers may change at run time.
struct Props {
  std::string text;  // caption of labels, buttons, frames and windows; contents of text boxes
  bool visible = true;
  bool enabled = true;
  bool selected = false;    // option buttons
  std::optional<Rgb> back;  // nullopt: the system colour
  std::optional<Rgb> fore;
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;         // line end points, twips
  int value = 0, min = 0, max = 0;               // scroll bar
  int interval = 0;                              // timer, milliseconds
  int sel_start = 0, sel_length = 0;             // text box selection
  // Answer boxes: the colour grades what the box showed. A box hidden then is coloured too, as
  // the original window did, but it had no answer to grade.
  bool graded = false;
  bool operator==(const Props&) const = default;
};

// Which control: a plain one by name, or a member of a control array by name and index. The
// names themselves are in windows/controls.h.
struct ControlId {
  std::string_view name;
  int index = -1;  // member index within a control array, -1 for a plain control
  // "txtAnswer(2)" for array members, the plain name otherwise.
  std::string key() const;
};

struct Control {
  std::string name;
  int index = -1;  // member index within a control array, -1 for a plain control
  Kind kind = Kind::Label;
  std::string container;  // key of the containing frame, empty for the window itself
  Look look;
  Props props;

  ControlId id() const { return {name, index}; }
  std::string key() const { return id().key(); }
};

enum class Change { Props, Focus };

// What the latest event has to tell a screen-reader user, heard with the control the event leaves
// the focus on (windows/accessibility.h has the words).
enum class Cue {
  None,
  Problem,   // a new problem, or the student asked to hear it again
  Verdict,   // "&Submit" graded the answer
  Form,      // the student chose an answer form
  Level,     // the student chose a level
  KeyShown,  // the teacher revealed the answer key
  PageWent,  // a page was printed, saved, held or refused: where it went
};

// Where a control's text or picture puts ink, in twips from the control's top-left corner.
struct InkBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  std::optional<double> overline_bottom;  // a root sign's: where the room under it begins
  bool operator==(const InkBox&) const = default;
};

class Form {
 public:
  using Observer = std::function<void(const Control&, Change)>;
  // Returns the (width, height) an auto-size label takes for its caption.
  using Measure = std::function<std::pair<int, int>(const Control&)>;
  // Where the toolkit puts a control's ink when it stands with the given props; nullopt where
  // it draws nothing.
  using InkMeasure = std::function<std::optional<InkBox>(const Control&)>;

  // The first control must be the window itself (Kind::Window).
  explicit Form(std::vector<Control> controls);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return controls_.front().name; }
  const Control& window() const { return controls_.front(); }
  // The window itself, for the setters.
  ControlId self() const { return window().id(); }
  const std::vector<Control>& controls() const { return controls_; }

  // Unknown controls are programming errors: these throw std::out_of_range.
  const Control& control(ControlId id) const;
  const Props& operator()(ControlId id) const { return control(id).props; }

  // Applies edit to a copy of the props; stores it and notifies once if anything changed.
  // A changed text box text or scroll bar value then runs the control's change handler.
  void set(ControlId id, const std::function<void(Props&)>& edit);

  void setText(ControlId id, std::string text);
  void setVisible(ControlId id, bool visible);
  void setEnabled(ControlId id, bool enabled);
  void setBack(ControlId id, std::optional<Rgb> colour);
  void setFore(ControlId id, std::optional<Rgb> colour);
  void setLeft(ControlId id, int left);
  void setValue(ControlId id, int value);
  void setSelection(ControlId id, int start, int length);

  // Makes an option button the selected one of its window's single group.
  void select(ControlId id);

  // Gives the keyboard focus and runs the focus handler. A control that is hidden or disabled,
  // or sits in a hidden frame or a disabled window, cannot take it: returns false, nothing runs.
  // Focusing the control that already has the focus runs nothing either.
  bool focus(ControlId id);
  bool canFocus(const Control& c) const;
  const Control* focused() const { return focused_ < 0 ? nullptr : &controls_[focused_]; }
  bool hasFocus(ControlId id) const;

  void onFocus(ControlId id, std::function<void()> handler);
  void onChange(ControlId id, std::function<void()> handler);
  void onClick(ControlId id, std::function<void()> handler);
  void onTimer(ControlId id, std::function<void()> handler);
  // The window system asks to close the window (name: the window's own name).
  void onClose(std::function<void()> handler);

  // A user's click: runs the handler only when the control is shown and enabled, its frames
  // are shown and enabled, and the window is enabled. Returns whether the handler ran.
  bool click(ControlId id);
  // A timer's tick: runs the handler only while the timer is enabled.
  bool tick(ControlId id);
  void requestClose();
  // Whether a person could operate the control now (shown, enabled, window enabled).
  bool operable(const Control& c) const;
  // The first of `c` and the frames around it, innermost first, for which `test` holds; nullptr
  // when none does. The window itself is not among them.
  template <class Test>
  const Control* firstUp(const Control& c, Test test) const {
    for (const Control* at = &c;; at = &control({at->container})) {
      if (test(*at)) return at;
      if (at->container.empty()) return nullptr;
    }
  }
  // Whether this form is the window named `window` (frmSignIn::self, frmTovimel3::self).
  bool is(ControlId window) const { return name() == window.name; }

  // Set by a handler before it moves the focus; `detail` is the cue's own datum (for a verdict the
  // answer form before "&Submit"). Observers hear of it as a change of the window.
  void setCue(Cue cue, int detail = -1);
  Cue cue() const { return cue_; }
  int cueDetail() const { return cue_detail_; }
  // Counts the cues set: the same cue set again is told again.
  int cueCount() const { return cue_count_; }

  // Every real change is reported once; returns an id for unobserve.
  int observe(Observer observer);
  void unobserve(int id);
  void setMeasure(Measure measure);
  void setInkMeasure(InkMeasure measure);
  // The ink of `c` (a control of this form, or a copy with other props); nullopt where nothing
  // is drawn, and always without a toolkit to measure it.
  std::optional<InkBox> ink(const Control& c) const;

 private:
  int find(ControlId id) const;
  int require(ControlId id) const;
  void store(int i, const Props& next);
  void notify(const Control& c, Change what);

  std::vector<Control> controls_;
  // name -> positions in controls_, by member index (plain controls use slot 0)
  std::map<std::string, std::vector<int>, std::less<>> by_name_;
  std::vector<std::function<void()>> focus_handlers_;
  std::vector<std::function<void()>> change_handlers_;
  std::vector<std::function<void()>> click_handlers_;
  std::vector<std::function<void()>> timer_handlers_;
  std::function<void()> close_handler_;
  std::vector<std::pair<int, Observer>> observers_;
  int next_observer_ = 0;
  int focused_ = -1;
  Cue cue_ = Cue::None;
  int cue_detail_ = -1;
  int cue_count_ = 0;
  Measure measure_;
  InkMeasure ink_;
};

}  // namespace tovimel
