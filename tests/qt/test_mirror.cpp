// SPDX-License-Identifier: MIT
// Right-to-left windows: everything mirrors but the mathematics, which reads as in English.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "desktop/binding.h"
#include "desktop/widgets/widgets.h"
#include "engine/levels.h"
#include "tests/qt/program.h"
#include "windows/controls.h"
#include "windows/layouts.h"
#include "windows/rows.h"

namespace tovimel {
namespace {

class Direction {
 public:
  explicit Direction(Qt::LayoutDirection d) { QGuiApplication::setLayoutDirection(d); }
  ~Direction() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
  Direction(const Direction&) = delete;
  Direction& operator=(const Direction&) = delete;
};

struct Placement {
  QRect box;
  QLineF line;  // lines only
  bool operator==(const Placement&) const = default;
};

std::map<std::string, Placement> Placements(const WindowBinding& b) {
  std::map<std::string, Placement> out;
  for (const Control& c : b.form().controls()) {
    const QWidget* w = b.widget(c.id());
    if (!w || c.kind == Kind::Window) continue;
    const auto* line = qobject_cast<const LineWidget*>(w);
    out[c.key()] = {w->geometry(), line ? line->line() : QLineF()};
  }
  return out;
}

bool InsideMathematics(const Form& f, const Control& c) {
  return !c.container.empty() && f.control({c.container}).look.left_to_right;
}

// Each control against its English placement: mirrored in its container, or, inside a frame of
// mathematics, exactly as in English and drawn left to right.
void ExpectMirrored(const WindowBinding& b, const std::map<std::string, Placement>& english) {
  const Form& f = b.form();
  for (const Control& c : f.controls()) {
    const QWidget* w = b.widget(c.id());
    if (!w || c.kind == Kind::Window) continue;
    SCOPED_TRACE(c.key());
    const Placement& was = english.at(c.key());
    const int width = w->parentWidget()->width();
    EXPECT_EQ(w->layoutDirection(),
              InsideMathematics(f, c) || c.look.left_to_right ? Qt::LeftToRight : Qt::RightToLeft);
    if (InsideMathematics(f, c)) {
      EXPECT_EQ(w->geometry(), was.box);
      if (c.kind == Kind::Line) {
        EXPECT_EQ(qobject_cast<const LineWidget*>(w)->line(), was.line);
      }
      continue;
    }
    if (c.kind == Kind::Line) {
      const QLineF& l = was.line;
      EXPECT_EQ(qobject_cast<const LineWidget*>(w)->line(),
                QLineF(width - l.x1(), l.y1(), width - l.x2(), l.y2()));
      continue;
    }
    EXPECT_EQ(w->geometry(),
              QRect(width - was.box.right() - 1, was.box.y(), was.box.width(), was.box.height()));
    if (const auto* label = qobject_cast<const QLabel*>(w); label && c.look.align == Align::Left) {
      EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w); edit && c.look.align == Align::Left) {
      EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    }
  }
}

// Built right to left from the start, or turned there later and back: the same places.
TEST(Mirror, EveryControlMirrorsInItsContainerButTheMathematicsReadsAsInEnglish) {
  using Layout = std::vector<Control> (*)();
  const std::vector<std::pair<Layout, WindowBinding::Frame>> windows = {
      {[] { return MainWindowLayout(kLevelCount); }, WindowBinding::Frame::Titled},
      {SignInLayout, WindowBinding::Frame::Borderless}};
  for (const auto& [layout, frame] : windows) {
    Form english_form(layout());
    const WindowBinding english_window(english_form, frame);
    const auto english = Placements(english_window);
    {
      const Direction rtl(Qt::RightToLeft);
      Form f(layout());
      const WindowBinding b(f, frame);
      SCOPED_TRACE(f.window().key() + " built right to left");
      ExpectMirrored(b, english);
      // The English window, turned along with the application, mirrors as well.
      SCOPED_TRACE("turned right to left");
      ExpectMirrored(english_window, english);
    }
    SCOPED_TRACE("turned back");
    EXPECT_EQ(Placements(english_window), english);
  }
}

// The columns of a label where its caption puts ink, in window coordinates.
std::optional<std::pair<int, int>> InkColumns(QWidget& label) {
  const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb ground = image.pixel(0, 0);
  std::optional<std::pair<int, int>> columns;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qGray(image.pixel(x, y)) < qGray(ground) - 64) {
        const int at = label.mapTo(label.window(), QPoint(x, 0)).x();
        columns = columns ? std::pair(columns->first, at) : std::pair(at, at);
        break;
      }
    }
  }
  return columns;
}

