// SPDX-License-Identifier: MIT
// The machine behind the program's seams: time of day, printing, ending the process.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <vector>

#include "session/platform.h"

class QPrinter;
class QWidget;

namespace tovimel {

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
  // Pages go to the default printer without a dialog; on a machine with no printer at all a
  // print dialog lets the student choose a file instead.
  QtPrinter() = default;
  // Each page becomes a PDF file of its own in `folder`: page-1.pdf, page-2.pdf, ...
  explicit QtPrinter(QString folder);

  void printWindow(const Form& window) override;
  const std::vector<QString>& files() const { return files_; }

 private:
  QString folder_;
  std::vector<QString> files_;
};

class QtProcess final : public Process {
 public:
  void endNow() override;
  void quit() override;
};

}  // namespace tovimel
