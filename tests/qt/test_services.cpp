// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include "engine/levels.h"
#include "tests/qt/pdf.h"
#include "ui/controls.h"
#include "ui/layouts.h"
#include "ui/qt/binding.h"
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
  f.setVisible(fraProb, false);
  f.setVisible(fraAnswer, false);
  f.setVisible(lblTitle, true);
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
    // Text that can be extracted is drawn as text: sharp at any printer resolution.
    const QString text = PdfText(file);
    EXPECT_TRUE(text.contains("Tovimel")) << text.toStdString();
    EXPECT_TRUE(text.contains("Rivera, Ana"));
    EXPECT_TRUE(text.contains("07:42"));
    EXPECT_FALSE(text.contains("Simplify"));  // hidden frames are not printed
  }
  EXPECT_NE(printer.files()[0], printer.files()[1]);
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
