// SPDX-License-Identifier: MIT
#include "app/no_display.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

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

constexpr const char* kNotSet = QT_TRANSLATE_NOOP("CommandLine", "%1 not set");
constexpr const char* kEmpty = QT_TRANSLATE_NOOP("CommandLine", "%1 empty");
constexpr const char* kNoPlugin = QT_TRANSLATE_NOOP(
    "CommandLine", "cannot start its windows: Qt has no platform plugin \"%1\" (%2)");
constexpr const char* kPlugins = QT_TRANSLATE_NOOP("CommandLine", "; it has %1");
constexpr const char* kNoDisplay = QT_TRANSLATE_NOOP(
    "CommandLine",
    "cannot open a display for its windows (%1); start it from a graphical desktop session");
constexpr const char* kOwnDisplay = QT_TRANSLATE_NOOP("CommandLine", "display %1");
constexpr const char* kBrokenPlugin =
    QT_TRANSLATE_NOOP("CommandLine",
                      "cannot start its windows: Qt's platform plugin \"%1\" could not be "
                      "loaded (%2); QT_DEBUG_PLUGINS=1 shows why");
constexpr const char* kCannotStart =
    QT_TRANSLATE_NOOP("CommandLine", "cannot start its windows: %1 (%2)");

QString Setting(const char* name) {
  const char* value = std::getenv(name);
  const QString variable = QString::fromLatin1(name);
  if (value == nullptr) return TerminalText(kNotSet, {variable});
  if (*value == '\0') return TerminalText(kEmpty, {variable});
  return variable + u'=' + QString::fromLocal8Bit(value);
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
  QString line;
  QStringList settings = {Setting("DISPLAY"), Setting("WAYLAND_DISPLAY")};
  if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform)
    settings << QStringLiteral("QT_QPA_PLATFORM=") + QString::fromLocal8Bit(platform);
  {
    const std::lock_guard lock(held_mutex);
    if (const auto plugin = Held(R"re(Could not find the Qt platform plugin "([^"]*)")re")) {
      line = TerminalText(kNoPlugin, {*plugin, settings.join(QStringLiteral(", "))});
      static const QRegularExpression available(QStringLiteral("platform plugins are: ([^\n]*)"));
      if (const auto match = available.match(fatal); match.hasMatch()) {
        QString list = match.captured(1).trimmed();
        if (list.endsWith(u'.')) list.chop(1);
        line += TerminalText(kPlugins, {list});
      }
    } else if (const auto display = Held("could not connect to display ?(.*)$")) {
      // -display names a display of its own.
      const char* set = std::getenv("DISPLAY");
      if (!display->isEmpty() && (set == nullptr || display->toStdString() != set))
        settings << TerminalText(kOwnDisplay, {*display});
      line = TerminalText(kNoDisplay, {settings.join(QStringLiteral(", "))});
    } else if (const auto broken = Held(R"re(Could not load the Qt platform plugin "([^"]*)")re")) {
      line = TerminalText(kBrokenPlugin, {*broken, settings.join(QStringLiteral(", "))});
    } else {
      // The platform's last word, else Qt's fatal message.
      QString said = fatal;
      for (const HeldMessage& m : held) {
        if (m.category.starts_with("qt.qpa")) said = m.text;
      }
      line = TerminalText(
          kCannotStart, {said.section(u'\n', 0, 0).trimmed(), settings.join(QStringLiteral(", "))});
    }
  }
  const QByteArray bytes = (QStringLiteral("tovimel: ") + line + u'\n').toLocal8Bit();
  std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stderr);
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
