// SPDX-License-Identifier: MIT
// What a screen reader is told, computed from the model alone.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/program.h"
#include "windows/accessibility.h"
#include "windows/layouts.h"
#include "windows/translate.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using Window = testing::LoadedWindow<testing::ReplayRandom>;

// The problem reads as one text, in the shape its level shows, in the name of its frame.
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
    EXPECT_EQ(ReadFraction(t.f, fraProb), heard[level - 1]);
    EXPECT_EQ(Speak(t.f, t.f.control(fraProb)).name, std::string("Simplify ") + heard[level - 1]);
  }
}

// Through a translator, each pattern is translated whole before its places are filled (the
// numbers and the inner phrases are not translated again), and design captions are translated
// while the student's data and numbers are not; without one, English.
TEST(Spoken, PatternsAreTranslatedWholeBeforeTheirPlacesAreFilled) {
  struct Hook {
    explicit Hook(Translator t) { SetTranslator(t); }
    ~Hook() { SetTranslator(nullptr); }
    Hook(const Hook&) = delete;
    Hook& operator=(const Hook&) = delete;
  };
  Window t(5);
  t.session.start();
  const char* const numbers[] = {"7", "1350", "450", "9", "150", "90"};
  for (int i = 0; i < 6; ++i) t.f.setText(lblProb[i], numbers[i]);
  t.f.setText(lblName, "Total, Ana");
  {
    // A counted pattern gets its count, which fills its %n as Qt's translate does.
    const Hook upper([](const char* context, const char* source, int n) {
      std::string text = source;
      if (const auto at = text.find("%n"); n >= 0 && at != std::string::npos) {
        text.replace(at, 2, std::to_string(n));
      }
      return std::string(context) + "[" + text + "]";
    });
    EXPECT_EQ(Speak(t.f, t.f.control(fraProb)).name,
              "Speech[Simplify Speech[1350 over Speech[the quantity Speech[9 plus Speech[150 root "
              "90]]]]]");
    EXPECT_EQ(Speak(t.f, t.f.control(Label2)).name, "");  // told within lblWrong's name
    EXPECT_EQ(Speak(t.f, t.f.control(lblWrong)).name, "Speech[Total 0]");
    EXPECT_EQ(Speak(t.f, t.f.control(cmdStart)).name, "Caption[Start]");
    EXPECT_EQ(Speak(t.f, t.f.control(lblName)).name, "Speech[Name Total, Ana]");
    EXPECT_EQ(ShownText(t.f.control(lblLevelShow)), "Caption[Level 5]");
    EXPECT_EQ(ShownText(t.f.control(lblName)), "Total, Ana");
    EXPECT_EQ(ShownText(t.f.control(lblRight)), "0");
    EXPECT_EQ(t.f(lblLevelShow).text, "Level 5");
  }
  EXPECT_EQ(Speak(t.f, t.f.control(fraProb)).name,
            "Simplify 1350 over the quantity 9 plus 150 root 90");
  EXPECT_EQ(ShownText(t.f.window()), t.f.window().props.text);
}

// The key says nothing until a teacher reveals it, and then only as its frame's one text, read
// as the value it stands for.
TEST(Spoken, TheKeySaysNothingUntilItIsShownThenItsValue) {
  Window t(4);
  t.session.start();
  EXPECT_EQ(Speak(t.f, t.f.control(fraKey)), Spoken{});
  t.f.setText(lblPeriod, "*");
  t.session.keyReveal();
  const struct {
    const char* key[6];
    const char* heard;
  } rows[] = {
      {{"0", "105", "1", "0", "1", "1"}, "105"},
      {{"5", "-1", "5", "0", "1", "1"}, "5 minus root 5"},
      {{"0", "3", "2", "0", "5", "1"}, "3 root 2 over 5"},
      {{"0", "-1", "7", "0", "3", "1"}, "minus root 7 over 3"},
      {{"0", "1", "1", "0", "7", "1"}, "1 over 7"},
      {{"-2", "3", "5", "0", "41", "1"}, "the quantity -2 plus 3 root 5, over 41"},
      {{"4", "-2", "3", "0", "1", "1"}, "4 minus 2 root 3"},
  };
  for (const auto& r : rows) {
    for (int i = 0; i < 6; ++i) t.f.setText(lblProb[6 + i], r.key[i]);
    EXPECT_EQ(Speak(t.f, t.f.control(fraKey)).name, std::string("Key ") + r.heard);
  }
  EXPECT_FALSE(Exposed(t.f, t.f.control(lblProb[7])));  // read by its frame, never alone
  t.f.setVisible(t.f.self(), false);
  EXPECT_EQ(Speak(t.f, t.f.control(fraKey)), Spoken{});
}

