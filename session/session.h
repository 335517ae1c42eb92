// SPDX-License-Identifier: MIT
// The practice run on the main window: load, start, next, submit, end, exit, clock, printout,
// level and key reveal. The window's events reach these through the form's handlers.
#pragma once

#include "engine/main_window.h"
#include "session/platform.h"

namespace tovimel {

enum class MainState { SigningIn, Ready, ProblemOpen, ProblemSolved, RunEnded };

class Session {
 public:
  // Installs every handler of the main window on its form.
  Session(RandomSource& random, TimeSource& time, Printer& printer, Process& process);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  MainWindow& window() { return window_; }
  Form& form() { return window_.form; }
  const Form& form() const { return window_.form; }
  MainState state() const;

  // The main window's Load handler.
  void load();

  // Event handlers. Each does nothing when the window's state does not offer it.
  void start();
  void next();
  void submit();
  void exit();
  void tick();
  void print();
  void levelChange();
  void keyReveal();
  // The student asks to hear the open problem again (a click on it, or its key).
  void sayProblem();
  void answerForm(int index);

  // The process is ending without closing this window: no handler of it runs any more.
  void halt();
  // Unloaded by Exit or a close request, or halted.
  bool closed() const { return closed_; }

 private:
  bool alive() const { return loaded_ && !closed_; }
  int selectedForm() const;

  MainWindow window_;
  TimeSource& time_;
  Printer& printer_;
  Process& process_;
  bool loaded_ = false;
  bool started_ = false;
  bool closed_ = false;
  int applied_level_ = 1;  // the level the window shows, to undo a change it does not accept
};

}  // namespace tovimel
