// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include "engine/levels.h"
#include "tests/qt/pdf.h"
#include "ui/controls.h"
#include "ui/layouts.h"
#include "ui/qt/binding.h"
#include "ui/qt/look.h"
#include "ui/qt/services.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::PdfPageCount;
using testing::PdfText;
using testing::ReadFile;

TEST(ShortDateText, KeepsTheLocalesOrderWithAFourDigitYear) {
  const struct {
    const char* locale;
    QDate date;
    const char* text;
  } rows[] = {
      {"en_US", {2026, 12, 8}, "12/8/2026"},  // month/day/year, no leading zeros
      {"en_US", {2027, 1, 5}, "1/5/2027"},   {"en_GB", {2026, 12, 8}, "08/12/2026"},
      {"de_DE", {2026, 3, 4}, "04.03.2026"}, {"ja_JP", {2026, 12, 8}, "2026/12/08"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.locale);
    EXPECT_EQ(ShortDateText(row.date, QLocale(QString::fromLatin1(row.locale))), row.text);
  }
}

TEST(QtPrinter, EachPrintIsOneSharpSmallPageOfTheWindowAsItStands) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  // The end of a run: the level, problem and answer frames gone, the title and "Print Results"
  // shown.
  f.setVisible(fraLevel, false);
  f.setVisible(fraProb, false);
  f.setVisible(fraAnswer, false);
  f.setVisible(lblTitle, true);
  f.setVisible(cmdPrintIt, true);
  f.setBack(f.self(), kWhite);
  f.setText(lblName, "Rivera, Ana");
  f.setText(clock, "07:42");
  b.window()->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(b.window()));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QtPrinter printer(dir.path());
  printer.setWindow(b);
  printer.printWindow(f);
  printer.printWindow(f);
  ASSERT_EQ(printer.files().size(), 2u);
  for (const QString& file : printer.files()) {
    SCOPED_TRACE(file.toStdString());
    const QByteArray pdf = ReadFile(file);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_LT(pdf.size(), 300 * 1024);  // vectors and text, not a page-sized bitmap
    // Not even a small one: no control goes onto the page as a picture of itself.
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    // Text that can be extracted is drawn as text: sharp at any printer resolution.
    const QString text = PdfText(file);
    EXPECT_TRUE(text.contains("Tovimel")) << text.toStdString();
    EXPECT_TRUE(text.contains("Rivera, Ana"));
    EXPECT_TRUE(text.contains("07:42"));
    EXPECT_FALSE(text.contains("Simplify"));  // hidden frames are not printed
  }
  EXPECT_NE(printer.files()[0], printer.files()[1]);
}

// Drawn four times as large, as on a page: a label's sunken edge covers the edge of its
// background exactly as on the screen, and no background shows outside its label.
TEST(QtPrinter, ThePageIsDrawnAsCleanlyAsTheScreen) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  f.setText(lblName, "Nguyen-Villanueva, Maximiliano");  // drawn in a smaller size
  constexpr int k = 4;
  QImage page(b.window()->size() * k, QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::white);
  QPainter painter(&page);
  painter.scale(k, k);
  PaintWindowPage(painter, *b.window());
  painter.end();
  for (const Control& c : f.controls()) {
    const QWidget* w =
        c.kind == Kind::Label && c.look.border && c.props.back ? b.widget(c.id()) : nullptr;
    if (!w || !w->isVisibleTo(b.window())) continue;
    const QRect box(w->mapTo(b.window(), QPoint()) * k, w->size() * k);
    const QColor back = ToQColor(*c.props.back), light = w->palette().color(QPalette::Light);
    int bleeding = 0, edge = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
      bleeding += (page.pixelColor(x, box.top() - 1) == back) +
                  (page.pixelColor(x, box.bottom() + 1) == back);
      edge += page.pixelColor(x, box.bottom()) == light;
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
      bleeding += (page.pixelColor(box.left() - 1, y) == back) +
                  (page.pixelColor(box.right() + 1, y) == back);
      edge += page.pixelColor(box.right(), y) == light;
    }
    EXPECT_EQ(bleeding, 0) << c.key();
    EXPECT_EQ(edge, box.width() + box.height()) << c.key();
  }
}

