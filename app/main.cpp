// SPDX-License-Identifier: MIT
// Tovimel: the sign-in window over the practice window.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "app/command_line.h"
#include "app/no_display.h"
#include "desktop/binding.h"
#include "desktop/font_warmup.h"
#include "desktop/services.h"
#include "desktop/translations.h"
#include "desktop/widgets/look.h"
#include "engine/random.h"
#include "session/session.h"
#include "signin/signin.h"
#include "tovimel/version.h"

int main(int argc, char** argv) {
  using namespace tovimel;
  if (const std::optional<int> status = HandleCommandLine(argc, argv)) return *status;
  FontConfigWarmUp font_config;  // overlaps QApplication's start
  DisplayStartGuard display_guard;
  QApplication app(argc, argv);
  display_guard.release();
  // Before any window exists, so each is built in the language and direction it shows.
  LoadTranslations(app,
                   DesktopLanguages([](const char* name) { return qEnvironmentVariable(name); }));
  QApplication::setApplicationName(QStringLiteral("Tovimel"));
  QApplication::setApplicationVersion(QString::fromUtf8(kVersion.data(), kVersion.size()));
  QApplication::setDesktopFileName(QString::fromUtf8(kAppId.data(), kAppId.size()));
  // The model ends the program (Exit, or the practice window's close box), not Qt.
  QApplication::setQuitOnLastWindowClosed(false);
  font_config.wait();
  InstallFontSubstitutes();
  // Another font changes every width of the layouts: say which one was got, and what to install.
  for (const QString& missing : MissingFonts()) {
    std::fprintf(stderr, "tovimel: %s\n", missing.toLocal8Bit().constData());
  }
  QApplication::setFont(DefaultFont());

  MersenneSource random;
  QtTime time;
  QtPrinter printer;
  QtProcess process;
  Session session(random, time, printer, process);
  SignIn sign_in(session, time, process);
  WindowBinding practice(session.form(), WindowBinding::Frame::Titled);
  WindowBinding start(sign_in.form(), WindowBinding::Frame::Borderless);
  start.stayAbove(practice);
  printer.setWindow(practice);

  sign_in.load();
  practice.showWindow();
  start.showWindow();
  return QApplication::exec();
}
