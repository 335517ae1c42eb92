// SPDX-License-Identifier: MIT
#include "desktop/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "desktop/binding.h"
#include "desktop/widgets/look.h"
#include "windows/controls.h"

namespace tovimel {

QString ShortDateText(const QDate& date, const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // Several locales shorten the year to two digits; a printed record should not.
  if (!format.contains(QLatin1String("yyyy"))) {
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  }
  QString text = locale.toString(date, format);
  // Numbers show in Western digits in every language, the date's as well.
  for (QChar& ch : text) {
    if (ch.isDigit() && ch.unicode() > 0x7f) ch = QChar(u'0' + ch.digitValue());
  }
  return text;
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
  // widgets draw themselves for a page when they see the picture (desktop/widgets/page.h).
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

bool PrintWidget(QWidget& window, QPrinter& printer, const QString& record,
                 const QRect& record_area) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setTransform(
      PageTransform(window.size(), printer.pageRect(QPrinter::DevicePixel).size()));
  PaintWindowPage(painter, window);
  if (!record.isEmpty() && !record_area.isEmpty()) PaintRecordLine(painter, record_area, record);
  return painter.end();
}

QString StudentRecord(const Form& window) {
  using namespace frmTovimel3;
  const auto field = [&](ControlName label) { return ToQString(window(label).text).simplified(); };
  // Each field whole, so a language places its colon and spaces its own way.
  const std::pair<const char*, QString> fields[] = {
      {QT_TRANSLATE_NOOP("Page", "Period: %1"), field(lblPeriod)},
      {QT_TRANSLATE_NOOP("Page", "ID: %1"), field(lblID)},
      {QT_TRANSLATE_NOOP("Page", "Name: %1"), field(lblName)},
      {QT_TRANSLATE_NOOP("Page", "Teacher: %1"), field(lblTeacher)},
      {QT_TRANSLATE_NOOP("Page", "Signed in: %1"), field(lblDate)},
  };
  QStringList parts;
  for (const auto& [pattern, text] : fields) {
    if (!text.isEmpty()) parts << QCoreApplication::translate("Page", pattern).arg(text);
  }
  return parts.join(QStringLiteral("   "));
}

void PaintRecordLine(QPainter& painter, const QRect& area, const QString& text) {
  QFont font(QStringLiteral("Times New Roman"));
  int size = std::min(14, area.height() - 2);
  font.setPixelSize(size);
  // Whole rather than large: a teacher can read a small line, not a missing one.
  while (size > 4 && QFontMetricsF(font, painter.device()).horizontalAdvance(text) > area.width()) {
    font.setPixelSize(--size);
  }
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  painter.restore();
}

QString ProposedPdfFile(const QString& folder, const QString& student, const QDate& date) {
  QString name = student.simplified();
  for (QChar& c : name) {
    if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)) {
      c = u'_';
    }
  }
  // File systems count a name's bytes, 255 at most; a name is cut by whole characters.
  constexpr qsizetype kLongest = 255;
  const auto file_for = [&](int n) {
    const QString tail = QStringLiteral(" - ") + date.toString(Qt::ISODate) +
                         (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString()) +
                         QStringLiteral(".pdf");
    const QString head = QStringLiteral("Tovimel - ");
    const qsizetype room = kLongest - head.toUtf8().size() - tail.toUtf8().size();
    QString cut = name;
    while (cut.toUtf8().size() > room) {
      cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    }
    cut = cut.trimmed();
    return QDir(folder).filePath(cut.isEmpty() ? head + tail.mid(3) : head + cut + tail);
  };
  QString file = file_for(1);
  for (int n = 2; QFileInfo::exists(file); ++n) file = file_for(n);
  return file;
}

QString PdfFolder(const QString& documents) {
  const bool home = !qEnvironmentVariableIsEmpty("HOME");
  QStringList folders;
  if (!documents.isEmpty()) {
    folders << documents;
  } else if (home) {
    folders << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  if (home) folders << QDir::homePath();
  for (const QString& folder : folders) {
    const QFileInfo info(folder);
    if (!folder.isEmpty() && info.isDir() && info.isWritable()) return info.absoluteFilePath();
  }
  return QDir::tempPath();
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
    if (print(*window, printer)) files_.push_back(file);
    return;
  }
  if (QPrinterInfo::availablePrinters().isEmpty() || QPrinterInfo::defaultPrinter().isNull()) {
    // Nowhere to send the page unasked: a click must not silently do nothing. The file offered
    // says whose page it is and replaces none.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ProposedPdfFile(
        PdfFolder(documents_), ToQString(form(frmTovimel3::lblName).text), QDate::currentDate()));
    if (!ask_ || !ask_(printer, window)) return;
  }
  if (print(*window, printer) && !printer.outputFileName().isEmpty()) {
    files_.push_back(printer.outputFileName());
  }
}

bool QtPrinter::print(QWidget& window, QPrinter& printer) const {
  // The record goes under the student strip, in what is left of the window below it.
  // From the strip's near edge to the window's far one, mirrored in a right-to-left window.
  const QWidget* strip = window_->widget(frmTovimel3::fraStudentData);
  const int top = strip->geometry().bottom() + 1;
  const int near =
      window.isRightToLeft() ? window.width() - 1 - strip->geometry().right() : strip->x();
  const QRect area(near + 2, top, window.width() - near - 4, window.height() - top);
  return PrintWidget(window, printer, StudentRecord(window_->form()),
                     QStyle::visualRect(window.layoutDirection(), window.rect(), area));
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
