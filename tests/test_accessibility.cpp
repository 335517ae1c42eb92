// SPDX-License-Identifier: MIT
// What a screen reader is told, computed from the model alone.
#include <gtest/gtest.h>

#include <string>

#include "tests/program.h"
#include "ui/accessibility.h"
#include "ui/layouts.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using Window = testing::LoadedWindow<testing::ReplayRandom>;

std::string Description(const Form& f, ControlId id) {
  return Speak(f, f.control(id)).description;
}

// The problem reads as one text, in the shape its level shows.
TEST(Spoken, TheProblemReadsAsOneTextAtEveryLevel) {
  const char* const heard[] = {"root 450", "1350 root 450", "1350 root 450 over 150",
                               "1350 root 450 over 150 root 90",
                               "1350 over the quantity 9 plus 150 root 90"};
  for (int level = 1; level <= 5; ++level) {
    SCOPED_TRACE(level);
    Window t(level);
    t.session.start();
    const char* const numbers[] = {"7", "1350", "450", "9", "150", "90"};
    for (int i = 0; i < 6; ++i) t.f.setText(lblProb[i], numbers[i]);
    EXPECT_EQ(Description(t.f, fraProb), heard[level - 1]);
    EXPECT_EQ(Speak(t.f, t.f.control(fraProb)).name, "Simplify");
  }
}

// The key says nothing until a teacher reveals it, and then only as its frame's one text.
TEST(Spoken, TheKeySaysNothingUntilItIsShown) {
  Window t(4);
  t.session.start();
  EXPECT_EQ(Speak(t.f, t.f.control(fraKey)), Spoken{});
  t.f.setText(lblPeriod, "*");
  t.session.keyReveal();
  const char* const key[] = {"0", "3", "2", "0", "5", "1"};
  for (int i = 0; i < 6; ++i) t.f.setText(lblProb[6 + i], key[i]);
  EXPECT_EQ(Description(t.f, fraKey),
            "the quantity 0 plus 3 root 2, over the quantity 0 plus 5 root 1");
  EXPECT_FALSE(Exposed(t.f, t.f.control(lblProb[7])));  // read by its frame, never alone
  t.f.setVisible(t.f.self(), false);
  EXPECT_EQ(Speak(t.f, t.f.control(fraKey)), Spoken{});
}

TEST(Keys, EnterEscapeAndPicturesPressTheirControls) {
  Window t;
  Form sign_in(SignInLayout());
  EXPECT_EQ(EnterPresses(t.f.control(txtAnswer[2]))->key(), "cmdSubmit");
  EXPECT_FALSE(EnterPresses(t.f.control(cmdStart)));
  EXPECT_EQ(EscapePresses(sign_in)->key(), "cmdExit");
  EXPECT_FALSE(EscapePresses(t.f));
  const struct {
    ControlName picture;
    int y;  // twips from the picture's top
    int form;
  } rows[] = {{Image7, 0, 0},   {Image13, 600, 6}, {Image6, 100, 7},
              {Image6, 700, 8}, {Image15, 0, 13},  {Image15, 580, 14}};
  for (const auto& r : rows) {
    EXPECT_EQ(PictureSelects(t.f, t.f.control(r.picture), r.y)->index, r.form) << r.picture.name;
  }
  EXPECT_FALSE(PictureSelects(t.f, t.f.control(imgRadical), 0));
}

}  // namespace
}  // namespace tovimel