TEST(Mirror, EachSignInCaptionStandsOverItsBoxFromTheBoxsNearEdge) {
  using namespace frmSignIn;
  struct Pair {
    ControlId caption, box;
    const char* hebrew;
  };
  const Pair pairs[] = {{Label1, txtPeriod, "תקופה"},
                        {Label3, txtID, "מספר תלמיד"},
                        {lblNameTitle, txtName, "שם (משפחה, פרטי)"},
                        {Label2, txtTeacher, "מורה"}};
  for (const Qt::LayoutDirection d : {Qt::LeftToRight, Qt::RightToLeft}) {
    for (const bool translated : {false, true}) {
      const Direction direction(d);
      Form f(SignInLayout());
      const WindowBinding b(f, WindowBinding::Frame::Borderless);
      for (const Pair& p : pairs) {
        if (translated) f.setText(p.caption, p.hebrew);
        SCOPED_TRACE(f(p.caption).text + (d == Qt::RightToLeft ? " right to left" : ""));
        QWidget* caption = b.widget(p.caption);
        const QRect box = b.widget(p.box)->geometry();
        EXPECT_LE(caption->geometry().bottom(), box.top());
        const auto ink = InkColumns(*caption);
        ASSERT_TRUE(ink.has_value());
        // Starting where the box starts as the window reads: at its right edge right to left.
        if (d == Qt::RightToLeft) {
          EXPECT_LE(ink->second, box.right());
          EXPECT_GE(ink->second, box.right() - 3);
        } else {
          EXPECT_GE(ink->first, box.left());
          EXPECT_LE(ink->first, box.left() + 3);
        }
      }
    }
  }
}

// Left edges in the window, of the shown ones of `ids` in their order.
std::vector<int> ShownLefts(const testing::Program& p, const std::vector<ControlId>& ids) {
  std::vector<int> lefts;
  for (const ControlId& id : ids) {
    const QWidget* w = p.widget(id);
    if (w->isVisibleTo(w->window())) lefts.push_back(w->mapTo(w->window(), QPoint()).x());
  }
  return lefts;
}

bool Increasing(const std::vector<int>& v) {
  for (std::size_t i = 1; i < v.size(); ++i) {
    if (v[i - 1] >= v[i]) return false;
  }
  return true;
}

TEST(Mirror, TheProblemAndTheAnswerReadLeftToRightInARightToLeftWindow) {
  using namespace frmTovimel3;
  const Direction rtl(Qt::RightToLeft);
  testing::Program p;
  p.signIn("3", "4021", "Rivera, Ana", "Okafor");
  p.pressEnterOnSignIn();
  ASSERT_TRUE(p.practiceActive());
  p.chooseLevel(5);
  p.click(cmdStart);
  p.click(optAnswerForm[7]);  // every upper box, the sign and the root sign shown
  const FractionRows& problem = kFractionRows[0];
  struct Row {
    const char* what;
    std::vector<ControlId> parts;
    std::size_t least_shown;
  };
  const Row rows[] = {
      {"problem's upper row",
       {problem.upper.whole, problem.upper.plus, problem.upper.coefficient, problem.upper.sign,
        problem.upper.radicand},
       1},
      {"problem's lower row",
       {problem.lower.whole, problem.lower.plus, problem.lower.coefficient, problem.lower.sign,
        problem.lower.radicand},
       5},
      {"answer boxes", {txtAnswer[0], lblAdd[4], txtAnswer[1], imgRadical, txtAnswer[2]}, 5},
      {"answer forms' upper row",
       {optAnswerForm[0], Image7, optAnswerForm[1], Image8, optAnswerForm[2], Image9,
        optAnswerForm[3], Image10, optAnswerForm[4], Image11, optAnswerForm[5], Image12,
        optAnswerForm[6], Image13},
       14},
      {"answer forms' lower row",
       {optAnswerForm[7], Image6, optAnswerForm[9], Image14, optAnswerForm[11], Image4,
        optAnswerForm[13], Image15},
       8},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const auto lefts = ShownLefts(p, row.parts);
    EXPECT_GE(lefts.size(), row.least_shown);
    EXPECT_TRUE(Increasing(lefts));
  }
  // The frames themselves mirror: the problem stands right of the clock, the answer right of
  // the score.
  EXPECT_GT(p.widget(fraProb)->x(), p.widget(fraTimer)->x());
  EXPECT_GT(p.widget(fraAnswer)->x(), p.widget(lblRight)->x());
}

}  // namespace
}  // namespace tovimel
