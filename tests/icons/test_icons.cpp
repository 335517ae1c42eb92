// SPDX-License-Identifier: MIT
// The icons the desktop shows (PNGs the build renders from the SVG) and the one the windows
// carry (drawn by the program) are one design, and stay legible on dark panels and light ones.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <utility>

#include "desktop/widgets/pictures.h"
#include "tovimel/version.h"

namespace tovimel {
namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage Installed(int size) {
  const QString dir = qEnvironmentVariable("TOVIMEL_ICON_DIR");
  const QString id = QString::fromUtf8(kAppId.data(), kAppId.size());
  return QImage(QStringLiteral("%1/%2x%2/%3.png").arg(dir).arg(size).arg(id))
      .convertToFormat(QImage::Format_ARGB32);
}

QImage Window(int size) {
  return RadicalIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

int Luminance(QRgb p) {
  return (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114) / 1000;
}

// Of the icon's solid pixels: how many there are against the whole square, and what share of
// them is light (shows on a dark panel) and dark (shows on a light one).
struct Shares {
  double solid = 0, light = 0, dark = 0;
};

Shares Measure(const QImage& icon) {
  int solid = 0, light = 0, dark = 0;
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x) {
      const QRgb p = icon.pixel(x, y);
      if (qAlpha(p) < 250) continue;
      ++solid;
      if (Luminance(p) >= 200) ++light;
      if (Luminance(p) < 64) ++dark;
    }
  const double all = icon.width() * icon.height();
  return {solid / all, solid ? light / double(solid) : 0, solid ? dark / double(solid) : 0};
}

// Intersection over union of two masks of the same size.
template <class Test>
double Overlap(const QImage& a, const QImage& b, Test test) {
  int both = 0, either = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const bool in_a = test(a.pixel(x, y)), in_b = test(b.pixel(x, y));
      both += in_a && in_b;
      either += in_a || in_b;
    }
  return either ? both / double(either) : 0;
}

TEST(Icons, EachSizeIsALightPlateCarryingADarkRadical) {
  for (int size : kSizes) {
    for (const auto& [source, icon] :
         {std::pair{"installed", Installed(size)}, std::pair{"window", Window(size)}}) {
      ASSERT_EQ(icon.size(), QSize(size, size)) << source << " " << size;
      const Shares s = Measure(icon);
      EXPECT_GE(s.solid, 0.5) << source << " " << size;  // a plate, not a bare sign
      EXPECT_GE(s.light, 0.45) << source << " " << size;
      EXPECT_GE(s.dark, 0.1) << source << " " << size;
      EXPECT_LE(s.dark, 0.3) << source << " " << size;
    }
  }
}

TEST(Icons, TheWindowIconIsTheInstalledDesign) {
  for (int size : kSizes) {
    const QImage installed = Installed(size), window = Window(size);
    ASSERT_EQ(installed.size(), window.size()) << size;
    const double plate = Overlap(installed, window, [](QRgb p) { return qAlpha(p) >= 128; });
    const double ink =
        Overlap(installed, window, [](QRgb p) { return qAlpha(p) >= 128 && Luminance(p) < 128; });
    // The window icon snaps its edges to whole pixels, which moves them most at 24 px.
    EXPECT_GE(plate, 0.8) << size;
    EXPECT_GE(ink, 0.7) << size;
  }
}

}  // namespace
}  // namespace tovimel

int main(int argc, char** argv) {
  // QPixmap needs an application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