// What the focus says with the news in its description. Announced instead, the same news goes
// out alone and the description keeps only the box's mark.
std::string Said(const Form& f) {
  const Control& c = *f.focused();
  const std::string in_description = Speak(f, c).description;
  const std::string news = f.cue() != Cue::None ? CueSaid(f) : ArrivalSaid(f, c);
  const std::string mark = Speak(f, c, News::Announced).description;
  EXPECT_TRUE(mark.empty() || mark == "right" || mark == "wrong") << mark;
  EXPECT_EQ(news.empty() ? mark : news, in_description);
  return in_description;
}

// Types the key's parts into the boxes of "a root b" (level 1) and submits.
void AnswerLevel1(Window& t, bool right) {
  t.f.setText(txtAnswer[1], t.f(lblProb[7]).text + (right ? "" : "1"));
  t.f.setText(txtAnswer[2], t.f(lblProb[8]).text);
  t.f.focus(txtAnswer[2]);
  t.session.submit();
}

// What the focus says after each step of a run, and the values the labels carry in their names.
TEST(Spoken, EachEventIsToldWithTheFocusItLeaves) {
  Window t(1);
  t.f.focus(txtAnswer[1]);
  EXPECT_EQ(Said(t.f), "No problem yet. Start is Shift+Tab away: press Enter on it.");
  t.session.start();
  const std::string problem = "root " + t.f(lblProb[2]).text;
  EXPECT_EQ(t.f.focused()->key(), "txtAnswer(1)");
  EXPECT_EQ(Said(t.f), "Problem 1 of 20: " + problem + ". Answer form a root b.");
  t.session.sayProblem();
  EXPECT_EQ(Said(t.f), "Simplify " + problem + ". Answer form a root b.");
  AnswerLevel1(t, false);
  EXPECT_EQ(t.f.focused()->key(), "txtAnswer(1)");
  EXPECT_EQ(Said(t.f), "Wrong: coefficient. Now the answer form a root b over c.");
  AnswerLevel1(t, false);  // the form stays: its empty denominator is wrong too
  EXPECT_EQ(Said(t.f), "Wrong: coefficient, denominator.");
  t.f.focus(txtAnswer[3]);
  t.f.setCue(Cue::None);  // as the student's Tab does
  EXPECT_EQ(Said(t.f), "wrong");
  t.f.click(optAnswerForm[3]);
  EXPECT_EQ(Said(t.f), "Answer form a root b.");
  AnswerLevel1(t, true);
  EXPECT_EQ(t.f.focused()->key(), "cmdNew");
  EXPECT_EQ(Said(t.f), "Right. 1 right of 3, grade 33%.");
  const std::pair<ControlName, const char*> names[] = {{lblRight, "Right 1"},
                                                       {lblWrong, "Total 3"},
                                                       {lblPercent, "Grade 33%"},
                                                       {lblProbCount, "Problem 1"},
                                                       {clock, "Time 00:00"}};
  for (const auto& [label, name] : names) EXPECT_EQ(Speak(t.f, t.f.control(label)).name, name);
  for (int n = 2; n <= 20; ++n) {
    t.session.next();
    t.f.click(optAnswerForm[3]);
    AnswerLevel1(t, true);
  }
  EXPECT_EQ(t.f.focused()->key(), "cmdPrintIt");
  EXPECT_EQ(Said(t.f), "Right. Run over: 20 right of 22, grade 90%, time 00:00.");
}

// A box the retry form adds was hidden when the answer was graded: it speaks no verdict until
// the next "&Submit", whatever colour the grading left on it; the boxes the student answered in
// keep theirs.
TEST(Spoken, ABoxTheRetryFormAddsIsUngraded) {
  for (const News news : {News::InDescription, News::Announced}) {
    SCOPED_TRACE(static_cast<int>(news));
    Window t(1);
    t.session.start();
    AnswerLevel1(t, false);
    ASSERT_TRUE(t.f(txtAnswer[3]).visible);
    t.f.focus(txtAnswer[3]);
    t.f.setCue(Cue::None);  // as the student's Tab does
    EXPECT_EQ(t.f(txtAnswer[3]).text, "");
    EXPECT_EQ(Speak(t.f, t.f.control(txtAnswer[3]), news), (Spoken{"denominator", ""}));
    EXPECT_EQ(Speak(t.f, t.f.control(txtAnswer[1]), news), (Spoken{"coefficient", "wrong"}));
    EXPECT_EQ(Speak(t.f, t.f.control(txtAnswer[2]), news), (Spoken{"radicand", "right"}));
    // Graded while shown, it has its own mark.
    AnswerLevel1(t, false);
    EXPECT_EQ(Speak(t.f, t.f.control(txtAnswer[3]), news).description, "wrong");
    // A new problem leaves every box ungraded.
    t.f.click(optAnswerForm[3]);
    AnswerLevel1(t, true);
    t.session.next();
    for (int k = 0; k < txtAnswer.count; ++k) {
      EXPECT_EQ(Speak(t.f, t.f.control(txtAnswer[k]), News::Announced).description, "") << k;
    }
  }
}

