// SPDX-License-Identifier: MIT
// The machine behind the program's seams: time of day, printing, ending the process.
#pragma once

#include <QDate>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <functional>
#include <vector>

#include "session/platform.h"

class QPainter;
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

// Draws a window onto one page, scaled to fit and centred, as vectors, with `record` on a line
// of its own in `record_area` (window pixels). False if the printer could not be opened.
bool PrintWidget(QWidget& window, QPrinter& printer, const QString& record = {},
                 const QRect& record_area = {});
// The student's data as one line, every field whole: the page is the teacher's only record,
// and the strip's labels may cut a long name or ID short.
QString StudentRecord(const Form& window);
// Draws `text` in `area` on one line in the serif of the student strip, as large as fits up to
// its size on screen, smaller rather than cut.
void PaintRecordLine(QPainter& painter, const QRect& area, const QString& text);
// From the window's logical pixels to a page of `page` device pixels: scaled to fit, centred.
QTransform PageTransform(const QSize& window, const QSizeF& page);
// Paints the window with its visible controls through `painter` as it paints a page: text,
// lines and shapes stay vectors, no control becomes a bitmap.
void PaintWindowPage(QPainter& painter, QWidget& window);

// A new PDF file in `folder` for a student's page: "Tovimel - Rivera, Ana - 2026-12-08.pdf",
// the name without the characters a file name cannot hold, and " (2)", " (3)" .. added while
// the name is taken. A long name is cut at a character so the file name stays within the
// 255 bytes (UTF-8) file systems allow.
QString ProposedPdfFile(const QString& folder, const QString& student, const QDate& date);
// Where that file is proposed: `documents` (empty: the user's documents folder), else the home
// folder, else the temporary folder, whichever is first a folder the user may write in; with
// HOME unset neither of the first two counts.
QString PdfFolder(const QString& documents);

class QtPrinter final : public Printer {
 public:
  // Where a page should go when the machine has no printer at all; false when the student
  // cancels.
  using Ask = std::function<bool(QPrinter& printer, QWidget* window)>;
  // Opens the print dialog, whose PDF output lets a student at home keep the page.
  static bool AskWithDialog(QPrinter& printer, QWidget* window);

  // Pages go to the default printer without a dialog. With no printer, `ask` decides where a
  // page goes, offered a new PDF file named for the student in `documents` (empty: the user's
  // documents folder).
  explicit QtPrinter(Ask ask = AskWithDialog, QString documents = {});
  // Each page becomes a PDF file of its own in `folder`: page-1.pdf, page-2.pdf, ...
  explicit QtPrinter(QString folder);

  // The window whose pages this printer makes; a page is asked of it by its model.
  void setWindow(const WindowBinding& window) { window_ = &window; }

  void printWindow(const Form& window) override;
  const std::vector<QString>& files() const { return files_; }

 private:
  bool print(QWidget& window, QPrinter& printer) const;

  const WindowBinding* window_ = nullptr;
  Ask ask_;
  QString documents_;
  QString folder_;
  std::vector<QString> files_;
};

class QtProcess final : public Process {
 public:
  void endNow() override;
  void quit() override;
};

}  // namespace tovimel
