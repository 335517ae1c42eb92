// SPDX-License-Identifier: MIT
#include "ui/qt/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/controls.h"
#include "ui/qt/binding.h"
#include "ui/qt/look.h"

namespace tovimel {

QString ShortDateText(const QDate& date, const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // Several locales shorten the year to two digits; a printed record should not.
  if (!format.contains(QLatin1String("yyyy"))) {
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  }
  return locale.toString(date, format);
}

double QtTime::secondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string QtTime::todayText() {
  return ShortDateText(QDate::currentDate(), QLocale::system()).toStdString();
}

QTransform PageTransform(const QSize& window, const QSizeF& page) {
  const double scale = std::min(page.width() / window.width(), page.height() / window.height());
  QTransform t;
  t.translate((page.width() - window.width() * scale) / 2,
              (page.height() - window.height() * scale) / 2);
  t.scale(scale, scale);
  return t;
}

void PaintWindowPage(QPainter& painter, QWidget& window) {
  // Qt renders a widget straight onto a printer through a screen-resolution bitmap; recorded
  // into a picture first, text and lines stay vectors, sharp at the printer's resolution. The
  // widgets draw themselves for a page when they see the picture (ui/qt/page.h).
  QPicture picture;
  window.render(&picture, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.save();
  // A picture plays back scaled from its own resolution to the device's; undo that.
  painter.scale(double(picture.logicalDpiX()) / painter.device()->logicalDpiX(),
                double(picture.logicalDpiY()) / painter.device()->logicalDpiY());
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

bool PrintWidget(QWidget& window, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setTransform(
      PageTransform(window.size(), printer.pageRect(QPrinter::DevicePixel).size()));
  PaintWindowPage(painter, window);
  return painter.end();
}

QString ProposedPdfFile(const QString& folder, const QString& student, const QDate& date) {
  // Long enough for any name, short enough for any file system.
  constexpr qsizetype kLongest = 120;
  QString name = student.simplified().left(kLongest);
  for (QChar& c : name) {
    if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)) {
      c = u'_';
    }
  }
  QString base = QStringLiteral("Tovimel - ");
  if (!name.isEmpty()) base += name + QStringLiteral(" - ");
  base += date.toString(Qt::ISODate);
  const QDir dir(folder);
  QString file = dir.filePath(base + QStringLiteral(".pdf"));
  for (int n = 2; QFileInfo::exists(file); ++n) {
    file = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
  }
  return file;
}

bool QtPrinter::AskWithDialog(QPrinter& printer, QWidget* window) {
  QPrintDialog dialog(&printer, window);
  return dialog.exec() == QDialog::Accepted;
}

QtPrinter::QtPrinter(Ask ask, QString documents)
    : ask_(std::move(ask)), documents_(std::move(documents)) {}

QtPrinter::QtPrinter(QString folder) : folder_(std::move(folder)) {}

void QtPrinter::printWindow(const Form& form) {
  if (window_ == nullptr || &window_->form() != &form) return;
  QWidget* window = window_->window();
  QPrinter printer(QPrinter::HighResolution);
  if (!folder_.isEmpty()) {
    const QString file =
        QDir(folder_).filePath(QStringLiteral("page-%1.pdf").arg(files_.size() + 1));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (PrintWidget(*window, printer)) files_.push_back(file);
    return;
  }
  if (QPrinterInfo::availablePrinters().isEmpty() || QPrinterInfo::defaultPrinter().isNull()) {
    // Nowhere to send the page unasked: a click must not silently do nothing. The file offered
    // says whose page it is and replaces none.
    QString folder = documents_.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                         : documents_;
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(
        ProposedPdfFile(folder, ToQString(form(frmTovimel3::lblName).text), QDate::currentDate()));
    if (!ask_ || !ask_(printer, window)) return;
  }
  if (PrintWidget(*window, printer) && !printer.outputFileName().isEmpty()) {
    files_.push_back(printer.outputFileName());
  }
}

void QtProcess::endNow() {
  // Nothing may run after this, not even the windows' own close handling.
  std::fflush(nullptr);
  std::_Exit(0);
}

void QtProcess::quit() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::quit();
}

}  // namespace tovimel