// The level reads "Level 3"; the sign only while it shows one, with its value; a hidden or blank
// control is never heard.
TEST(Spoken, LevelSignAndWhatShowsNothing) {
  Window t(5);
  EXPECT_EQ(Speak(t.f, t.f.control(vsbLevel)).name, "Level 5");
  EXPECT_EQ(Speak(t.f, t.f.control(lblAdd[4])).name, "sign plus");
  t.f.click(optAnswerForm[8]);
  EXPECT_EQ(Speak(t.f, t.f.control(lblAdd[4])).name, "sign minus");
  Window one(1);
  EXPECT_FALSE(Heard(one.f, one.f.control(lblAdd[4])));
  EXPECT_FALSE(Heard(one.f, one.f.control(imgRadical)));
  EXPECT_EQ(Speak(one.f, one.f.control(txtAnswer[3])), Spoken{});  // hidden at level 1
}

// Flat review reads every shown control by its name: no name twice, at any level, before and
// during a run.
TEST(Spoken, NoNameIsHeardTwice) {
  for (int level = 1; level <= 5; ++level) {
    SCOPED_TRACE(level);
    Window t(level);
    for (int step = 0; step < 2; ++step) {
      std::map<std::string, std::string> seen;
      for (const Control& c : t.f.controls()) {
        const std::string name = Speak(t.f, c).name;
        if (name.empty()) continue;
        EXPECT_TRUE(seen.emplace(name, c.key()).second)
            << name << ": " << c.key() << " and " << seen[name];
      }
      t.session.start();
    }
  }
}

// The period label is reached by the keyboard only while it can reveal the key, and its click
// there reveals it and says the key's value.
TEST(Keys, ThePeriodLabelRevealsTheKeyFromTheKeyboard) {
  Window t(1);
  const Control& period = t.f.control(lblPeriod);
  EXPECT_FALSE(TakesKeyboardFocus(t.f, period));
  t.f.setText(lblPeriod, "*");
  EXPECT_TRUE(TakesKeyboardFocus(t.f, period));
  EXPECT_EQ(Speak(t.f, period).description, "Enter shows the answer key.");
  ASSERT_TRUE(t.f.focus(lblPeriod));
  EXPECT_FALSE(EnterIsOwn(period));  // Enter and Space click it, as a button's
  EXPECT_TRUE(t.f.click(lblPeriod));
  EXPECT_TRUE(t.f(fraKey).visible);
  EXPECT_FALSE(TakesKeyboardFocus(t.f, period));
  EXPECT_EQ(Said(t.f).rfind("Answer key: ", 0), 0u);
}

TEST(Keys, EnterEscapeAndPicturesPressTheirControls) {
  Window t;
  Form sign_in(SignInLayout());
  t.session.start();
  // Enter never submits an answer whose shown boxes are all empty (a doubled Enter).
  EXPECT_FALSE(EnterPresses(t.f, t.f.control(txtAnswer[2])));
  t.f.setText(txtAnswer[2], " ");
  EXPECT_FALSE(EnterPresses(t.f, t.f.control(txtAnswer[2])));
  t.f.setText(txtAnswer[1], "0");
  EXPECT_EQ(EnterPresses(t.f, t.f.control(txtAnswer[2]))->key(), "cmdSubmit");
  EXPECT_TRUE(EnterIsOwn(t.f.control(txtAnswer[0])));
  EXPECT_FALSE(EnterIsOwn(t.f.control(cmdStart)));
  EXPECT_FALSE(EnterPresses(t.f, t.f.control(cmdStart)));
  EXPECT_TRUE(GuardsDoubledEnter(t.f.control(cmdPrintIt)));
  EXPECT_FALSE(GuardsDoubledEnter(t.f.control(cmdNew)));
  EXPECT_EQ(EscapePresses(sign_in)->key(), "cmdExit");
  EXPECT_FALSE(EscapePresses(t.f));
  EXPECT_EQ(SayAgainPresses(t.f)->key(), "fraProb");
  EXPECT_FALSE(SayAgainPresses(sign_in));
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
