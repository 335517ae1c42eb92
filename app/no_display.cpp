// SPDX-License-Identifier: MIT
#include "app/no_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace tovimel {
namespace {

struct HeldMessage {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

std::mutex held_mutex;
std::vector<HeldMessage> held;
QtMessageHandler previous_handler = nullptr;

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(name) + "=" + value : std::string(name) + " not set";
}

[[noreturn]] void ExitForNoDisplay() {
  std::string line = "tovimel: cannot open a display for its windows (" + Setting("DISPLAY") +
                     ", " + Setting("WAYLAND_DISPLAY");
  if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform)
    line.append(", QT_QPA_PLATFORM=").append(platform);
  line += "); start it from a graphical desktop session\n";
  std::fputs(line.c_str(), stderr);
  std::_Exit(1);
}

const char* OrNull(const std::string& s) {
  return s.empty() ? nullptr : s.c_str();
}

void PassOn(const HeldMessage& m) {
  const QMessageLogContext context(OrNull(m.file), m.line, OrNull(m.function), OrNull(m.category));
  previous_handler(m.type, context, m.text);
}

// Qt's only fatal message while QApplication starts is that no platform plugin could start,
// whatever its wording in a given Qt version.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) ExitForNoDisplay();
  const auto str = [](const char* s) { return std::string(s ? s : ""); };
  const std::lock_guard lock(held_mutex);
  held.push_back(
      {type, str(context.file), str(context.function), str(context.category), context.line, text});
}

}  // namespace

DisplayStartGuard::DisplayStartGuard() {
  previous_handler = qInstallMessageHandler(Hold);
}

void DisplayStartGuard::release() {
  if (!holding_) return;
  holding_ = false;
  qInstallMessageHandler(previous_handler);
  const std::lock_guard lock(held_mutex);
  for (const HeldMessage& m : held) PassOn(m);
  held.clear();
}

}  // namespace tovimel
