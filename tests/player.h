// SPDX-License-Identifier: MIT
// A scripted student: reads the key, picks an answer form that can express it and types it,
// right or deliberately off, through the main window's controls only.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/numbers.h"
#include "tests/program.h"
#include "windows/text.h"

namespace tovimel {

inline void PrintTo(MainState state, std::ostream* os) {
  constexpr const char* kNames[] = {"SigningIn", "Ready", "ProblemOpen", "ProblemSolved",
                                    "RunEnded"};
  *os << kNames[static_cast<int>(state)];
}

}  // namespace tovimel

namespace tovimel::testing {

using namespace frmTovimel3;

using Key = std::array<std::int64_t, 6>;  // K1..K6

inline Key ReadKey(const Form& f) {
  Key key{};
  for (int i = 0; i < 6; ++i)
    key[i] = static_cast<std::int64_t>(ReadNumber(f(lblProb[6 + i]).text));
  return key;
}

// The key parts a box is graded against: box 0 K1, box 1 K2, box 2 K3, box 3 K5.
inline std::int64_t Expected(const Key& key, int box) {
  constexpr std::array<int, 4> kPart{0, 1, 2, 4};
  return key[kPart[box]];
}

inline std::string Sign(const Form& f) {
  return std::string(Trim(f(lblAdd[4]).text));
}

// Whether the selected form can carry this key: what it hides already holds the right value,
// and its sign can give the coefficient's sign.
inline bool Fits(const Form& f, const Key& key) {
  const std::string sign = Sign(f);
  for (int box = 0; box < 4; ++box) {
    const Props& p = f(txtAnswer[box]);
    if (p.visible) continue;
    const std::string text = box == 1 ? sign + std::string(Trim(p.text)) : p.text;
    if (ReadNumber(text) != static_cast<double>(Expected(key, box))) return false;
  }
  if (!f(txtAnswer[1]).visible) return true;
  if (sign == "+") return key[1] > 0;
  if (sign == "-") return key[1] < 0;
  return true;
}

// Keeps the form the program chose when it fits; otherwise clicks through the offered forms.
inline void ChooseForm(Form& f, const Key& key) {
  if (Fits(f, key)) return;
  for (int i = 0; i < 15; ++i) {
    if (!f.click(optAnswerForm[i])) continue;
    if (Fits(f, key)) return;
  }
  ADD_FAILURE() << "no offered answer form fits the key";
}

// Types the key into the visible boxes; `off` puts a wrong number into the first of them.
inline void TypeKey(Form& f, const Key& key, bool off) {
  const std::string sign = Sign(f);
  bool spoiled = false;
  for (int box = 0; box < 4; ++box) {
    if (!f(txtAnswer[box]).visible) continue;
    std::int64_t value = Expected(key, box);
    if (box == 1 && !sign.empty() && value < 0) value = -value;  // the sign label carries it
    if (off && !spoiled) {
      value += 1;
      spoiled = true;
    }
    f.setText(txtAnswer[box], NumberText(value));
  }
  ASSERT_TRUE(!off || spoiled);
}

// The main window's controls as the state table has them.
inline void ExpectState(Session& s, MainState want, const std::string& where) {
  SCOPED_TRACE(where);
  const Form& f = s.form();
  const bool signing = want == MainState::SigningIn;
  const bool before = signing || want == MainState::Ready;
  const bool open = want == MainState::ProblemOpen;
  const bool solved = want == MainState::ProblemSolved;
  const bool ended = want == MainState::RunEnded;
  EXPECT_EQ(s.state(), want);
  EXPECT_EQ(f.window().props.enabled, !signing);
  EXPECT_TRUE(f.window().props.visible);
  EXPECT_TRUE(f(cmdStart).visible);
  EXPECT_EQ(f(cmdStart).enabled, before);
  EXPECT_EQ(f(cmdSubmit).visible, !ended);
  EXPECT_EQ(f(cmdNew).visible, !ended);
  if (!ended) {  // at the end they are only hidden: Next stays enabled from the last answer
    EXPECT_EQ(f(cmdSubmit).enabled, open);
    EXPECT_EQ(f(cmdNew).enabled, solved);
  }
  if (solved) {
    EXPECT_TRUE(f.hasFocus(cmdNew));
  }
  EXPECT_EQ(f(cmdPrintIt).visible, ended);
  EXPECT_EQ(f(cmdPrintIt).enabled, ended);
  EXPECT_TRUE(f(cmdExit).visible);
  EXPECT_TRUE(f(cmdExit).enabled);
  EXPECT_EQ(f(fraLevel).visible, before);
  EXPECT_EQ(f(timOverAll).enabled, open || solved);
  EXPECT_EQ(f(lblTitle).visible, ended);
  EXPECT_EQ(f(fraProb).visible, !ended);
  EXPECT_EQ(f(fraAnswer).visible, !ended);
  EXPECT_EQ(f.window().props.back, ended ? std::optional<Rgb>(kWhite) : std::nullopt);
}

inline void Answer(Form& f, bool right) {
  const Key key = ReadKey(f);
  ChooseForm(f, key);
  TypeKey(f, key, !right);
  ASSERT_TRUE(f.click(cmdSubmit));
}

// Everything a handler could change: the main window, the session's counters, the services.
struct World {
  Snapshot window;
  std::int32_t right, total;
  std::int16_t seconds, minutes;
  int quits, ended;
  std::size_t pages;
  bool operator==(const World&) const = default;
};

inline World Observe(Program& p) {
  const MainWindow& w = p.window();
  return {Snap(p.main()), w.RightCount,    w.TotalCount,    w.ClockSeconds,
          w.ClockMinutes, p.process.quits, p.process.ended, p.printer.pages.size()};
}

// Each main-window operation, through the window and called directly.
struct Poke {
  const char* name;
  std::function<void(Program&)> run;
};

inline const std::vector<Poke>& Pokes() {
  static const std::vector<Poke> pokes{
      {"Start",
       [](Program& p) {
         p.main().click(cmdStart);
         p.session.start();
       }},
      {"Next",
       [](Program& p) {
         p.main().click(cmdNew);
         p.session.next();
       }},
      {"Submit",
       [](Program& p) {
         p.main().click(cmdSubmit);
         p.session.submit();
       }},
      {"Print",
       [](Program& p) {
         p.main().click(cmdPrintIt);
         p.session.print();
       }},
      {"Exit",
       [](Program& p) {
         p.main().click(cmdExit);
         p.session.exit();
       }},
      {"Close", [](Program& p) { p.main().requestClose(); }},
      {"Tick",
       [](Program& p) {
         p.main().tick(timOverAll);
         p.session.tick();
       }},
      {"Level",
       [](Program& p) {
         p.main().setValue(vsbLevel, 5);
         p.session.levelChange();
       }},
      {"Reveal",
       [](Program& p) {
         p.main().click(lblPeriod);
         p.session.keyReveal();
       }},
      {"Form",
       [](Program& p) {
         p.main().click(optAnswerForm[0]);
         p.session.answerForm(0);
       }},
      {"HiddenForm", [](Program& p) { p.session.answerForm(8); }},
      {"NoSuchForm",
       [](Program& p) {
         p.session.answerForm(15);
         p.session.answerForm(-1);
       }},
  };
  return pokes;
}

// Once the program has ended, or the main window is gone, no handler of either window may run.
// The setters themselves still change their own control (a text, the scroll bar, the focus),
// so those are left out of the comparison, and it is checked that no handler followed them.
inline void ExpectNothingRuns(Program& p) {
  World before = Observe(p);
  const Snapshot in_before = Snap(p.in());
  const int date_reads = p.time.date_reads;
  for (const Poke& poke : Pokes()) poke.run(p);
  p.in().setText(frmSignIn::txtID, "99");
  p.in().click(frmSignIn::cmdOk);
  p.in().tick(frmSignIn::Timer1);
  p.in().requestClose();
  p.signin.ok();
  p.signin.flash();
  p.signin.exit();
  p.main().focus(optAnswerForm[2]);
  p.main().setText(txtAnswer[1], "5");
  p.main().focus(txtAnswer[1]);
  EXPECT_EQ(p.main()(txtAnswer[1]).sel_length, 0);  // its focus handler did not run

  World after = Observe(p);
  for (World* w : {&before, &after}) {
    w->window = Without(Without(w->window, vsbLevel), txtAnswer[1]);
    w->window.focus.clear();
  }
  EXPECT_EQ(Diff(before.window, after.window), "");
  EXPECT_TRUE(before == after);
  EXPECT_EQ(Diff(Without(in_before, frmSignIn::txtID), Without(Snap(p.in()), frmSignIn::txtID)),
            "");
  EXPECT_EQ(p.time.date_reads, date_reads);
}

}  // namespace tovimel::testing
