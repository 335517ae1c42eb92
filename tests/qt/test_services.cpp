// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "desktop/binding.h"
#include "desktop/services.h"
#include "desktop/widgets/look.h"
#include "engine/levels.h"
#include "tests/qt/pdf.h"
#include "windows/controls.h"
#include "windows/layouts.h"

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
      {"en_US", {2027, 1, 5}, "1/5/2027"},
      {"en_GB", {2026, 12, 8}, "08/12/2026"},
      {"de_DE", {2026, 3, 4}, "04.03.2026"},
      {"ja_JP", {2026, 12, 8}, "2026/12/08"},
      {"he_IL", {2026, 12, 8}, "8.12.2026"},
      // Arabic and Persian keep their order and marks, in Western digits.
      {"ar_EG", {2026, 12, 8}, "8\u200F/12\u200F/2026"},
      {"fa_IR", {2026, 12, 8}, "2026/12/8"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.locale);
    EXPECT_EQ(ShortDateText(row.date, QLocale(QString::fromLatin1(row.locale))),
              QString::fromUtf8(row.text));
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

// Every file name within 255 bytes however the name is written, cut between characters, also
// when numbered.
TEST(ProposedPdfFile, CutsALongNameByBytesBetweenCharacters) {
  QTemporaryDir dir;
  const QDate date(2026, 12, 8);
  const struct {
    QString student;
    qsizetype bytes;  // of the first file name
  } rows[] = {
      {QString(300, u'a'), 255},
      // Two, three and four bytes a character (the last two UTF-16 units): 228 bytes of name.
      {QString(300, QChar(0xE9)), 255},
      {QString(100, QChar(0x4E2D)), 255},
      {QString::fromUtf8("\xF0\x9F\x98\x80").repeated(80), 255},
      // 229 bytes: one more than the room, and never half a character.
      {QString(227, u'a') + QChar(0xE9), 254},
      {QString(227, u'a') + QStringLiteral("   b"), 254},  // no blank left at the cut
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.student.left(3).toStdString());
    const QString folder = dir.filePath(QString::number(&row - rows));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString previous;
    for (int n = 1; n <= 3; ++n) {
      const QString file = ProposedPdfFile(folder, row.student, date);
      const QString name = QFileInfo(file).fileName();
      const QByteArray bytes = name.toUtf8();
      EXPECT_LE(bytes.size(), 255);
      if (n == 1) {
        EXPECT_EQ(bytes.size(), row.bytes);
      }
      EXPECT_EQ(QString::fromUtf8(bytes), name);  // whole characters only
      EXPECT_TRUE(row.student.startsWith(name.section(QStringLiteral(" - "), 1, 1)));
      EXPECT_TRUE(name.endsWith(n == 1 ? QStringLiteral(" - 2026-12-08.pdf")
                                       : QStringLiteral(" - 2026-12-08 (%1).pdf").arg(n)));
      EXPECT_NE(file, previous);
      QFile taken(file);
      ASSERT_TRUE(taken.open(QIODevice::WriteOnly)) << file.toStdString();
      previous = file;
    }
  }
}

// The cut falls between characters as a reader sees them: an emoji is never split into its two
// UTF-16 halves, and an accent written as a combining mark goes with its letter.
TEST(ProposedPdfFile, CutsANameOnlyBetweenWholeCharacters) {
  QTemporaryDir dir;
  const QDate date(2026, 12, 8);
  const QString a220(220, u'a'), a222(222, u'a'), a225(225, u'a');
  const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80");                   // U+1F600, 4 bytes
  const QString thumb = QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD");  // with a tone
  const QString e_acute = QStringLiteral("e") + QChar(0x0301);
  // 228 bytes of room for the name, 224 once " (2)" is added.
  const struct {
    QString student;
    QString first, second;  // the name in the first file and in the " (2)" file
  } rows[] = {
      {a225 + grin, a225, a225.left(224)},     // 229 bytes: the emoji goes whole
      {a222 + e_acute, a222 + e_acute, a222},  // 225: fits, then goes with its accent
      {a220 + thumb, a220 + thumb, a220},      // 228: fits, then goes with its tone
      {a220 + e_acute + grin, a220 + e_acute + grin, a220 + e_acute},  // 227
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    const QString folder = dir.filePath(QString::number(&row - rows));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& want : {row.first, row.second}) {
      const QString file = ProposedPdfFile(folder, row.student, date);
      const QString name = QFileInfo(file).fileName().section(QStringLiteral(" - "), 1, 1);
      EXPECT_EQ(name.toStdU32String(), want.toStdU32String());
      EXPECT_LE(QFileInfo(file).fileName().toUtf8().size(), 255);
      QFile taken(file);
      ASSERT_TRUE(taken.open(QIODevice::WriteOnly)) << file.toStdString();
    }
  }
}

