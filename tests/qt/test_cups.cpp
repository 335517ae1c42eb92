// SPDX-License-Identifier: MIT
// The page against a real print scheduler: a private cupsd started here, with a cups-pdf queue
// as the printer, as a school runs it. Needs root (cups-pdf runs as root; the documents folders
// are tmpfs mounts) and the packages cups and printer-driver-cups-pdf.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include "desktop/binding.h"
#include "desktop/services.h"
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

constexpr const char* kQueue = "classroom";

bool WriteText(const QString& path, const QString& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Runs a CUPS command against the private scheduler; its output, or why it failed.
QString Cups(const QString& program, const QStringList& args, bool* ok = nullptr) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", "C");  // its words are read
  p.setProcessEnvironment(env);
  p.start(program, args);
  const bool done =
      p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (ok) *ok = done;
  return QString::fromUtf8(p.readAll());
}

// A scheduler of its own: configuration, spool, logs and socket in a temporary folder, in a
// mount namespace of its own where that folder's cups-pdf configuration stands in for
// /etc/cups (cups-pdf reads only /etc/cups/cups-pdf-INSTANCE.conf). Nothing of the system's
// scheduler is used or changed.
class PrivateCups {
 public:
  PrivateCups() {
    if (geteuid() != 0) {
      error_ = "must run as root: cups-pdf runs as root, and the test mounts tmpfs folders";
      return;
    }
    for (const char* tool : {"cupsd", "lpadmin", "cupsreject", "cupsdisable", "lpstat"}) {
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool), {"/usr/sbin", "/usr/bin"})
              .isEmpty()) {
        error_ = QStringLiteral("%1 is missing: install cups (scripts/deps test)").arg(tool);
        return;
      }
    }
    if (!QFileInfo::exists("/usr/lib/cups/backend/cups-pdf")) {
      error_ = "the cups-pdf backend is missing: install printer-driver-cups-pdf";
      return;
    }
    // The scheduler's filters run as lp, which must reach the spool.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                           QFile::ExeGroup);
    for (const char* sub :
         {"etc", "spool", "cache", "state", "log", "tmp", "out", "pdf-spool", "etc-cups"}) {
      QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
    }
    QFile::setPermissions(path("tmp"), QFile::Permissions(0x7777));
    socket_ = path("cups.sock");
    WriteText(path("etc/cupsd.conf"), QStringLiteral(R"(Listen %1
Port 0
Browsing No
WebInterface No
LogLevel info
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
)")
                                          .arg(socket_));
    WriteText(path("etc/cups-files.conf"), QStringLiteral(R"(ServerRoot %1/etc
RequestRoot %1/spool
CacheDir %1/cache
StateDir %1/state
TempDir %1/tmp
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
User lp
Group lp
SystemGroup root
)")
                                               .arg(dir_.path()));
    // Files named by the job's title alone, as a school's cups-pdf would write them: two jobs
    // with one title write one file.
    WriteText(path("etc-cups/cups-pdf-tovimel.conf"), QStringLiteral(R"(Out %1/out
Spool %1/pdf-spool
Log %1/log
Grp root
Label 0
TitlePref 1
)")
                                                          .arg(dir_.path()));
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(
        "unshare",
        {"--mount", "sh", "-c",
         "mount --bind \"$1/etc-cups\" /etc/cups && exec cupsd -f -c \"$1/etc/cupsd.conf\" "
         "-s \"$1/etc/cups-files.conf\"",
         "sh", dir_.path()});
    if (!cupsd_.waitForStarted(10000)) {
      error_ = "cupsd did not start: " + cupsd_.errorString();
      return;
    }
    use();
    bool up = false;
    for (int i = 0; i < 600 && !up; ++i) {
      QTest::qWait(50);
      // Some releases' lpstat -r succeeds either way: its words tell.
      up = Cups("lpstat", {"-r"}).trimmed() == QLatin1String("scheduler is running");
      if (cupsd_.state() != QProcess::Running) break;
    }
    if (!up) {
      error_ = "the private cupsd did not answer: " + QString::fromUtf8(cupsd_.readAll());
      return;
    }
    bool made = false;
    const QString out = Cups("lpadmin",
                             {"-p", kQueue, "-E", "-v", "cups-pdf:/tovimel", "-P",
                              "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"},
                             &made);
    // Through poppler's cairo to PostScript, the page's text stays text that pdftotext reads
    // back from cups-pdf's file (ghostscript's way keeps the glyphs but not their letters).
    if (made) {
      Cups("lpadmin", {"-p", kQueue, "-o", "pdftops-renderer-default=pdftocairo"}, &made);
    }
    if (made) Cups("lpadmin", {"-d", kQueue}, &made);
    if (!made) error_ = "lpadmin could not make the queue: " + out;
  }

  ~PrivateCups() {
    if (cupsd_.state() != QProcess::NotRunning) {
      ::kill(pid_t(cupsd_.processId()), SIGTERM);
      if (!cupsd_.waitForFinished(10000)) {
        ::kill(pid_t(cupsd_.processId()), SIGKILL);
        cupsd_.waitForFinished(5000);
      }
    }
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
  }

  const QString& error() const { return error_; }
  QString path(const QString& sub) const { return dir_.filePath(sub); }
  // Points this process's CUPS client at the private scheduler.
  void use() {
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
    cupsSetServer(nullptr);
  }
  // Points it at a socket where no scheduler listens.
  void useNone() {
    const QString none = path("gone.sock");
    qputenv("CUPS_SERVER", none.toLocal8Bit());
    cupsSetServer(nullptr);
  }
  // The files cups-pdf has written, once `count` are there and none is growing.
  QStringList pages(int count) {
    QDir out(path("out"));
    for (int i = 0; i < 1200; ++i) {
      const QStringList files = out.entryList({"*.pdf"}, QDir::Files, QDir::Name);
      if (files.size() >= count && Cups("lpstat", {"-o", kQueue}).trimmed().isEmpty()) {
        return files;
      }
      QTest::qWait(50);
    }
    return out.entryList({"*.pdf"}, QDir::Files, QDir::Name);
  }

 private:
  QTemporaryDir dir_;
  QString socket_;
  QProcess cupsd_;
  QString error_;
};

