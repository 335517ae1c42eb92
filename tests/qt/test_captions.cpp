// SPDX-License-Identifier: MIT
// Long texts in the labels of both windows, on screen and on the printed page. CTest runs this
// twice: with the program's fonts, and with a fontconfig that knows DejaVu only.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "desktop/binding.h"
#include "desktop/services.h"
#include "desktop/widgets/captions.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/widgets.h"
#include "engine/generator.h"
#include "engine/levels.h"
#include "engine/random.h"
#include "tests/qt/in_language.h"
#include "tests/qt/pdf.h"
#include "windows/controls.h"
#include "windows/layouts.h"

namespace tovimel {
namespace {

// The practice window's and the sign-in window's controls.
namespace pw = frmTovimel3;
namespace si = frmSignIn;

// The words a printed window shows within a widget's box, in reading order: what pdftotext finds
// centred in it; a word that reaches out of the box reads "[cut]".
QString WordsIn(const QString& pdf, const QTransform& to_points, const QWidget& label) {
  const QRectF box = to_points.mapRect(QRectF(label.mapTo(label.window(), QPoint()), label.size()));
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  QStringList words;
  for (auto it = word.globalMatch(testing::PdfWords(pdf)); it.hasNext();) {
    const auto m = it.next();
    const QRectF at(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    if (!box.contains(at.center())) continue;
    const bool whole = at.left() >= box.left() - 0.5 && at.right() <= box.right() + 0.5;
    words << (whole ? m.captured(5).replace(QLatin1String("&amp;"), QLatin1String("&"))
                    : QStringLiteral("[cut]"));
  }
  return words.join(u' ');
}

// Prints a window as the program does; returns the map from its pixels to the page's points.
QTransform Print(QWidget& window, const QString& file) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  EXPECT_TRUE(PrintWidget(window, printer));
  const double points = 72.0 / printer.resolution();
  const QPointF corner = printer.pageRect(QPrinter::Point).topLeft();
  return PageTransform(window.size(), printer.pageRect(QPrinter::DevicePixel).size()) *
         QTransform::fromScale(points, points) * QTransform::fromTranslate(corner.x(), corner.y());
}

struct Row {
  bool sign_in;  // a label of the sign-in window, else of the practice window
  ControlName label;
  const char* text;
};

// Each label with its longest texts: the student strip as students fill it, the fixed captions
// as designed, the run's numbers at their widest; the third name is too long even at the floor.
const Row kRows[] = {
    {false, pw::lblPeriod, "12B"},
    {false, pw::lblID, "20231234"},
    {false, pw::lblDate, "12/8/2026"},
    {false, pw::lblName, "Nguyen-Villanueva, Maximiliano"},
    {false, pw::lblName, "Rivera, Ana"},
    {false, pw::lblName, "Nguyen-Villanueva de la Santisima Trinidad, Maximiliano Alejandro"},
    {false, pw::lblTeacher, "Ms. Abernathy"},
    {false, pw::Label4, "Current Problem"},
    {false, pw::lblProbCount, "20"},
    {false, pw::Label1, "Right"},
    {false, pw::lblRight, " 20"},
    {false, pw::Label2, "Total"},
    {false, pw::lblWrong, " 100"},
    {false, pw::Label3, "Grade"},
    {false, pw::lblPercent, " 100%"},
    {false, pw::lblLevelShow, "Level 5"},
    {false, pw::lblTitle, "Tovimel"},
    {false, pw::Label5, "Timer"},
    {false, pw::clock, "100:00"},
    {false, pw::lblLevel, "5"},
    {true, si::Label1, "Period"},
    {true, si::lblFlash, "Please Sign In"},
    {true, si::Label3, "#ID or Student ID"},
    {true, si::lblNameTitle, "Name (Last, First)"},
    {true, si::Label2, "Teacher"},
};

// On screen each text is whole on the lines its label holds, in the label's size or a smaller
// one down to the floor, and only at the floor cut with "…" at its end; the printed page shows
// the same words, each within its label.
TEST(Captions, EveryLabelShowsItsTextWholeOnScreenAndOnThePage) {
  Form practice(MainWindowLayout(kLevelCount));
  Form sign_in(SignInLayout());
  // The end of a run, as it is printed: the title where the problem and answer stood.
  practice.setVisible(pw::fraProb, false);
  practice.setVisible(pw::fraAnswer, false);
  practice.setVisible(pw::lblTitle, true);
  WindowBinding a(practice, WindowBinding::Frame::Titled);
  WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
  SCOPED_TRACE("fonts: " + QFontInfo(a.widget(pw::lblName)->font()).family().toStdString());
  QTemporaryDir dir;
  // A label's texts one after the other: round n shows every label's n-th text.
  std::map<std::string, int> round_of;
  for (int round = 0, rounds = 1; round < rounds; ++round) {
    std::vector<const Row*> shown;
    for (const Row& row : kRows) {
      const int n = round_of[std::string(row.label.name) + (row.sign_in ? "@" : "")]++;
      rounds = std::max(rounds, n + 1);
      if (n == round) shown.push_back(&row);
    }
    round_of.clear();
    for (const Row* r : shown) (r->sign_in ? sign_in : practice).setText(r->label, r->text);
    const QString files[] = {dir.filePath(QString("a%1.pdf").arg(round)),
                             dir.filePath(QString("b%1.pdf").arg(round))};
    const QTransform pages[] = {Print(*a.window(), files[0]), Print(*b.window(), files[1])};
    for (const Row* r : shown) {
      SCOPED_TRACE(std::string(r->label.name) + " \"" + r->text + "\"");
      const auto* label = qobject_cast<const LabelWidget*>((r->sign_in ? b : a).widget(r->label));
      const QRect box = label->contentsRect();
      const Caption c = label->laidOut();
      const QFontMetricsF design(label->font()), metrics(c.font);
      if (!c.spread) {
        EXPECT_LE(c.lines.size(), std::max(1.0, std::floor(box.height() / design.lineSpacing())));
      }
      QStringList lines;
      for (const CaptionLine& line : c.lines) {
        // Whole: no line wider than the label, none half-visible (its ink inside the label,
        // whose glyph boxes are whole pixels rounded outwards).
        EXPECT_LE(line.width, box.width() + 0.01) << line.text.toStdString();
        const QRectF ink = metrics.tightBoundingRect(line.text).translated(line.origin);
        EXPECT_TRUE(QRectF(label->rect()).adjusted(-1, -1, 1, 1).contains(ink));
        lines << line.text;
      }
      const int floor = static_cast<int>(std::ceil(label->font().pixelSize() * kCaptionFloor));
      EXPECT_GE(c.font.pixelSize(), floor);
      const QString joined = lines.join(u' ').simplified();
      if (c.elided) {
        EXPECT_EQ(c.font.pixelSize(), floor);
        EXPECT_TRUE(joined.endsWith(QChar(0x2026)) &&
                    QString(r->text).startsWith(joined.chopped(1).trimmed()));
      } else {
        EXPECT_EQ(joined, QString(r->text).simplified());
      }
      EXPECT_EQ(WordsIn(files[r->sign_in], pages[r->sign_in], *label).toStdString(),
                joined.toStdString());
    }
  }
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// The key, when a teacher reveals it, leaves the level caption as it was: nothing of the frame
// comes within two pixels of the caption's box, whatever the fonts.
TEST(Captions, TheLevelCaptionStaysWholeBesideTheKey) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  f.setText(pw::lblLevelShow, "Level 5");
  const QWidget* label = b.widget(pw::lblLevelShow);
  const QRect around =
      QRect(label->mapTo(b.window(), QPoint()), label->size()).adjusted(-2, -2, 2, 2);
  const QImage without = b.window()->grab().toImage();
  f.setVisible(pw::fraKey, true);
  const QImage with = b.window()->grab().toImage();
  ASSERT_EQ(with.size(), without.size());
  int changed = 0;
  for (int y = around.top(); y <= around.bottom(); ++y) {
    for (int x = around.left(); x <= around.right(); ++x)
      changed += with.pixel(x, y) != without.pixel(x, y);
  }
  EXPECT_EQ(changed, 0);
  const Caption c =
      FitCaption(qobject_cast<const QLabel*>(label)->text(), label->font(),
                 qobject_cast<const QLabel*>(label)->contentsRect(), Qt::AlignLeft, true);
  EXPECT_FALSE(c.elided);
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// A translation as long as many are: every letter accented and about 40 % more, in brackets, so
// that a caption cut or left untranslated shows ("Start" reads "[Šţåŕţ~~]").
QString Pseudo(const QString& text) {
  static const QString plain =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  static const QString accented =
      QStringLiteral("ÅƁĆĎÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽåƀćďéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýž");
  QString out = QStringLiteral("[");
  int letters = 0;
  for (const QChar ch : text) {
    const qsizetype at = plain.indexOf(ch);
    out += at < 0 ? ch : accented[at];
    letters += at >= 0;
  }
  return out + QString(qRound(letters * 0.4), u'~') + u']';
}

QString WithoutBlanks(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Every caption of both windows, transformed as a long translation would be and set where the
// binding sets captions, is drawn whole: not cut, at 80 % of its size or more, every line's ink
// inside the widget (a label's reaches into the room its design leaves), the frames' captions
// within their frames; the level's name on one line at 50 % or more. The level caption is
// checked at every level.
TEST(Captions, ALongerTranslationOfEveryCaptionIsDrawnWholeAtEightyPercentOrMore) {
  EXPECT_EQ(Pseudo(QStringLiteral("Start")), QStringLiteral("[Šţåŕţ~~]"));
  EXPECT_EQ(Pseudo(QStringLiteral("E&xit")), QStringLiteral("[É&ẋîţ~~]"));
  Form practice(MainWindowLayout(kLevelCount));
  Form sign_in(SignInLayout());
  WindowBinding a(practice, WindowBinding::Frame::Titled);
  WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
  SCOPED_TRACE("fonts: " + QFontInfo(a.widget(pw::lblName)->font()).family().toStdString());
  static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
  int checked = 0;
  // What each shown label and button must read on the printed page.
  std::vector<std::tuple<bool, const QWidget*, QString>> on_page;
  const auto check = [&](Form& form, const WindowBinding& binding, const Control& c) {
    const QString text = Pseudo(ToQString(c.props.text));
    form.setText(c.id(), text.toStdString());
    SCOPED_TRACE(c.key() + " \"" + text.toStdString() + "\"");
    const QWidget* w = binding.widget(c.id());
    Caption laid;
    QString expected = text;
    if (const auto* label = qobject_cast<const LabelWidget*>(w)) {
      laid = label->laidOut();
    } else if (const auto* button = qobject_cast<const ButtonWidget*>(w)) {
      laid = button->laidOut();
      expected.remove(u'&');
    } else if (const auto* frame = qobject_cast<const FrameWidget*>(w)) {
      laid = frame->laidOut();
    } else {
      ADD_FAILURE() << "a caption on neither label, button nor frame";
      return;
    }
    ++checked;
    const double design = w->font().pixelSize();
    EXPECT_FALSE(laid.elided);
    // The level's name keeps to one line, smaller if it must.
    EXPECT_GE(laid.font.pixelSize(), std::ceil(design * (c.look.one_line ? 0.5 : 0.8)));
    if (c.look.one_line) {
      EXPECT_EQ(laid.lines.size(), 1u);
    }
    const QFontMetricsF metrics(laid.font);
    QString joined;
    for (const CaptionLine& line : laid.lines) {
      joined += line.text;
      const QRectF ink = metrics.tightBoundingRect(line.text).translated(line.origin);
      EXPECT_TRUE(QRectF(w->rect()).adjusted(-1, -1, 1, 1).contains(ink))
          << line.text.toStdString();
    }
    EXPECT_EQ(WithoutBlanks(joined).toStdString(), WithoutBlanks(expected).toStdString());
    // A frame's box holds its controls' words too.
    if (!qobject_cast<const FrameWidget*>(w) && w->isVisibleTo(w->window())) {
      on_page.emplace_back(&form == &sign_in, w, expected);
    }
  };
  for (auto [form, binding] : {std::pair{&practice, &a}, std::pair{&sign_in, &b}}) {
    for (const Control& c : form->controls()) {
      // The student strip shows what the student typed, which no translation changes.
      if (c.kind == Kind::Window || c.container == pw::fraStudentData.name ||
          !ToQString(c.props.text).contains(letter)) {
        continue;
      }
      check(*form, *binding, c);
    }
  }
  QTemporaryDir dir;
  const QString files[] = {dir.filePath(QStringLiteral("a.pdf")),
                           dir.filePath(QStringLiteral("b.pdf"))};
  const QTransform pages[] = {Print(*a.window(), files[0]), Print(*b.window(), files[1])};
  for (const auto& [in_sign_in, w, expected] : on_page) {
    SCOPED_TRACE("on the page: " + expected.toStdString());
    EXPECT_EQ(WithoutBlanks(WordsIn(files[in_sign_in], pages[in_sign_in], *w)).toStdString(),
              WithoutBlanks(expected).toStdString());
  }
  for (int level = 1; level <= kLevelCount; ++level) {
    practice.setText(pw::lblLevelShow, "Level " + std::to_string(level));
    check(practice, a, practice.control(pw::lblLevelShow));
  }
  EXPECT_EQ(checked, 24 + kLevelCount);  // 19 captions and 5 frames, each level
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// The order a caption tries: its own size; smaller, on its lines, down to 80 %; more lines in
// the room around it, from its own size down; words broken inside; only then "…".
TEST(Captions, ShrinkFirstThenSpreadIntoTheRoomThenBreakWordsThenCut) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(20);
  const auto wide = [&](const QString& text, int px) {
    QFont f = font;
    f.setPixelSize(px);
    return QFontMetricsF(f).horizontalAdvance(text);
  };
  const QString two = QStringLiteral("Nachname Vorname");
  const QString one = QStringLiteral("Schülerausweisnummer");
  const double line = QFontMetricsF(font).lineSpacing();
  const QRectF room(0, -2 * line, 1000, 3 * line + 4);
  struct Case {
    QString text;
    double width;
    bool with_room;
    int size;  // pixels
    std::size_t lines;
    bool spread, elided;
  };
  const Case cases[] = {
      {two, wide(two, 20), true, 20, 1, false, false},        // fits as it is
      {two, wide(two, 16) + 0.5, true, 16, 1, false, false},  // 80 % on one line
      {two, wide(two, 16) - 0.5, true, 20, 2, true, false},   // then two lines, own size
      {two, wide(two, 16) - 0.5, false, 16, 1, false, true},  // no room: cut at 80 %
      {one, wide(one, 16) - 0.5, true, 20, 2, true, false},   // one word: broken inside
      {one, wide(one, 16) - 0.5, false, 16, 1, false, true},  // and cut without room
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " in " + std::to_string(c.width));
    const QRectF box(0, 0, c.width, line);
    const Caption laid =
        FitCaption(c.text, font, box, Qt::AlignLeft, true, nullptr,
                   c.with_room ? room.adjusted(0, 0, c.width - 1000, 0) : QRectF());
    EXPECT_EQ(laid.font.pixelSize(), c.size);
    EXPECT_EQ(laid.lines.size(), c.lines);
    EXPECT_EQ(laid.spread, c.spread);
    EXPECT_EQ(laid.elided, c.elided);
    QString joined;
    for (const CaptionLine& l : laid.lines) {
      EXPECT_LE(l.width, c.width + 0.01);
      joined += l.text;
    }
    if (!c.elided) {
      EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(c.text));
    }
    if (c.spread) {
      // The last line ends where the caption's own line would; the first rises into the room.
      const QFontMetricsF m(laid.font);
      EXPECT_NEAR(laid.lines.back().origin.y() + m.descent(), QFontMetricsF(font).height(), 0.01);
      EXPECT_LT(laid.lines.front().origin.y() - m.ascent(), 0);
    }
  }
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// Hands the generator the r that makes each of its draws come out as `drawn` says.
class Drawing final : public RandomSource {
 public:
  void seed(std::uint64_t) override {}
  double next() override { return values.at(at++); }
  std::vector<double> values;
  std::size_t at = 0;
};

// The texts of every key part each answer box may have to hold at `level`: every combination of
// exponents the level's draws can make, through the generator. Box 0 takes K1, box 1 K2, box 2
// K3 and box 3 K5, as grading reads them.
std::array<std::set<std::string>, 4> KeyPartTexts(int level) {
  std::vector<ExponentRange> ranges;
  for (const PositionDraw& d : FindLevel(level)->draws) {
    if (d.position != 0) ranges.insert(ranges.end(), d.exponents.begin(), d.exponents.end());
  }
  std::array<std::set<std::string>, 4> texts;
  std::vector<int> drawn;
  for (const ExponentRange& r : ranges) drawn.push_back(r.lo);
  for (bool more = true; more;) {
    Drawing random;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      random.values.push_back((drawn[i] - ranges[i].lo + 0.5) /
                              static_cast<double>(ranges[i].hi - ranges[i].lo + 1));
    }
    const Problem p = MakeProblem(*FindLevel(level), random);
    EXPECT_EQ(random.at, random.values.size());
    for (const auto& [box, part] : {std::pair{0, 1}, {1, 2}, {2, 3}, {3, 5}}) {
      texts[static_cast<std::size_t>(box)].insert(
          std::to_string(p.key[static_cast<std::size_t>(part)]));
    }
    std::size_t i = 0;
    for (; i < drawn.size(); ++i) {
      if (++drawn[i] <= ranges[i].hi) break;
      drawn[i] = ranges[i].lo;
    }
    more = i < drawn.size();
  }
  return texts;
}

// Every key part of every level stands whole in its answer box, in whatever fonts are installed:
// the box does not scroll (the first and last characters are the text's width apart, both
// inside the box), and a text that fits as designed keeps the box's own size.
TEST(Captions, EveryKeyPartStandsWholeInItsAnswerBox) {
  Form f(MainWindowLayout(kLevelCount));
  WindowBinding b(f, WindowBinding::Frame::Titled);
  const auto* first = qobject_cast<const BoxWidget*>(b.widget(pw::txtAnswer[0]));
  ASSERT_NE(first, nullptr);
  SCOPED_TRACE("fonts: " + QFontInfo(first->designFont()).family().toStdString());
  int smallest = first->designFont().pixelSize();
  std::size_t widest = 0;
  for (int level = 1; level <= kLevelCount; ++level) {
    const auto texts = KeyPartTexts(level);
    for (int k = 0; k < 4; ++k) {
      auto* box = qobject_cast<BoxWidget*>(b.widget(pw::txtAnswer[k]));
      for (const std::string& text : texts[static_cast<std::size_t>(k)]) {
        SCOPED_TRACE("level " + std::to_string(level) + " box " + std::to_string(k) + " \"" + text +
                     "\"");
        widest = std::max(widest, text.size());
        f.setText(pw::txtAnswer[k], text);
        const QString shown = box->text();
        ASSERT_EQ(shown.toStdString(), text);
        const QFontMetricsF metrics(box->font());
        box->setCursorPosition(static_cast<int>(shown.size()));
        const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        box->setCursorPosition(0);
        const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        EXPECT_NEAR(end - start, metrics.horizontalAdvance(shown), 1.5);
        EXPECT_GE(start, 0);
        EXPECT_LT(end, box->width());
        if (QFontMetricsF(box->designFont()).horizontalAdvance(shown) + 1 <= box->textRoom()) {
          EXPECT_EQ(box->font().pixelSize(), box->designFont().pixelSize());
        }
        smallest = std::min(smallest, box->font().pixelSize());
      }
    }
  }
  // Level 5's keys reach five digits ("26999"), the longest a box is given.
  EXPECT_EQ(widest, 5u);
  std::cout << "smallest size " << smallest << " px of " << first->designFont().pixelSize() << '\n';
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

using testing::InLanguage;

// English and the six translations.
const char* const kLanguages[] = {"en", "de", "es", "fr", "he", "ru", "ar"};

// Fails, naming what is missing, where no installed font writes `language`'s script: its
// captions would show and print as nothing.
void ExpectAFontFor(const char* language) {
  const std::map<std::string, QFontDatabase::WritingSystem> scripts = {
      {"he", QFontDatabase::Hebrew},
      {"ar", QFontDatabase::Arabic},
      {"ru", QFontDatabase::Cyrillic}};
  const auto it = scripts.find(language);
  if (it == scripts.end()) return;
  EXPECT_FALSE(QFontDatabase::families(it->second).isEmpty())
      << "no installed font has the letters of \"" << language << "\"";
}

// The page's lines of words within a widget's box: the distinct heights pdftotext finds words at.
int LinesIn(const QString& pdf, const QTransform& to_points, const QWidget& w) {
  const QRectF box = to_points.mapRect(QRectF(w.mapTo(w.window(), QPoint()), w.size()));
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re"));
  std::vector<double> tops;
  for (auto it = word.globalMatch(testing::PdfWords(pdf)); it.hasNext();) {
    const auto m = it.next();
    const QRectF at(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    if (!box.contains(at.center())) continue;
    if (std::none_of(tops.begin(), tops.end(),
                     [&](double t) { return std::abs(t - at.top()) < at.height() / 2; })) {
      tops.push_back(at.top());
    }
  }
  return static_cast<int>(tops.size());
}

// The level's name stands on one line in every language and at every level, whole, on the
// screen and on the printed page; so does the level frame's caption.
TEST(Captions, TheLevelCaptionStaysOnOneLineInEveryLanguage) {
  QTemporaryDir dir;
  for (const char* language : kLanguages) {
    SCOPED_TRACE(language);
    const InLanguage in(QStringList{QString::fromLatin1(language)});
    ASSERT_EQ(in.loaded.isEmpty(), std::string(language) == "en");
    ExpectAFontFor(language);
    Form practice(MainWindowLayout(kLevelCount));
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    const auto* label = qobject_cast<const LabelWidget*>(a.widget(pw::lblLevelShow));
    const auto* frame = qobject_cast<const FrameWidget*>(a.widget(pw::fraLevel));
    EXPECT_EQ(frame->laidOut().lines.size(), 1u);
    EXPECT_FALSE(frame->laidOut().elided);
    for (int level = 1; level <= kLevelCount; ++level) {
      practice.setText(pw::lblLevelShow, "Level " + std::to_string(level));
      SCOPED_TRACE(label->text().toStdString());
      ASSERT_TRUE(label->text().contains(QString::number(level)));
      const Caption c = label->laidOut();
      ASSERT_EQ(c.lines.size(), 1u);
      EXPECT_FALSE(c.elided);
      EXPECT_FALSE(c.spread);
      EXPECT_EQ(c.lines.front().text, label->text());
      EXPECT_LE(c.lines.front().width, label->contentsRect().width() + 0.01);
      const QString file = dir.filePath(QStringLiteral("%1-%2.pdf").arg(language).arg(level));
      const QTransform page = Print(*a.window(), file);
      EXPECT_EQ(LinesIn(file, page, *label), 1);
      EXPECT_EQ(WithoutBlanks(WordsIn(file, page, *label)).size(),
                WithoutBlanks(label->text()).size());
    }
  }
}

// The captions a widget lays out: its text, in the direction it runs.
std::optional<Caption> LaidOut(const QWidget* w) {
  if (const auto* label = qobject_cast<const LabelWidget*>(w)) return label->laidOut();
  if (const auto* button = qobject_cast<const ButtonWidget*>(w)) return button->laidOut();
  if (const auto* frame = qobject_cast<const FrameWidget*>(w)) return frame->laidOut();
  return std::nullopt;
}

// In Hebrew and Arabic every caption of both windows runs right to left, also one that starts
// with Latin ("#ID"); the mathematics (the problem, the key, the answer boxes) runs left to right.
TEST(Captions, EveryCaptionOfARightToLeftLanguageRunsRightToLeft) {
  for (const char* language : {"he", "ar"}) {
    SCOPED_TRACE(language);
    const InLanguage in(QStringList{QString::fromLatin1(language)});
    ASSERT_EQ(in.loaded, QString::fromLatin1(language));
    Form practice(MainWindowLayout(kLevelCount));
    Form sign_in(SignInLayout());
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
    practice.setVisible(pw::cmdPrintIt, true);
    int captions = 0;
    for (auto [form, binding] : {std::pair{&practice, &a}, std::pair{&sign_in, &b}}) {
      for (const Control& c : form->controls()) {
        if (!c.look.translated || c.kind == Kind::Window) continue;
        SCOPED_TRACE(c.key());
        const auto laid = LaidOut(binding->widget(c.id()));
        ASSERT_TRUE(laid.has_value());
        EXPECT_EQ(laid->direction, Qt::RightToLeft);
        ++captions;
      }
    }
    EXPECT_EQ(captions, 24);
    const auto* id = qobject_cast<const LabelWidget*>(b.widget(si::Label3));
    EXPECT_TRUE(id->text().startsWith(QLatin1String("#ID")));
    for (int i = 0; i < pw::lblProb.count; ++i) {
      practice.setText(pw::lblProb[i], "-12");
      EXPECT_EQ(LaidOut(a.widget(pw::lblProb[i]))->direction, Qt::LeftToRight) << i;
    }
    for (int i = 0; i < pw::lblAdd.count; ++i) {
      EXPECT_EQ(LaidOut(a.widget(pw::lblAdd[i]))->direction, Qt::LeftToRight) << i;
    }
    for (int i = 0; i < pw::txtAnswer.count; ++i) {
      EXPECT_EQ(a.widget(pw::txtAnswer[i])->layoutDirection(), Qt::LeftToRight) << i;
    }
  }
}

// Where a caption's ink stands in its widget's contents: the pixels a grab of it with the
// caption differs from one without.
QRect InkOf(QWidget* w) {
  const auto set = [&](const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
  };
  QString text;
  if (const auto* label = qobject_cast<QLabel*>(w)) text = label->text();
  if (const auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
  const QImage with = w->grab().toImage();
  set(QString());
  const QImage without = w->grab().toImage();
  set(text);
  QRect ink;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// A caption designed to start at the left edge starts at the right one in Hebrew and Arabic, and
// stays at the left in the others: its ink is nearer that edge than the other.
TEST(Captions, ACaptionStandsAtTheEdgeItIsAlignedTo) {
  for (const char* language : {"en", "de", "he", "ar"}) {
    SCOPED_TRACE(language);
    const InLanguage in(QStringList{QString::fromLatin1(language)});
    const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    Form practice(MainWindowLayout(kLevelCount));
    Form sign_in(SignInLayout());
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
    int checked = 0;
    for (auto [form, binding] : {std::pair{&practice, &a}, std::pair{&sign_in, &b}}) {
      for (const Control& c : form->controls()) {
        if (c.kind != Kind::Label || !c.look.translated || c.look.align != Align::Left) continue;
        SCOPED_TRACE(c.key());
        auto* label = qobject_cast<LabelWidget*>(binding->widget(c.id()));
        const QRect box = label->contentsRect();
        const QRect ink = InkOf(label);
        ASSERT_FALSE(ink.isEmpty());
        const int left = ink.left() - box.left(), right = box.right() - ink.right();
        // Only a caption with room to spare tells its side.
        if (left + right < 6) continue;
        ++checked;
        if (rtl) {
          EXPECT_LT(right, left);
        } else {
          EXPECT_LT(left, right);
        }
      }
    }
    EXPECT_GE(checked, 3);
  }
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// In every language every caption in a box one sees keeps off its sides: a label's ink keeps the
// inner margin inside its border or coloured background (less a pixel a glyph may overhang
// its advance), a button's stays within the face's contents; down, each stays within them.
TEST(Captions, EveryCaptionKeepsTheInnerMarginOfItsBoxInEveryLanguage) {
  for (const char* language : kLanguages) {
    SCOPED_TRACE(language);
    const InLanguage in(QStringList{QString::fromLatin1(language)});
    Form practice(MainWindowLayout(kLevelCount));
    Form sign_in(SignInLayout());
    practice.setVisible(pw::cmdPrintIt, true);
    practice.setEnabled(pw::cmdPrintIt, true);
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    WindowBinding b(sign_in, WindowBinding::Frame::Borderless);
    int checked = 0;
    for (auto [form, binding] : {std::pair{&practice, &a}, std::pair{&sign_in, &b}}) {
      const auto window_back = form->window().props.back;
      for (const Control& c : form->controls()) {
        if (!c.look.translated || c.kind == Kind::Window) continue;
        QWidget* w = binding->widget(c.id());
        QRect box;
        int margin = 0;
        if (c.kind == Kind::Label &&
            (c.look.border || (c.props.back && c.props.back != window_back))) {
          const int edge = qobject_cast<QLabel*>(w)->frameWidth();
          box = QRect(QPoint(), PxRect(c.props).size()).adjusted(edge, edge, -edge, -edge);
          box.translate(0, qobject_cast<LabelWidget*>(w)->room().top());
          margin = kInnerMargin - 1;
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
          QStyleOptionButton option;
          option.initFrom(button);
          box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else {
          continue;
        }
        SCOPED_TRACE(c.key());
        const QRect ink = InkOf(w);
        ASSERT_FALSE(ink.isEmpty());
        ++checked;
        EXPECT_GE(ink.left() - box.left(), margin);
        EXPECT_GE(box.right() - ink.right(), margin);
        EXPECT_GE(ink.top(), box.top());
        EXPECT_LE(ink.bottom(), box.bottom());
      }
    }
    EXPECT_GE(checked, 8);
  }
}

}  // namespace
}  // namespace tovimel

namespace tovimel {
namespace {

// The printed page's text is the captions' letters, in every language, as a teacher searching
// or copying it finds them: pdftotext reads back each caption's words. Qt writes each glyph
// with the first character the font maps to it, so an Arabic letter in a joined form reads as
// its presentation form (U+FE70 to U+FEFF), and a Latin ligature as its ligature character
// (U+FB00 to U+FB06); those are compared by compatibility (NFKC), all else exactly (see the
// README's "Translations").
TEST(Captions, ThePrintedPageReadsBackAsTheCaptionsInEveryLanguage) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  ASSERT_FALSE(tool.isEmpty()) << "pdftotext (poppler-utils) is needed to read the page back";
  QTemporaryDir dir;
  for (const char* language : kLanguages) {
    SCOPED_TRACE(language);
    const InLanguage in(QStringList{QString::fromLatin1(language)});
    ExpectAFontFor(language);
    Form practice(MainWindowLayout(kLevelCount));
    practice.setVisible(pw::cmdPrintIt, true);
    WindowBinding a(practice, WindowBinding::Frame::Titled);
    const QString file = dir.filePath(QString::fromLatin1(language) + QStringLiteral(".pdf"));
    const QTransform page = Print(*a.window(), file);
    const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    int checked = 0, compatible = 0;
    for (const Control& c : practice.controls()) {
      if (!c.look.translated || !c.props.visible || c.kind == Kind::Frame ||
          c.kind == Kind::Window) {
        continue;
      }
      const QWidget* w = a.widget(c.id());
      if (!w->isVisibleTo(a.window())) continue;
      QString expected;
      if (const auto* label = qobject_cast<const QLabel*>(w)) expected = label->text();
      if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        expected = button->text().remove(u'&');
      }
      if (expected.isEmpty()) continue;
      SCOPED_TRACE(c.key() + " \"" + expected.toStdString() + "\"");
      ++checked;
      // pdftotext gives right-to-left text letter by letter in the order the glyphs stand: there
      // the caption's letters are compared, each as often as it is typed.
      const auto letters = [&](QString text) {
        text = WithoutBlanks(text);
        if (rtl) std::sort(text.begin(), text.end());
        return text;
      };
      const QString read = WordsIn(file, page, *w);
      if (letters(read) == letters(expected)) continue;
      // A font's Latin ligature (DejaVu's "ff" in "Trefferquote") is one glyph, written as the
      // ligature's own character: Qt's same limit, not Arabic's joining.
      const bool ligature = std::any_of(read.begin(), read.end(), [](QChar ch) {
        return ch.unicode() >= 0xFB00 && ch.unicode() <= 0xFB06;
      });
      if (!ligature) ++compatible;
      EXPECT_EQ(letters(read.normalized(QString::NormalizationForm_KC)).toStdString(),
                letters(expected).toStdString());
    }
    EXPECT_GE(checked, 10);
    // Only Arabic joins its letters into forms of their own.
    if (std::string(language) != "ar") {
      EXPECT_EQ(compatible, 0);
    }
  }
}

}  // namespace
}  // namespace tovimel
