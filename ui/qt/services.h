// SPDX-License-Identifier: MIT
// The machine behind the program's seams: time of day, printing, ending the process.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <functional>
#include <vector>

#include "session/platform.h"

class QPrinter;
class QWidget;

namespace tovimel {

class WindowBinding;

// The short date of a locale, but always with a four-digit year ("12/8/2026" in the US).
QString ShortDateText(const QDate& date, const QLocale& locale);

class QtTime final : public TimeSource {
 public:
  double secondsSinceMidnight() override;
  std::string todayText() override;
};

// Draws a window onto one page, scaled to fit and centred, as vectors. False if the printer
// could not be opened.
bool PrintWidget(QWidget& window, QPrinter& printer);

class QtPrinter final : public Printer {
 public:
  // Where a page should go when the machine has no printer at all; false when the student
  // cancels.
  using Ask = std::function<bool(QPrinter& printer, QWidget* window)>;
  // Opens the print dialog, whose PDF output lets a student at home keep the page.
  static bool AskWithDialog(QPrinter& printer, QWidget* window);

  // Pages go to the default printer without a dialog; with no printer, `ask` decides.
  explicit QtPrinter(Ask ask = AskWithDialog);
  // Each page becomes a PDF file of its own in `folder`: page-1.pdf, page-2.pdf, ...
  explicit QtPrinter(QString folder);

  // The window whose pages this printer makes; a page is asked of it by its model.
  void setWindow(const WindowBinding& window) { window_ = &window; }

  void printWindow(const Form& window) override;
  const std::vector<QString>& files() const { return files_; }

 private:
  const WindowBinding* window_ = nullptr;
  Ask ask_;
  QString folder_;
  std::vector<QString> files_;
};

class QtProcess final : public Process {
 public:
  void endNow() override;
  void quit() override;
};

}  // namespace tovimel
