// SPDX-License-Identifier: MIT
// The start-up window: collects period, ID, name and teacher into the main window's strip.
#pragma once

#include "session/platform.h"
#include "session/session.h"
#include "windows/controls.h"
#include "windows/form.h"

namespace tovimel {

class SignIn {
 public:
  // Installs the window's handlers on its form.
  SignIn(Session& main, TimeSource& time, Process& process);
  SignIn(const SignIn&) = delete;
  SignIn& operator=(const SignIn&) = delete;

  Form& form() { return form_; }
  const Form& form() const { return form_; }
  // Closed by "OK" (the main window goes on) or ended by "Exit".
  bool unloaded() const { return unloaded_; }
  // The program was ended from here ("Exit", or a close before "OK").
  bool ended() const { return ended_; }

  // The Load handler: loads the main window, disables it and shows it.
  void load();

  void OnOk();
  void fieldChanged(ControlId field, ControlId label);
  void flash();
  void ok();
  void exit();
  // The window system closes the window some way other than "OK" or "Exit".
  void closeRequested();

 private:
  void endProgram();

  Form form_;
  Session& main_;
  TimeSource& time_;
  Process& process_;
  bool loaded_ = false;
  bool unloaded_ = false;
  bool ended_ = false;
};

}  // namespace tovimel
