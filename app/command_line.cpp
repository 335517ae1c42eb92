// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <cstdio>
#include <string_view>

#include "tovimel/version.h"

namespace tovimel {
namespace {

constexpr std::string_view kUsage =
    "Usage: tovimel [--help | --version]\n"
    "Square-root practice for school students: sign in, choose a level and simplify twenty\n"
    "problems, all in the program's windows. See tovimel(1).\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

void Write(std::string_view text, std::FILE* to) {
  std::fwrite(text.data(), 1, text.size(), to);
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
  if (argc <= 1) return std::nullopt;
  const std::string_view first = argv[1];
  const bool known = first == "--help" || first == "--version";
  if (known && argc == 2) {
    if (first == "--help") {
      Write(kUsage, stdout);
    } else {
      std::printf("tovimel %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
    }
    return 0;
  }
  std::fprintf(stderr, "tovimel: unexpected argument '%s'\n", argv[known ? 2 : 1]);
  Write(kUsage, stderr);
  return 2;
}

}  // namespace tovimel
