// SPDX-License-Identifier: MIT
#include "desktop/services.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "desktop/binding.h"
#include "desktop/print_queue.h"
#include "desktop/widgets/look.h"
#include "windows/accessibility.h"
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

bool PrintWidget(QWidget& window, QPagedPaintDevice& printer, const QString& record,
                 const QRect& record_area) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setTransform(PageTransform(
      window.size(), printer.pageLayout().paintRectPixels(printer.logicalDpiX()).size()));
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
    // Back to the previous boundary between characters as a reader sees them: never between
    // an emoji's two UTF-16 halves, nor between a letter and its combining accent.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, cut);
    graphemes.toEnd();
    while (cut.toUtf8().size() > room) {
      const qsizetype end = graphemes.toPreviousBoundary();
      cut.truncate(end < 0 ? 0 : end);
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
    // A nearly full disk takes half a page: offer a folder with room for a whole one.
    if (!folder.isEmpty() && info.isDir() && info.isWritable() &&
        QStorageInfo(folder).bytesAvailable() >= kPageRoom) {
      return info.absoluteFilePath();
    }
  }
  return QDir::tempPath();
}

QString JobTitle(const QString& student, const QDateTime& when) {
  const QString name = student.simplified();
  const QString time = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  return name.isEmpty() ? QStringLiteral("Tovimel - ") + time
                        : QStringLiteral("Tovimel - ") + name + QStringLiteral(" - ") + time;
}

std::optional<QString> WriteWhole(const QString& file, const QByteArray& bytes) {
  // Written beside it under another name and renamed once complete, so that a cut-off page
  // never takes the name.
  QSaveFile out(file);
  const auto failed = [&] {
    // Qt tells a full disk as an unknown error; the student should hear what it is.
    if (QStorageInfo(QFileInfo(file).absolutePath()).bytesAvailable() < bytes.size()) {
      return QString::fromLocal8Bit(std::strerror(ENOSPC));
    }
    return out.errorString();
  };
  if (!out.open(QIODevice::WriteOnly)) return out.errorString();
  if (out.write(bytes) != bytes.size()) {
    const QString error = failed();
    out.cancelWriting();
    return error;
  }
  if (!out.commit()) return failed();
  return std::nullopt;
}

bool QtPrinter::AskWithDialog(QPrinter& printer, QWidget* window, const QString& why) {
  QPrintDialog dialog(&printer, window);
  // The title is heard first as the dialog opens: what became of the last try, and what Enter
  // does now, the file's full place included (the dialog shows it two Tabs away).
  QString offered;
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    offered = ToQString(SaveOfferedSaid(printer.outputFileName().toStdString()));
  }
  const QString title = ToQString(BothSaid(why.toStdString(), offered.toStdString()));
  if (!title.isEmpty()) dialog.setWindowTitle(title);
  return dialog.exec() == QDialog::Accepted;
}

QtPrinter::QtPrinter(Ask ask, QString documents)
    : ask_(std::move(ask)), documents_(std::move(documents)) {}

QtPrinter::QtPrinter(QString folder) : folder_(std::move(folder)) {}

QString QtPrinter::titleFor(const Form& form) {
  const QString title =
      JobTitle(ToQString(form(frmTovimel3::lblName).text), QDateTime::currentDateTime());
  // Two pages within a second still get titles of their own.
  QString unique = title;
  for (int n = 2; std::find(titles_.begin(), titles_.end(), unique) != titles_.end(); ++n) {
    unique = title + QStringLiteral(" (%1)").arg(n);
  }
  return unique;
}

PageWent QtPrinter::printWindow(const Form& form) {
  if (window_ == nullptr || &window_->form() != &form) return {};
  const QString title = titleFor(form);
  if (!folder_.isEmpty()) {
    const QPrinter paper(QPrinter::HighResolution);
    return toFile(QDir(folder_).filePath(QStringLiteral("page-%1.pdf").arg(files_.size() + 1)),
                  paper, title);
  }
  const QString queue = DefaultQueue();
  // No scheduler or no printer: nowhere to send the page unasked, and a click must not
  // silently do nothing.
  if (queue.isEmpty()) return ask(form, {});
  const QPrinter paper(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
  return toQueue(queue, paper, title);
}

PageWent QtPrinter::saveWindow(const Form& form, const std::string& why) {
  if (window_ == nullptr || &window_->form() != &form) return {};
  return ask(form, ToQString(why));
}

PageWent QtPrinter::ask(const Form& form, const QString& why) {
  // The file offered says whose page it is and replaces none.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ProposedPdfFile(
      PdfFolder(documents_), ToQString(form(frmTovimel3::lblName).text), QDate::currentDate()));
  const QString title = titleFor(form);
  printer.setDocName(title);
  if (!ask_ || !ask_(printer, window_->window(), why)) return {};
  if (printer.outputFormat() == QPrinter::NativeFormat) {
    return toQueue(printer.printerName(), printer, title);
  }
  return toFile(printer.outputFileName(), printer, title);
}

QByteArray QtPrinter::page(const QPrinter& layout, const QString& title) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(layout.resolution());
  writer.setPageLayout(layout.pageLayout());
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Tovimel"));
  if (!print(*window_->window(), writer)) return {};
  return bytes;
}

PageWent QtPrinter::toQueue(const QString& queue, const QPrinter& layout, const QString& title) {
  const QueueReply reply = SendToQueue(queue, title, page(layout, title));
  switch (reply.took) {
    case QueueReply::Took::Yes:
      titles_.push_back(title);
      return {PageWent::To::Printer, queue.toStdString(), {}};
    case QueueReply::Took::Held:
      titles_.push_back(title);
      return {PageWent::To::Held, queue.toStdString(), reply.why.toStdString()};
    case QueueReply::Took::No:
      break;
  }
  return {PageWent::To::Refused, queue.toStdString(), reply.why.toStdString()};
}

PageWent QtPrinter::toFile(const QString& file, const QPrinter& layout, const QString& title) {
  const QString path = QFileInfo(file).absoluteFilePath();
  const QByteArray pdf = page(layout, title);
  if (const auto error = WriteWhole(path, pdf)) {
    std::fprintf(stderr, "tovimel: %s: %s\n", qPrintable(path), qPrintable(*error));
    return {PageWent::To::NotWritten, path.toStdString(), error->toStdString()};
  }
  files_.push_back(path);
  return {PageWent::To::File, QDir::toNativeSeparators(path).toStdString(), {}};
}

bool QtPrinter::print(QWidget& window, QPagedPaintDevice& printer) const {
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
