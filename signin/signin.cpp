// SPDX-License-Identifier: MIT
#include "signin/signin.h"

#include "windows/layouts.h"
#include "windows/teacher_code.h"

namespace tovimel {

using namespace frmSignIn;

namespace {

constexpr Rgb kYellow{255, 255, 0};

struct Field {
  ControlName box;
  ControlName label;
};

// Each sign-in field and the main window's strip label that mirrors it.
constexpr Field kFields[] = {
    {txtPeriod, frmTovimel3::lblPeriod},
    {txtID, frmTovimel3::lblID},
    {txtName, frmTovimel3::lblName},
    {txtTeacher, frmTovimel3::lblTeacher},
};

}  // namespace

SignIn::SignIn(Session& main, TimeSource& time, Process& process)
    : form_(SignInLayout()), main_(main), time_(time), process_(process) {
  for (const Field& field : kFields) {
    form_.onChange(field.box, [this, field] { fieldChanged(field.box, field.label); });
  }
  form_.onTimer(Timer1, [this] { flash(); });
  form_.onClick(cmdOk, [this] { ok(); });
  form_.onClick(cmdExit, [this] { exit(); });
  form_.onClose([this] { closeRequested(); });
}

void SignIn::load() {
  if (loaded_ || unloaded_) return;
  loaded_ = true;
  main_.load();
  Form& main = main_.form();
  main.setEnabled(main.self(), false);
  main.setVisible(main.self(), true);
  form_.focus(txtPeriod);
}

void SignIn::OnOk() {
  if (unloaded_) return;
  const auto text = [this](ControlId box) -> const std::string& { return form_(box).text; };
  const bool code = text(txtPeriod) == kTeacherCode;
  // Blanks are text too: only an empty field is missing.
  const bool complete = !text(txtID).empty() && !text(txtName).empty() &&
                        !text(txtPeriod).empty() && !text(txtTeacher).empty();
  form_.setEnabled(cmdOk, code || complete);
}

void SignIn::fieldChanged(ControlId field, ControlId label) {
  if (!loaded_ || unloaded_) return;
  main_.form().setText(label, form_(field).text);
  OnOk();
}

void SignIn::flash() {
  if (unloaded_) return;
  if (form_(lblFlash).back == kBlack) {
    form_.setBack(lblFlash, kYellow);
    form_.setFore(lblFlash, kBlack);
  } else {
    form_.setBack(lblFlash, kBlack);
    form_.setFore(lblFlash, kYellow);
  }
}

void SignIn::ok() {
  // Enter presses "OK" only while it is enabled; a direct call obeys the same rule.
  if (!loaded_ || unloaded_ || !form_(cmdOk).enabled) return;
  Form& main = main_.form();
  main.setEnabled(main.self(), true);
  main.setText(frmTovimel3::lblDate, time_.todayText());
  unloaded_ = true;
  form_.setEnabled(Timer1, false);
  form_.setVisible(form_.self(), false);
}

void SignIn::exit() {
  if (unloaded_) return;
  endProgram();
}

void SignIn::closeRequested() {
  // Without "OK" the main window stays disabled and nobody could use or close it: end instead.
  if (unloaded_) return;
  endProgram();
}

void SignIn::endProgram() {
  // Mark both windows dead first: ending the process may return in a test, never in the program.
  unloaded_ = true;
  ended_ = true;
  main_.halt();
  process_.endNow();
}

}  // namespace tovimel