// A tmpfs of `kib` KiB at `folder`, unmounted when done.
class Tmpfs {
 public:
  Tmpfs(const QString& folder, int kib, bool read_only = false) : folder_(folder) {
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    mounted_ = ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs",
                       read_only ? MS_RDONLY : 0, options.constData()) == 0;
    if (!mounted_) error_ = QString::fromLocal8Bit(std::strerror(errno));
  }
  ~Tmpfs() {
    if (mounted_) ::umount2(folder_.toLocal8Bit().constData(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const QString& error() const { return error_; }

 private:
  QString folder_;
  bool mounted_ = false;
  QString error_;
};

class RealCups : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { cups_ = new PrivateCups; }
  static void TearDownTestSuite() {
    delete cups_;
    cups_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(cups_->error().isEmpty()) << cups_->error().toStdString();
    cups_->use();
    Cups("cupsaccept", {kQueue});
    Cups("cupsenable", {kQueue});
  }

  // The results screen of a student's run, as the page shows it.
  struct Results {
    explicit Results(const char* name) {
      f.setVisible(fraLevel, false);
      f.setVisible(fraProb, false);
      f.setVisible(fraAnswer, false);
      f.setVisible(lblTitle, true);
      f.setVisible(cmdPrintIt, true);
      f.setBack(f.self(), kWhite);
      f.setText(lblName, name);
      f.setText(clock, "07:42");
      b.window()->show();
    }
    Form f{MainWindowLayout(kLevelCount)};
    WindowBinding b{f, WindowBinding::Frame::Titled};
  };

  static PrivateCups* cups_;
};
PrivateCups* RealCups::cups_ = nullptr;

// Two students' pages on one queue: one press each, no dialog, two files with titles of their
// own, each holding its student's record line.
TEST_F(RealCups, TwoStudentsPrintTwoPagesEachWithItsOwnTitle) {
  int asked = 0;
  const QtPrinter::Ask no_dialog = [&](QPrinter&, QWidget*, const QString&) {
    ++asked;
    return false;
  };
  std::vector<QString> titles;
  for (const char* name : {"Rivera, Ana", "Okafor, Chidi", "Rivera, Ana"}) {
    Results run(name);
    QtPrinter printer(no_dialog);
    printer.setWindow(run.b);
    const PageWent went = printer.printWindow(run.f);
    EXPECT_EQ(went.to, PageWent::To::Printer) << went.why;
    EXPECT_EQ(went.where, kQueue);
    EXPECT_EQ(PageWentSaid(went), "The page went to the printer classroom.");
    ASSERT_EQ(printer.titles().size(), 1u);
    EXPECT_TRUE(printer.titles()[0].startsWith("Tovimel - " + QString::fromUtf8(name) + " - "));
    titles.push_back(printer.titles()[0]);
    if (titles.size() == 2) QTest::qWait(1100);  // the same student's next run, later on
  }
  EXPECT_EQ(asked, 0);
  EXPECT_NE(titles[0], titles[2]);
  const QStringList files = cups_->pages(3);
  ASSERT_EQ(files.size(), 3) << files.join(", ").toStdString();
  int ana = 0, chidi = 0;
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const QString path = cups_->path("out/" + file);
    EXPECT_EQ(PdfPageCount(ReadFile(path)), 1);
    const QString text = PdfText(path).simplified();
    ana += text.contains("Name: Rivera, Ana");
    chidi += text.contains("Name: Okafor, Chidi");
    // cups-pdf names the file from the job's title.
    EXPECT_TRUE(file.startsWith("Tovimel_-_Rivera__Ana_-_") ||
                file.startsWith("Tovimel_-_Okafor__Chidi_-_"));
  }
  EXPECT_EQ(ana, 2);
  EXPECT_EQ(chidi, 1);
}

