// SPDX-License-Identifier: MIT
// Binds one window of the model to Qt widgets: builds them from the layout data, mirrors every
// model change onto them, and forwards the user's events into the model's handlers.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <unordered_map>
#include <variant>
#include <vector>

#include "windows/form.h"

class QButtonGroup;
class QFocusFrame;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace tovimel {

class AccessibleMirror;
class ButtonWidget;
class FrameWidget;
class LabelWidget;
class LineWidget;
class OutlineWidget;
class PictureWidget;
class Ticker;
class WindowWidget;

class WindowBinding final : public QObject {
  Q_OBJECT
 public:
  enum class Frame {
    Titled,     // an ordinary window with title bar, icon and fixed size
    Borderless  // no title bar, no border, not in the task bar
  };

  WindowBinding(Form& form, Frame frame);
  ~WindowBinding() override;
  WindowBinding(const WindowBinding&) = delete;
  WindowBinding& operator=(const WindowBinding&) = delete;

  QWidget* window() const;
  // The widget of a control; nullptr for timers.
  QWidget* widget(ControlId id) const;
  Ticker* timer(ControlId id) const;
  const Form& form() const { return form_; }

  // Shows the window if the model has it visible, the first time centred over its owner
  // (stayAbove) where the owner is shown, otherwise on the screen.
  void showWindow();
  // Ties this window to `owner` as its dialog (the sign-in over the practice window), so that
  // the window system keeps it above the owner and, where it places windows itself, over it.
  void stayAbove(const WindowBinding& owner);
  // A user's click on a control, however the mouse or a key delivers it.
  void press(ControlId id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The widget of each kind of control, as its own type.
  using Widget =
      std::variant<WindowWidget*, LabelWidget*, QLineEdit*, ButtonWidget*, QRadioButton*,
                   FrameWidget*, PictureWidget*, LineWidget*, QScrollBar*, OutlineWidget*, Ticker*>;
  struct Slot {
    Widget typed;
    QWidget* widget = nullptr;  // the same widget, nullptr for a timer
    Props shown;                // what the widget shows, to write only what changed
  };
  // Which props differ from what a widget shows (all of them on the first pass).
  struct Changes {
    const Props& now;
    const Props& was;
    bool all;
    template <class M>
    bool operator()(M Props::*member) const {
      return all || now.*member != was.*member;
    }
  };

  void build();
  Widget create(const Control& c, QWidget* parent);
  void orderFocus();
  // Places every widget again for the window's direction, and aligns captions with it.
  void mirror();
  void align(QWidget& w, const Control& c);
  void apply(const Control& c, bool all);
  template <class W>
  void applyTo(W& w, const Control& c, const Changes& changed);
  void applyTo(WindowWidget& w, const Control& c, const Changes& changed);
  void applyTo(Ticker& t, const Control& c, const Changes& changed);
  // What each kind of control shows besides its place, state and colours.
  void applyContent(QWidget& w, const Control& c, const Changes& changed);
  void applyContent(LabelWidget& w, const Control& c, const Changes& changed);
  void applyContent(QLineEdit& w, const Control& c, const Changes& changed);
  void applyContent(ButtonWidget& w, const Control& c, const Changes& changed);
  void applyContent(QRadioButton& w, const Control& c, const Changes& changed);
  void applyContent(FrameWidget& w, const Control& c, const Changes& changed);
  void applyContent(LineWidget& w, const Control& c, const Changes& changed);
  void applyContent(QScrollBar& w, const Control& c, const Changes& changed);
  void applyColours(const Control& c, QWidget& widget);
  void applySelection(const Control& c, QLineEdit& edit);
  void onModel(const Control& c, Change what);
  void onFocus(const Control& c);
  // After a user's click, key or scroll: the handlers may have moved the model's focus to a
  // control that already had it there, which sends no notice; bring the widgets in line.
  void settle();
  int indexOf(const Control& c) const;
  const Control* controlOf(const QObject* widget) const;

  void click(int i);
  void optionClicked(int index);
  void textChanged(int i);
  void selectionMoved(int i);
  void scrolled(int i, int value);
  void enter();

  Form& form_;
  Frame frame_;
  std::unique_ptr<WindowWidget> window_;
  std::vector<Slot> slots_;
  std::unordered_map<const QObject*, int> by_widget_;
  QButtonGroup* options_ = nullptr;
  int observer_ = -1;
  int applying_ = 0;  // >0 while the binding itself changes widgets: no echo into the model
  bool placed_ = false;
  QElapsedTimer focus_moved_;  // since the program last moved the keyboard focus
  const WindowBinding* owner_ = nullptr;
  std::unique_ptr<AccessibleMirror> accessible_;
  std::vector<int> clickable_;  // labels with a Click handler: the keyboard reaches some
  QFocusFrame* focus_frame_ = nullptr;
};

}  // namespace tovimel