// The folder offered: documents, else home, else the temporary folder; only a folder the user
// may write in, and never one made up from an unset HOME.
TEST(PdfFolder, IsTheFirstWritableOfDocumentsHomeAndTemporary) {
  QTemporaryDir dir;
  const QString documents = dir.filePath("Documents"), home = dir.filePath("home");
  const QString locked = dir.filePath("locked"), file = dir.filePath("file");
  for (const QString& d : {documents, home, locked}) ASSERT_TRUE(QDir().mkpath(d));
  ASSERT_TRUE(QFile(locked).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  // Root may write anywhere; then a read-only folder is writable and the rows say so.
  const bool root = QFileInfo(locked).isWritable();
  const QByteArray saved = qgetenv("HOME");
  const struct {
    QString documents;
    const char* home;  // nullptr: unset
    QString folder;
  } rows[] = {
      {documents, "home", documents},
      {dir.filePath("missing"), "home", home},
      {file, "home", home},
      {locked, "home", root ? locked : home},
      {locked, "locked", root ? locked : QDir::tempPath()},
      {dir.filePath("missing"), nullptr, QDir::tempPath()},
      {documents, nullptr, documents},
      {documents, "", documents},
      {dir.filePath("missing"), "", QDir::tempPath()},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.documents.toStdString() + " HOME=" + (row.home ? row.home : "(unset)"));
    if (row.home == nullptr) {
      qunsetenv("HOME");
    } else {
      qputenv("HOME", *row.home ? dir.filePath(row.home).toLocal8Bit() : QByteArray());
    }
    EXPECT_EQ(PdfFolder(row.documents).toStdString(), row.folder.toStdString());
  }
  // Unset HOME: not the documents folder Qt would make up from "/".
  qunsetenv("HOME");
  EXPECT_EQ(PdfFolder({}).toStdString(), QDir::tempPath().toStdString());
  qputenv("HOME", saved);
  QFile(locked).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
}

// The page names the student in full, however long the strip's labels cut the fields.
TEST(QtPrinter, ThePageHoldsEveryStudentFieldWhole) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  const QString name = QStringLiteral("Nguyen-Villanueva de la Trinidad, Maximo");
  const QString id = QStringLiteral("2026-000123-45678");
  const QString teacher = QStringLiteral("Mrs. Featherstonehaugh-Abernathy");
  ASSERT_EQ(name.size(), 40);
  ASSERT_EQ(id.size(), 17);
  f.setVisible(fraProb, false);
  f.setVisible(fraAnswer, false);
  f.setVisible(lblTitle, true);
  f.setBack(f.self(), kWhite);
  f.setText(lblPeriod, "12B");
  f.setText(lblID, id.toStdString());
  f.setText(lblName, name.toStdString());
  f.setText(lblTeacher, teacher.toStdString());
  f.setText(lblDate, "12/8/2026");
  EXPECT_EQ(StudentRecord(f), "Period: 12B   ID: " + id + "   Name: " + name +
                                  "   Teacher: " + teacher + "   Signed in: 12/8/2026");
  QTemporaryDir dir;
  QtPrinter printer(dir.path());
  printer.setWindow(b);
  printer.printWindow(f);
  ASSERT_EQ(printer.files().size(), 1u);
  const QString text = PdfText(printer.files()[0]).simplified();
  for (const QString& field : {id, name, teacher, QStringLiteral("12/8/2026")}) {
    EXPECT_TRUE(text.contains(field)) << field.toStdString() << "\n" << text.toStdString();
  }
  // A student with only a name: no empty fields on the line.
  Form g(MainWindowLayout(kLevelCount));
  g.setText(lblPeriod, "");
  g.setText(lblName, "Rivera, Ana");
  EXPECT_EQ(StudentRecord(g), "Name: Rivera, Ana");
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
      [&](QPrinter& p, QWidget*, const QString&) {
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
  QtPrinter printer([&](QPrinter& p, QWidget* window, const QString&) {
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

// The dialog that offers the page as a file is heard first by its title: what became of the last
// try, then what Enter does, with the file's full place.
TEST(QtPrinter, TheDialogsTitleSaysWhyAndWhereEnterSaves) {
  const QString file = QDir::temp().filePath("Tovimel - Rivera, Ana - 2026-12-09.pdf");
  const QString saves = "Enter saves the page as " + file + "; or choose a printer.";
  const struct {
    QString why;
    QString title;
  } rows[] = {
      {"", saves},
      {"The printer classroom did not take the page: Out of paper.",
       "The printer classroom did not take the page: Out of paper. " + saves},
  };
  for (const auto& row : rows) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    QString title;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      title = dialog->windowTitle();
      qobject_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(QtPrinter::AskWithDialog(printer, nullptr, row.why));
    EXPECT_EQ(title, row.title);
  }
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
