// SPDX-License-Identifier: MIT
// What assistive technology reads of a bound window, as windows/accessibility.h has it.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "windows/accessibility.h"
#include "windows/form.h"

class QAccessibleEvent;
class QWidget;

namespace tovimel {

// Gives the binding's own widgets their interfaces, and starts following whether assistive
// technology is active; to be called before any of the widgets exists.
void InstallAccessibleInterfaces();

// Every announcement a mirror sends is handed to `listener` too (nullptr: none). For tests:
// offscreen no assistive technology is connected, and Qt passes on no event at all.
void ListenToAnnouncements(std::function<void(const QAccessibleEvent&)> listener);

// Mirrors every control's name and description onto its widget after each change of the model,
// and gives the binding's own widgets accessible interfaces (labels as text, frames as named
// groups, pictures as graphics, the sign-in window as a dialog) that say only that: a label never
// falls back to its caption, and a container lists only its shown, exposed children.
// Nobody listens while no assistive technology is active: the mirror then rests, and catches up
// at once when one becomes active.
class AccessibleMirror {
 public:
  // `widgets` holds the widget of each of the form's controls, in the form's order (nullptr for
  // timers); `window` is the first of them.
  AccessibleMirror(Form& form, std::vector<QWidget*> widgets, bool dialog);
  ~AccessibleMirror();
  AccessibleMirror(const AccessibleMirror&) = delete;
  AccessibleMirror& operator=(const AccessibleMirror&) = delete;

  // Brings every name and description up to date now; changes of the model are otherwise told
  // when the running handler is done.
  void refresh();

 private:
  // The keyboard focus has come to `widget`, which the toolkit tells assistive technology.
  void focusTold(const QObject* widget);
  // When the handler that changed the model is done: mirrors, and tells the news that no focus
  // event carries.
  void settle();
  void later();
  void mirror();

  QObject context_;  // the deferred refresh dies with the mirror
  bool pending_ = false;
  QWidget* notice_ = nullptr;  // owned by the window; without announcements only
  int told_cue_ = 0;
  const Control* told_focus_ = nullptr;
  const Control* arrived_ = nullptr;  // where the focus was told since the last settle
  Form& form_;
  std::vector<QWidget*> widgets_;  // by control, nullptr for timers
  std::vector<Spoken> said_;
  int observer_ = -1;
};

}  // namespace tovimel