// A new file for each page, named for the student: "Tovimel - <name> - <date>.pdf", without the
// characters a file name cannot hold, numbered from 2 while the name is taken.
TEST(ProposedPdfFile, NamesTheStudentAndTheDateAndTakesNoNameTwice) {
  QTemporaryDir dir;
  const QDate date(2026, 12, 8);
  const struct {
    const char* student;
    const char* file;
  } rows[] = {
      {"Rivera, Ana", "Tovimel - Rivera, Ana - 2026-12-08.pdf"},
      {"Rivera, Ana", "Tovimel - Rivera, Ana - 2026-12-08 (2).pdf"},  // the first one is taken
      {"Rivera, Ana", "Tovimel - Rivera, Ana - 2026-12-08 (3).pdf"},
      {"a/b\\c:d*e?f\"g<h>i|j", "Tovimel - a_b_c_d_e_f_g_h_i_j - 2026-12-08.pdf"},
      {"  Lee \t Kim\n", "Tovimel - Lee Kim - 2026-12-08.pdf"},
      {"\x01Zoe", "Tovimel - _Zoe - 2026-12-08.pdf"},
      {"", "Tovimel - 2026-12-08.pdf"},
  };
  for (const auto& row : rows) {
    const QString file = ProposedPdfFile(dir.path(), QString::fromUtf8(row.student), date);
    EXPECT_EQ(file, dir.filePath(QString::fromUtf8(row.file))) << row.student;
    QFile taken(file);
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
  }
}

// With no printer, each click offers a new file named for the student in the documents folder,
// and a page that exists already stays as it is.
TEST(QtPrinter, WithNoPrinterTwoPrintsOfferTwoNewFilesAndReplaceNone) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) {
    GTEST_SKIP() << "this machine has a printer; the test must not print on it";
  }
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  f.setText(lblName, "Rivera, Ana");
  QTemporaryDir documents;
  const QString today = QDate::currentDate().toString(Qt::ISODate);
  const QString earlier = documents.filePath("Tovimel - Rivera, Ana - " + today + ".pdf");
  {
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("the page of an earlier run");
  }
  std::vector<QString> offered;
  QtPrinter printer(
      [&](QPrinter& p, QWidget*) {
        offered.push_back(p.outputFileName());
        return true;  // the student takes the name offered
      },
      documents.path());
  printer.setWindow(b);
  printer.printWindow(f);
  printer.printWindow(f);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_NE(offered[0], offered[1]);
  for (const QString& file : offered) {
    EXPECT_NE(file, earlier);
    EXPECT_TRUE(QFileInfo(file).fileName().startsWith("Tovimel - Rivera, Ana - " + today));
    EXPECT_EQ(PdfPageCount(ReadFile(file)), 1) << file.toStdString();
  }
  EXPECT_EQ(ReadFile(earlier), "the page of an earlier run");
  EXPECT_EQ(printer.files(), offered);
}

TEST(QtPrinter, WithNoPrinterAtAllEachClickAsksWhereThePageShouldGo) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) {
    GTEST_SKIP() << "this machine has a printer; the test must not print on it";
  }
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  QTemporaryDir dir;
  const QString chosen = dir.filePath("chosen.pdf");
  int asked = 0;
  QtPrinter printer([&](QPrinter& p, QWidget* window) {
    ++asked;
    EXPECT_EQ(window, b.window());
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(chosen);
    return asked > 1;  // the first time the student cancels
  });
  printer.setWindow(b);
  printer.printWindow(f);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(QFile::exists(chosen));
  printer.printWindow(f);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(PdfPageCount(ReadFile(chosen)), 1);
  EXPECT_EQ(printer.files(), std::vector<QString>{chosen});
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

TEST(QtProcessDeathTest, EndNowLeavesAtOnceReportingSuccess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QtProcess().endNow();
        std::abort();  // never reached
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tovimel