// A queue that refuses jobs: the student is told why, in the scheduler's words, and the page is
// offered as a file and saved.
TEST_F(RealCups, ARefusingQueueTellsWhyAndTheFileOfferedKeepsThePage) {
  bool ok = false;
  Cups("cupsreject", {"-r", "Out of paper in tray 2", kQueue}, &ok);
  ASSERT_TRUE(ok);
  QTemporaryDir documents;
  std::vector<QString> whys;
  Results run("Rivera, Ana");
  QtPrinter printer(
      [&](QPrinter&, QWidget*, const QString& why) {
        whys.push_back(why);
        return true;  // the name offered
      },
      documents.path());
  printer.setWindow(run.b);
  const PageWent went = printer.printWindow(run.f);
  EXPECT_EQ(went.to, PageWent::To::Refused);
  const std::string told = PageWentSaid(went);
  EXPECT_EQ(told, "The printer classroom did not take the page: Out of paper in tray 2.");
  EXPECT_TRUE(whys.empty());  // no dialog before the student is told
  const PageWent saved = printer.saveWindow(run.f, told);
  ASSERT_EQ(whys, std::vector<QString>{QString::fromStdString(told)});
  EXPECT_EQ(saved.to, PageWent::To::File);
  ASSERT_EQ(printer.files().size(), 1u);
  EXPECT_EQ(QFileInfo(printer.files()[0]).absolutePath(), documents.path());
  EXPECT_EQ(saved.where, printer.files()[0].toStdString());
  EXPECT_TRUE(PdfText(printer.files()[0]).simplified().contains("Name: Rivera, Ana"));
  EXPECT_TRUE(Cups("lpstat", {"-o", kQueue}).trimmed().isEmpty());
}

