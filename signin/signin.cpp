// SPDX-License-Identifier: MIT
#include "signin/signin.h"

#include "session/teacher_code.h"
#include "ui/layouts.h"

namespace tovimel {
namespace {

constexpr Rgb kYellow{255, 255, 0};

struct Field {
  const char* box;
  const char* label;
};

// Each sign-in field and the main window's strip label that mirrors it.
constexpr Field kFields[] = {
    {"txtPeriod", "lblPeriod"},
    {"txtID", "lblID"},
    {"txtName", "lblName"},
    {"txtTeacher", "lblTeacher"},
};

}  // namespace

SignIn::SignIn(Session& main, TimeSource& time, Process& process)
    : form_(SignInLayout()), main_(main), time_(time), process_(process) {
  for (const Field& field : kFields) {
    form_.onChange(field.box, -1, [this, field] { fieldChanged(field.box, field.label); });
  }
  form_.onTimer("Timer1", [this] { flash(); });
  form_.onClick("cmdOk", -1, [this] { ok(); });
  form_.onClick("cmdExit", -1, [this] { exit(); });
  form_.onClose([this] { closeRequested(); });
}

void SignIn::load() {
  if (loaded_ || unloaded_) return;
  loaded_ = true;
  main_.load();
  Form& main = main_.form();
  main.setEnabled(main.name(), -1, false);
  main.setVisible(main.name(), -1, true);
  form_.focus("txtPeriod");
}

void SignIn::OnOk() {
  if (unloaded_) return;
  const auto text = [this](const char* box) -> const std::string& { return form_(box).text; };
  const bool code = text("txtPeriod") == kTeacherCode;
  // Blanks are text too: only an empty field is missing.
  const bool complete = !text("txtID").empty() && !text("txtName").empty() &&
                        !text("txtPeriod").empty() && !text("txtTeacher").empty();
  form_.setEnabled("cmdOk", -1, code || complete);
}

void SignIn::fieldChanged(const char* field, const char* label) {
  if (!loaded_ || unloaded_) return;
  main_.form().setText(label, -1, form_(field).text);
  OnOk();
}

void SignIn::flash() {
  if (unloaded_) return;
  if (form_("lblFlash").back == kBlack) {
    form_.setBack("lblFlash", -1, kYellow);
    form_.setFore("lblFlash", -1, kBlack);
  } else {
    form_.setBack("lblFlash", -1, kBlack);
    form_.setFore("lblFlash", -1, kYellow);
  }
}

void SignIn::ok() {
  // Enter presses "OK" only while it is enabled; a direct call obeys the same rule.
  if (!loaded_ || unloaded_ || !form_("cmdOk").enabled) return;
  Form& main = main_.form();
  main.setEnabled(main.name(), -1, true);
  main.setText("lblDate", -1, time_.todayText());
  unloaded_ = true;
  form_.setEnabled("Timer1", -1, false);
  form_.setVisible(form_.name(), -1, false);
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
