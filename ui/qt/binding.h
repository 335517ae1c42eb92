// SPDX-License-Identifier: MIT
// Binds one window of the model to Qt widgets: builds them from the layout data, mirrors every
// model change onto them, and forwards the user's events into the model's handlers.
#pragma once

#include <QObject>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/form.h"

class QButtonGroup;
class QWidget;

namespace tovimel {

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
  QWidget* widget(std::string_view name, int index = -1) const;
  Ticker* timer(std::string_view name) const;
  const Form& form() const { return form_; }

  // Shows the window if the model has it visible, centred on the screen the first time.
  void show();
  // Keeps this window above `owner` (the sign-in over the practice window).
  void stayAbove(const WindowBinding& owner);

  // The top-level widget bound to a form, for printing; nullptr if none.
  static QWidget* WindowOf(const Form& form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Slot {
    QWidget* widget = nullptr;
    Ticker* timer = nullptr;
    Props shown;  // what the widget shows, to write only what changed
  };

  void build();
  QWidget* create(const Control& c, QWidget* parent);
  void connectEvents(const Control& c, QWidget* widget);
  void orderFocus();
  void apply(const Control& c, bool all);
  void applyWindow(const Control& c, bool all);
  void applyColours(const Control& c, QWidget* widget);
  void applySelection(const Control& c, QWidget* widget);
  void onModel(const Control& c, Change what);
  void onFocus(const Control& c);
  // After a user's click, key or scroll: the handlers may have moved the model's focus to a
  // control that already had it there, which sends no notice; bring the widgets in line.
  void settle();
  int indexOf(const Control& c) const;
  const Control* controlOf(const QObject* widget) const;

  void click(int i);
  void optionClicked(int index);
  void textEdited(int i);
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
  const WindowBinding* owner_ = nullptr;
};

}  // namespace tovimel
