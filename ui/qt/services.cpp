// SPDX-License-Identifier: MIT
#include "ui/qt/services.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/binding.h"

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

bool PrintWidget(QWidget& window, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const double scale = std::min(page.width() / window.width(), page.height() / window.height());
  painter.translate((page.width() - window.width() * scale) / 2,
                    (page.height() - window.height() * scale) / 2);
  painter.scale(scale, scale);
  // Qt renders a widget straight onto a printer through a screen-resolution bitmap; recorded
  // into a picture first, text and lines stay vectors, sharp at the printer's resolution.
  QPicture picture;
  window.render(&picture, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  // A picture plays back scaled from its own resolution to the device's; undo that.
  painter.scale(double(picture.logicalDpiX()) / printer.logicalDpiX(),
                double(picture.logicalDpiY()) / printer.logicalDpiY());
  painter.drawPicture(0, 0, picture);
  return painter.end();
}

bool QtPrinter::AskWithDialog(QPrinter& printer, QWidget* window) {
  QPrintDialog dialog(&printer, window);
  return dialog.exec() == QDialog::Accepted;
}

QtPrinter::QtPrinter(Ask ask) : ask_(std::move(ask)) {}

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
    // Nowhere to send the page unasked: a click must not silently do nothing.
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
