// SPDX-License-Identifier: MIT
// The two conventions of installed programs, --help and --version; Tovimel has no options of
// its own, everything happens in its windows.
#pragma once

#include <optional>

namespace tovimel {

// Answers --help or --version on stdout, or prints the usage on stderr for any other
// argument. Returns the exit status when the program ends here, nothing when it goes on to
// open its windows. Needs no display.
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

}  // namespace tovimel
