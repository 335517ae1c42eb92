// SPDX-License-Identifier: MIT
#include "app/no_display.h"

#include <QRegularExpression>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
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
  if (value == nullptr) return std::string(name) + " not set";
  if (*value == '\0') return std::string(name) + " empty";
  return std::string(name) + "=" + value;
}

// The first capture of `pattern` in the first held message that has it.
std::optional<QString> Held(const char* pattern) {
  const QRegularExpression re{QLatin1String(pattern)};
  for (const HeldMessage& m : held) {
    if (const auto match = re.match(m.text); match.hasMatch()) return match.captured(1);
  }
  return std::nullopt;
}

// One line that keeps Qt's cause: the warnings before its fatal message say why no platform
// plugin started, and the fatal message lists the ones there are.
[[noreturn]] void ExitForNoDisplay(const QString& fatal) {
  std::string line;
  std::string settings = Setting("DISPLAY") + ", " + Setting("WAYLAND_DISPLAY");
  if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform)
    settings.append(", QT_QPA_PLATFORM=").append(platform);
  {
    const std::lock_guard lock(held_mutex);
    if (const auto plugin = Held(R"re(Could not find the Qt platform plugin "([^"]*)")re")) {
      line = "tovimel: cannot start its windows: Qt has no platform plugin \"" +
             plugin->toStdString() + "\" (" + settings + ")";
      static const QRegularExpression available(QStringLiteral("platform plugins are: ([^\n]*)"));
      if (const auto match = available.match(fatal); match.hasMatch()) {
        QString list = match.captured(1).trimmed();
        if (list.endsWith(u'.')) list.chop(1);
        line += "; it has " + list.toStdString();
      }
    } else if (const auto display = Held("could not connect to display ?(.*)$")) {
      // -display names a display of its own.
      const char* set = std::getenv("DISPLAY");
      if (!display->isEmpty() && (set == nullptr || display->toStdString() != set))
        settings += ", display " + display->toStdString();
      line = "tovimel: cannot open a display for its windows (" + settings +
             "); start it from a graphical desktop session";
    } else if (const auto broken = Held(R"re(Could not load the Qt platform plugin "([^"]*)")re")) {
      line = "tovimel: cannot start its windows: Qt's platform plugin \"" + broken->toStdString() +
             "\" could not be loaded (" + settings + "); QT_DEBUG_PLUGINS=1 shows why";
    } else {
      // The platform's last word, else Qt's fatal message.
      QString said = fatal;
      for (const HeldMessage& m : held) {
        if (m.category.starts_with("qt.qpa")) said = m.text;
      }
      line = "tovimel: cannot start its windows: " +
             said.section(u'\n', 0, 0).trimmed().toStdString() + " (" + settings + ")";
    }
  }
  line += "\n";
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
  if (type == QtFatalMsg) ExitForNoDisplay(text);
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
