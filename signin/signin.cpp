// SPDX-License-Identifier: MIT
#include "signin/signin.h"

#include "ui/layouts.h"

namespace tovimel {

SignIn::SignIn(Session& main, TimeSource& time, Process& process)
    : form_(SignInLayout()), main_(main), time_(time), process_(process) {}

void SignIn::load() {}
void SignIn::OnOk() {}
void SignIn::fieldChanged(const char*, const char*) {}
void SignIn::flash() {}
void SignIn::ok() {}
void SignIn::exit() {}
void SignIn::closeRequested() {}

}  // namespace tovimel
