// SPDX-License-Identifier: MIT
// Text and pictures against their backgrounds, measured on the windows' pixels under a light and
// a dark desktop palette.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>

#include "desktop/widgets/colours.h"
#include "desktop/widgets/pictures.h"
#include "desktop/widgets/widgets.h"
#include "tests/qt/palettes.h"
#include "tests/qt/program.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

// Enough for body text (WCAG 2, level AA).
constexpr double kReadable = 4.5;

// The contrast in an area between its background, the colour most of it has, and the pixel
// that stands out from that the most: the core of the text's strokes.
double MeasuredContrast(const QImage& image, const QRect& area) {
  std::map<QRgb, int> count;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++count[image.pixel(x, y)];
  }
  const auto back = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                    })->first;
  double most = 1;
  for (const auto& entry : count) most = std::max(most, ContrastRatio(back, entry.first));
  return most;
}

// The ratio the windows' colours are chosen by is WCAG's, at every 8-bit level of every channel.
TEST(ContrastRatio, FollowsTheWcagFormulaAtEveryLevel) {
  const auto linear = [](int level) {
    const double c = level / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const double weights[] = {0.2126, 0.7152, 0.0722};
  for (int channel = 0; channel < 3; ++channel) {
    for (int level = 0; level < 256; ++level) {
      const QColor colour(channel == 0 ? level : 0, channel == 1 ? level : 0,
                          channel == 2 ? level : 0);
      const double want = (weights[channel] * linear(level) + 0.05) / 0.05;
      EXPECT_NEAR(ContrastRatio(colour, Qt::black), want, 1e-12) << channel << " " << level;
    }
  }
  EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-12);
}

// Every control of a window that shows something to read: a label's or a box's text inside its
// edge, an enabled button's caption (disabled ones are exempt), a frame's caption, a picture or
// a line on its background.
std::string Unreadable(const WindowBinding& b, const char* state) {
  const QImage shot = b.window()->grab().toImage();
  std::string faults;
  for (const Control& c : b.form().controls()) {
    QWidget* w = c.kind == Kind::Timer || c.kind == Kind::Window ? nullptr : b.widget(c.id());
    if (!w || !w->isVisibleTo(b.window())) continue;
    const bool text = c.props.text.find_first_not_of(' ') != std::string::npos;
    QRect area;
    if (c.kind == Kind::Label && text) {
      area = qobject_cast<const QLabel*>(w)->contentsRect();
    } else if ((c.kind == Kind::TextBox && text) || (c.kind == Kind::Button && w->isEnabled())) {
      area = w->rect().adjusted(3, 3, -3, -3);
    } else if (c.kind == Kind::Frame && c.look.border && text) {
      const QFontMetrics metrics(w->font());
      area = {8, 0, metrics.horizontalAdvance(QString::fromStdString(c.props.text)) + 4,
              metrics.height()};
    }
    double contrast = kReadable;
    if (c.kind == Kind::Image || c.kind == Kind::Line) {
      // Alone on its background: a radicand or an answer box stands in a sign's box.
      contrast = MeasuredContrast(w->grab().toImage(), w->rect());
    } else if (!area.isEmpty()) {
      contrast =
          MeasuredContrast(shot, area.translated(w->mapTo(b.window(), QPoint())) & shot.rect());
    }
    if (contrast < kReadable) faults += c.key() + " (" + state + ") ";
  }
  return faults;
}

// Both windows through a run: the sign-in over the practice window, a wrong answer marked with
// the key shown, the end of the run on white; and the window icon on the palette's window.
TEST(Contrast, EveryTextAndPictureReadsUnderALightAndADarkPalette) {
  const QPalette light = QApplication::style()->standardPalette();
  for (const QPalette& palette : {light, testing::DarkPalette()}) {
    const testing::ApplicationPalette applied(palette);
    SCOPED_TRACE(palette == light ? "light palette" : "dark palette");
    testing::Program p;
    p.signIn("3", "20231234", "Nguyen-Villanueva, Maximiliano", "Ms. Abernathy");
    EXPECT_EQ(Unreadable(p.start, "signing in") + Unreadable(p.main, "behind the sign-in"), "");
    p.pressEnterOnSignIn();
    ASSERT_TRUE(p.practiceActive());
    p.chooseLevel(5);
    p.click(cmdStart);
    p.answer(false);
    p.submit();
    p.form().setVisible(fraKey, true);
    EXPECT_EQ(Unreadable(p.main, "a wrong answer"), "");
    shutdown(p.session.window());
    EXPECT_EQ(Unreadable(p.main, "the end of the run"), "");

    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(palette.color(QPalette::Window));
    QPainter painter(&icon);
    RadicalIcon().paint(&painter, icon.rect());
    painter.end();
    EXPECT_GE(MeasuredContrast(icon, icon.rect()), kReadable);
  }
}

}  // namespace
}  // namespace tovimel
