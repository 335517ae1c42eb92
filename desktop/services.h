// SPDX-License-Identifier: MIT
// The machine behind the program's seams: time of day, printing, ending the process.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <functional>
#include <optional>
#include <vector>

#include "session/platform.h"

class QPageLayout;
class QPagedPaintDevice;
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
bool PrintWidget(QWidget& window, QPagedPaintDevice& printer, const QString& record = {},
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
// the name is taken. A long name is cut between whole characters as a reader sees them (an
// emoji's two halves, a letter with its accents) so the file name stays within the 255 bytes
// (UTF-8) file systems allow.
QString ProposedPdfFile(const QString& folder, const QString& student, const QDate& date);
// Where that file is proposed: `documents` (empty: the user's documents folder), else the home
// folder, else the temporary folder, whichever is first a folder the user may write in with
// room for a page; with HOME unset neither of the first two counts.
QString PdfFolder(const QString& documents);
inline constexpr qint64 kPageRoom = 1024 * 1024;
// A print job's title, whose page it is and when: "Tovimel - Rivera, Ana - 2026-12-09 14:03:07".
QString JobTitle(const QString& student, const QDateTime& when);
// Writes `bytes` as `file`, whole or not at all: on a full disk nothing is left behind. The
// reason when it could not.
std::optional<QString> WriteWhole(const QString& file, const QByteArray& bytes);

class QtPrinter final : public Printer {
 public:
  // Where a page should go when the machine has no printer, or the printer or the disk did
  // not take it (`why` says so); false when the student cancels.
  using Ask = std::function<bool(QPrinter& printer, QWidget* window, const QString& why)>;
  // Opens the print dialog, whose PDF output lets a student at home keep the page.
  static bool AskWithDialog(QPrinter& printer, QWidget* window, const QString& why);

  // Pages go to the default printer without a dialog. With no printer, `ask` decides where a
  // page goes, offered a new PDF file named for the student in `documents` (empty: the user's
  // documents folder).
  explicit QtPrinter(Ask ask = AskWithDialog, QString documents = {});
  // Each page becomes a PDF file of its own in `folder`: page-1.pdf, page-2.pdf, ...
  explicit QtPrinter(QString folder);

  // The window whose pages this printer makes; a page is asked of it by its model.
  void setWindow(const WindowBinding& window) { window_ = &window; }

  PageWent printWindow(const Form& window) override;
  PageWent saveWindow(const Form& window, const std::string& why) override;
  // The files written whole and the titles of the jobs sent, in order.
  const std::vector<QString>& files() const { return files_; }
  const std::vector<QString>& titles() const { return titles_; }

 private:
  PageWent ask(const Form& form, const QString& why);
  PageWent toQueue(const QString& queue, const QPrinter& layout, const QString& title);
  PageWent toFile(const QString& file, const QPrinter& layout, const QString& title);
  // The page as a PDF on the paper `layout` describes.
  QByteArray page(const QPrinter& layout, const QString& title) const;
  bool print(QWidget& window, QPagedPaintDevice& printer) const;
  QString titleFor(const Form& form);

  const WindowBinding* window_ = nullptr;
  Ask ask_;
  QString documents_;
  QString folder_;
  std::vector<QString> files_;
  std::vector<QString> titles_;
};

class QtProcess final : public Process {
 public:
  void endNow() override;
  void quit() override;
};

}  // namespace tovimel
