// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QFileInfo>
#include <QString>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "desktop/translations.h"
#include "tovimel/version.h"

namespace tovimel {
namespace {

// Translated only when printed: --help and a refusal start no QCoreApplication, so the
// translation is read without one.
constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: tovimel [-h | --help | -v | --version] [Qt options]\n"
    "Square-root practice for school students: sign in, choose a level and simplify twenty\n"
    "problems, all in the program's windows. See tovimel(1).\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's own options go to Qt, such as -platform NAME, -style NAME, -reverse, -session ID,\n"
    "-display DISPLAY and -geometry WxH+X+Y; see qt6options(7) where installed.\n");

constexpr const char* kUnexpected = QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'");
constexpr const char* kNeedsValue = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a value");
// Qt would read it as no platform and end in its advice to reinstall.
constexpr const char* kEmptyPlatform =
    QT_TRANSLATE_NOOP("CommandLine", "the platform name after '%1' is empty");

// The options QApplication takes for every Qt program on Linux, each also with "--".
struct QtOption {
  std::string_view name;
  enum { Flag, Value, ValueOrAttached } takes;  // attached: "-style=fusion"
};
constexpr QtOption kQtOptions[] = {
    {"platform", QtOption::Value},        {"platformpluginpath", QtOption::Value},
    {"platformtheme", QtOption::Value},   {"plugin", QtOption::Value},
    {"qwindowgeometry", QtOption::Value}, {"qwindowicon", QtOption::Value},
    {"qwindowtitle", QtOption::Value},    {"session", QtOption::Value},
    {"display", QtOption::Value},         {"geometry", QtOption::Value},
    {"style", QtOption::ValueOrAttached}, {"stylesheet", QtOption::ValueOrAttached},
    {"reverse", QtOption::Flag},          {"widgetcount", QtOption::Flag},
};

QString Tr(const char* source, const QString& place = {}) {
  return TerminalText(source, place.isNull() ? QStringList() : QStringList{place});
}

void Write(const QString& text, std::FILE* to) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int Refuse(const char* what, std::string_view arg) {
  Write(QStringLiteral("tovimel: ") + Tr(what, QString::fromLocal8Bit(arg.data(), arg.size())) +
            QLatin1Char('\n'),
        stderr);
  Write(Tr(kUsage), stderr);
  return 2;
}

}  // namespace

// The desktop's language's translation, beside the installed or built binary.
QString TerminalText(const char* source, const QStringList& places) {
  static const std::unique_ptr<QTranslator> translator = [] {
    const QString bin = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return FindTranslation(
        DesktopLanguages([](const char* name) { return qEnvironmentVariable(name); }),
        TranslationFolders(bin));
  }();
  QString text = translator ? translator->translate("CommandLine", source) : QString();
  if (text.isEmpty()) text = QString::fromUtf8(source);
  // All at once, so that a place holding "%2" is not filled again.
  switch (places.size()) {
    case 0:
      return text;
    case 1:
      return text.arg(places[0]);
    case 2:
      return text.arg(places[0], places[1]);
    default:
      return text.arg(places[0], places[1], places[2]);
  }
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
  enum class Ask { Nothing, Help, Version } ask = Ask::Nothing;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const Ask here = arg == "-h" || arg == "--help"      ? Ask::Help
                     : arg == "-v" || arg == "--version" ? Ask::Version
                                                         : Ask::Nothing;
    if (here != Ask::Nothing) {
      if (ask != Ask::Nothing) return Refuse(kUnexpected, arg);
      ask = here;
      continue;
    }
    // Qt reads "-name" and "--name" alike.
    std::string_view name = arg;
    if (name.starts_with("--")) name.remove_prefix(1);
    const bool dash = name.size() > 1 && name[0] == '-';
    if (dash) name.remove_prefix(1);
    const QtOption* known = nullptr;
    bool attached = false;
    for (const QtOption& option : kQtOptions) {
      if (!dash) break;
      if (name == option.name) {
        known = &option;
      } else if (option.takes == QtOption::ValueOrAttached && name.starts_with(option.name) &&
                 name.substr(option.name.size()).starts_with('=')) {
        known = &option;
        attached = true;
      }
      if (known) break;
    }
    if (!known) return Refuse(kUnexpected, arg);
    if (known->takes != QtOption::Flag && !attached) {
      // The next argument is the value, whatever it looks like, as Qt takes it.
      if (i + 1 >= argc) return Refuse(kNeedsValue, arg);
      ++i;
      if (known->name == "platform" && argv[i][0] == '\0') return Refuse(kEmptyPlatform, arg);
    }
  }
  switch (ask) {
    case Ask::Help:
      Write(Tr(kUsage), stdout);
      return 0;
    case Ask::Version:
      std::printf("tovimel %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
      return 0;
    case Ask::Nothing:
      break;
  }
  return std::nullopt;
}

}  // namespace tovimel
