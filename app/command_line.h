// SPDX-License-Identifier: MIT
// The conventions of installed programs, -h/--help and -v/--version, and the options every Qt
// program takes; Tovimel has no options of its own, everything happens in its windows.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tovimel {

// Answers --help or --version on stdout, or prints the usage on stderr for any argument that is
// neither those nor one of Qt's own options with its value. Returns the exit status when the
// program ends here, nothing when it goes on to open its windows (Qt then takes its options
// from the same arguments). Needs no display.
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

// A terminal line (context "CommandLine") in the desktop's language, with its %1.. places
// filled; read before any QCoreApplication exists, and when none could start.
QString TerminalText(const char* source, const QStringList& places = {});

}  // namespace tovimel
