// SPDX-License-Identifier: MIT
#include "session/session.h"

#include <bit>
#include <chrono>
#include <cstdint>

#include "answers/answer_forms.h"
#include "answers/grading.h"
#include "engine/generator.h"
#include "session/clock.h"
#include "session/level.h"
#include "session/new_problem.h"
#include "windows/teacher_code.h"

namespace tovimel {

using namespace frmTovimel3;

namespace {

std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

}  // namespace

Session::Session(RandomSource& random, TimeSource& time, Printer& printer, Process& process)
    : window_(random), time_(time), printer_(printer), process_(process) {
  Form& f = window_.form;
  f.onClick(cmdStart, [this] { start(); });
  f.onClick(cmdNew, [this] { next(); });
  f.onClick(cmdSubmit, [this] { submit(); });
  f.onClick(cmdExit, [this] { exit(); });
  f.onClick(cmdPrintIt, [this] { print(); });
  f.onClick(lblPeriod, [this] { keyReveal(); });
  f.onClick(fraProb, [this] { sayProblem(); });
  // An option button that takes the focus is selected as by a click, under the same checks.
  for (int i = 0; i < optAnswerForm.count; ++i) {
    f.onClick(optAnswerForm[i], [this, i] {
      // The student's own choice is told; the program's choices are told with their events.
      window_.form.setCue(Cue::Form);
      answerForm(i);
    });
    f.onFocus(optAnswerForm[i], [this, i] { answerForm(i); });
  }
  // A box taking the focus after the window is gone must not touch it.
  for (int k = 0; k < txtAnswer.count; ++k) {
    f.onFocus(txtAnswer[k], [this, k] {
      if (alive()) txtAnswer_GotFocus(window_, k);
    });
  }
  f.onTimer(timOverAll, [this] { tick(); });
  f.onChange(vsbLevel, [this] { levelChange(); });
  f.onClose([this] { exit(); });
}

MainState Session::state() const {
  const Form& f = window_.form;
  if (!f.window().props.enabled) return MainState::SigningIn;
  if (!started_) return MainState::Ready;
  if (f(cmdPrintIt).visible) return MainState::RunEnded;
  if (f(cmdSubmit).enabled) return MainState::ProblemOpen;
  return MainState::ProblemSolved;
}

void Session::load() {
  if (loaded_ || closed_) return;
  loaded_ = true;
  // Seconds since midnight alone repeat within a second; the steady clock's ticks do not.
  const auto seconds =
      std::bit_cast<std::uint32_t>(static_cast<float>(time_.secondsSinceMidnight()));
  const auto ticks =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  window_.random.seed(Mix(seconds ^ Mix(ticks)));
  window_.Primes = kPrimes;
  window_.ProblemLimit = 20;
  window_.captureHomes();
  vsbLevel_Change(window_);
  applied_level_ = window_.level();
  window_.ClockSeconds = 0;
  window_.ClockMinutes = 0;
}

void Session::start() {
  if (!alive() || state() != MainState::Ready) return;
  started_ = true;
  Form& f = window_.form;
  f.setVisible(fraLevel, false);
  f.setEnabled(cmdStart, false);
  f.setEnabled(cmdSubmit, true);
  f.setCue(Cue::Problem, window_.ProblemLimit);
  cmdNew_Click(window_);
  f.setEnabled(timOverAll, true);
}

void Session::next() {
  if (!alive() || state() != MainState::ProblemSolved) return;
  window_.form.setCue(Cue::Problem, window_.ProblemLimit);
  cmdNew_Click(window_);
}

void Session::submit() {
  if (!alive() || state() != MainState::ProblemOpen) return;
  window_.form.setCue(Cue::Verdict, selectedForm());
  cmdSubmit_Click(window_);
}

void Session::exit() {
  // While signing in the main window is out of reach; only the sign-in's "Exit" ends the program.
  if (!alive() || state() == MainState::SigningIn) return;
  closed_ = true;
  window_.form.setVisible(window_.form.self(), false);
  process_.quit();
}

void Session::tick() {
  if (!alive() || !window_.form(timOverAll).enabled) return;
  timOverAll_Timer(window_);
}

void Session::print() {
  if (!alive() || state() != MainState::RunEnded) return;
  Form& f = window_.form;
  // The page shows the run, not what became of an earlier page.
  f.setVisible(lblPageWent, false);
  PageWent went = printer_.printWindow(f);
  std::string refused;
  if (went.to == PageWent::To::Refused) refused = PageWentSaid(went);
  // A page the printer or the disk did not take is offered as a file until it is kept or the
  // student cancels: it must not be lost in silence.
  while (went.to == PageWent::To::Refused || went.to == PageWent::To::NotWritten) {
    const std::string why = PageWentSaid(went);
    PageWent next = printer_.saveWindow(f, why);
    if (next.to == PageWent::To::Nowhere) break;
    went = std::move(next);
  }
  const std::string said =
      went.to == PageWent::To::Refused ? refused : BothSaid(refused, PageWentSaid(went));
  if (said.empty()) return;
  f.setText(lblPageWent, said);
  f.setVisible(lblPageWent, true);
  f.setCue(Cue::PageWent);
}

void Session::levelChange() {
  if (!loaded_ || closed_) return;
  if (state() != MainState::Ready) {
    // The scroll bar was moved where the level is fixed: put it back, so that the next problem
    // is not made for a level the window does not show.
    if (window_.level() != applied_level_) window_.form.setValue(vsbLevel, applied_level_);
    return;
  }
  applied_level_ = window_.level();
  window_.form.setCue(Cue::Level);
  vsbLevel_Change(window_);
}

void Session::keyReveal() {
  if (!alive() || state() == MainState::SigningIn) return;
  if (window_.form(lblPeriod).text != kTeacherCode) return;
  window_.form.setCue(Cue::KeyShown);
  window_.form.setVisible(fraKey, true);
}

void Session::sayProblem() {
  if (!alive() || state() != MainState::ProblemOpen) return;
  window_.form.setCue(Cue::Problem);
}

int Session::selectedForm() const {
  for (int i = 0; i < optAnswerForm.count; ++i) {
    if (window_.form(optAnswerForm[i]).selected) return i;
  }
  return -1;
}

void Session::answerForm(int index) {
  if (!alive() || index < 0 || index >= optAnswerForm.count) return;
  if (!window_.form.operable(window_.form.control(optAnswerForm[index]))) return;
  optAnswerForm_Click(window_, index);
}

void Session::halt() {
  closed_ = true;
}

}  // namespace tovimel