// A stopped queue keeps the page: the student is told that it waits there, the job is listed,
// and it prints once the queue is started.
TEST_F(RealCups, AStoppedQueueHoldsThePageUntilItIsStarted) {
  bool ok = false;
  Cups("cupsdisable", {"-r", "Jammed", kQueue}, &ok);
  ASSERT_TRUE(ok);
  const int before = int(cups_->pages(0).size());
  Results run("Okafor, Chidi");
  QtPrinter printer([](QPrinter&, QWidget*, const QString&) { return false; });
  printer.setWindow(run.b);
  const PageWent went = printer.printWindow(run.f);
  EXPECT_EQ(went.to, PageWent::To::Held);
  EXPECT_EQ(PageWentSaid(went),
            "The printer classroom is stopped: the page waits in its queue until someone starts "
            "the printer.");
  const QString waiting = Cups("lpstat", {"-o", kQueue});
  EXPECT_TRUE(waiting.contains(QString::fromLatin1(kQueue) + "-")) << waiting.toStdString();
  Cups("cupsenable", {kQueue}, &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(cups_->pages(before + 1).size(), before + 1);
}

// No scheduler at all: as with no printer, the student chooses where the page goes.
TEST_F(RealCups, WithNoSchedulerThePageIsOfferedAsAFile) {
  cups_->useNone();
  QTemporaryDir documents;
  int asked = 0;
  Results run("Rivera, Ana");
  QtPrinter printer(
      [&](QPrinter& p, QWidget*, const QString& why) {
        ++asked;
        EXPECT_TRUE(why.isEmpty());
        EXPECT_EQ(p.outputFormat(), QPrinter::PdfFormat);
        return true;
      },
      documents.path());
  printer.setWindow(run.b);
  const PageWent went = printer.printWindow(run.f);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(went.to, PageWent::To::File);
  ASSERT_EQ(printer.files().size(), 1u);
  EXPECT_EQ(PdfPageCount(ReadFile(printer.files()[0])), 1);
}

// A full documents folder: nothing cut off is left, the student is told, and the save offered
// again proposes a folder with room. A read-only folder is never proposed.
TEST_F(RealCups, AFullDiskLeavesNoBrokenFileAndTheSaveIsOfferedAgain) {
  cups_->useNone();
  QTemporaryDir dir;
  const QString full = dir.filePath("full"), locked = dir.filePath("locked");
  const Tmpfs disk(full, 64);
  ASSERT_TRUE(disk.mounted()) << "cannot mount a tmpfs at " << full.toStdString() << ": "
                              << disk.error().toStdString();
  const Tmpfs read_only(locked, 1024, true);
  ASSERT_TRUE(read_only.mounted()) << read_only.error().toStdString();
  {
    // Nearly full: 8 KiB left, less than a page.
    QFile filler(full + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray((64 - 8) * 1024, 'x'));
  }
  EXPECT_NE(PdfFolder(full).toStdString(), full.toStdString());      // no room for a page
  EXPECT_NE(PdfFolder(locked).toStdString(), locked.toStdString());  // read-only, even for root

  // Home, the next place proposed, in the test's own folder.
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", dir.filePath("home").toLocal8Bit());
  ASSERT_TRUE(QDir().mkpath(dir.filePath("home")));
  Results run("Rivera, Ana");
  std::vector<QString> offered, whys;
  QtPrinter printer(
      [&](QPrinter& p, QWidget*, const QString& why) {
        offered.push_back(p.outputFileName());
        whys.push_back(why);
        // The first time the student picks the full folder anyway.
        if (offered.size() == 1) p.setOutputFileName(full + "/Tovimel - Rivera, Ana.pdf");
        return true;
      },
      full);
  printer.setWindow(run.b);
  const PageWent went = printer.printWindow(run.f);
  ASSERT_EQ(went.to, PageWent::To::NotWritten);
  EXPECT_EQ(went.where, (full + "/Tovimel - Rivera, Ana.pdf").toStdString());
  EXPECT_EQ(went.why, "No space left on device");
  EXPECT_EQ(QDir(full).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
  const PageWent again = printer.saveWindow(run.f, PageWentSaid(went));
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(whys[1].toStdString(), PageWentSaid(went));
  EXPECT_FALSE(offered[1].startsWith(full));
  EXPECT_EQ(again.to, PageWent::To::File);
  ASSERT_EQ(printer.files().size(), 1u);
  EXPECT_EQ(QFileInfo(printer.files()[0]).absolutePath(), dir.filePath("home"));
  EXPECT_EQ(PdfPageCount(ReadFile(printer.files()[0])), 1);
  qputenv("HOME", home);
}

}  // namespace
}  // namespace tovimel
