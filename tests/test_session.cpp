// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/player.h"
#include "tests/program.h"
#include "windows/accessibility.h"
#include "windows/teacher_code.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

using testing::Diff;
using testing::Observe;
using testing::Program;
using testing::Snap;

const std::string kCode(kTeacherCode);

struct Started : Program {
  explicit Started(const std::string& period = "3") {
    signin.load();
    in().setText(frmSignIn::txtPeriod, period);
    in().setText(frmSignIn::txtID, "7");
    in().setText(frmSignIn::txtName, "Doe");
    in().setText(frmSignIn::txtTeacher, "Smith");
    in().click(frmSignIn::cmdOk);
  }
  void toState(MainState want) {
    if (want == MainState::Ready) return;
    main().click(cmdStart);
    for (int n = 1; want != MainState::ProblemOpen && n <= 20; ++n) {
      if (n > 1) main().click(cmdNew);
      testing::Answer(main(), true);
      if (want == MainState::ProblemSolved) break;
    }
  }
};

TEST(SessionLoad, PreparesTheWindowOnce) {
  Program p;
  p.session.load();
  const MainWindow& w = p.window();
  EXPECT_EQ(w.Primes, (std::array<std::int32_t, 4>{0, 2, 3, 5}));
  EXPECT_EQ(w.ProblemLimit, 20);
  EXPECT_EQ(w.AnswerBoxHome, (std::array<std::int32_t, 4>{195, 1845, 3510, 1845}));
  EXPECT_EQ(w.RadicalHome, 3000);
  EXPECT_EQ(w.BarHomeX1, 90);
  EXPECT_EQ(w.BarHomeX2, 4620);
  EXPECT_EQ(w.ClockSeconds + w.ClockMinutes, 0);
  EXPECT_EQ(p.main()(lblLevelShow).text, "Level 1");
  EXPECT_FALSE(p.main()(lblProb[1]).visible);
  EXPECT_FALSE(p.main()(timOverAll).enabled);
  ASSERT_EQ(p.random.seeds.size(), 1u);

  const auto before = Snap(p.main());
  p.session.load();
  EXPECT_EQ(Diff(before, Snap(p.main())), "");
  EXPECT_EQ(p.random.seeds.size(), 1u);
}

TEST(SessionLoad, TwoStartsInTheSameSecondSeedDifferently) {
  Program a, b;
  a.session.load();
  b.session.load();
  ASSERT_EQ(a.time.seconds, b.time.seconds);
  EXPECT_NE(a.random.seeds.at(0), b.random.seeds.at(0));
}

TEST(SessionKeyReveal, OnlyTheExactCodeShowsTheKey) {
  struct Case {
    std::string period;
    bool shows;
  };
  const Case cases[] = {{kCode, true},          {kCode + " ", false}, {" " + kCode, false},
                        {kCode + kCode, false}, {kCode + "1", false}, {"18", false}};
  for (const Case& c : cases) {
    Started p(c.period);  // the other fields make any period enough to sign in
    ASSERT_EQ(p.session.state(), MainState::Ready) << c.period;
    EXPECT_TRUE(p.main().click(lblPeriod));
    EXPECT_EQ(p.main()(fraKey).visible, c.shows) << "'" << c.period << "'";
  }
}

TEST(SessionGuards, EachStateRefusesWhatItDoesNotOffer) {
  struct Case {
    MainState state;
    std::vector<std::string> refused;
  };
  const Case cases[] = {
      {MainState::Ready, {"Next", "Submit", "Print", "Tick", "HiddenForm", "NoSuchForm"}},
      {MainState::ProblemOpen, {"Start", "Next", "Print", "Level", "HiddenForm", "NoSuchForm"}},
      {MainState::ProblemSolved, {"Start", "Submit", "Print", "Level", "HiddenForm", "NoSuchForm"}},
      {MainState::RunEnded,
       {"Start", "Next", "Submit", "Tick", "Level", "Form", "HiddenForm", "NoSuchForm"}},
  };
  for (const Case& c : cases) {
    for (const std::string& name : c.refused) {
      SCOPED_TRACE(name);
      Started p;
      p.toState(c.state);
      ASSERT_EQ(p.session.state(), c.state);
      const auto before = Observe(p);
      for (const auto& poke : testing::Pokes()) {
        if (name == poke.name) poke.run(p);
      }
      EXPECT_EQ(Diff(before.window, Observe(p).window), "");
      EXPECT_TRUE(before == Observe(p));
    }
  }
}

TEST(SessionGuards, SigningInRefusesEverything) {
  Program p;
  p.signin.load();
  p.in().setText(frmSignIn::txtPeriod, kCode);
  const auto before = Observe(p);
  for (const auto& poke : testing::Pokes()) poke.run(p);
  // The model lets the focus onto a disabled window; the option's handler must still refuse.
  p.main().focus(optAnswerForm[0]);
  auto after = Observe(p);
  after.window.focus = before.window.focus;
  EXPECT_EQ(Diff(before.window, after.window), "");
  EXPECT_TRUE(before == after);
  EXPECT_EQ(p.session.state(), MainState::SigningIn);
}

TEST(SessionExit, UnloadsTheWindowFromEveryStateAfterSignIn) {
  for (MainState state :
       {MainState::Ready, MainState::ProblemOpen, MainState::ProblemSolved, MainState::RunEnded}) {
    for (bool by_close : {false, true}) {
      Started p;
      p.toState(state);
      ASSERT_EQ(p.session.state(), state);
      if (by_close) {
        p.main().requestClose();
      } else {
        ASSERT_TRUE(p.main().click(cmdExit));
      }
      EXPECT_EQ(p.process.quits, 1);
      EXPECT_EQ(p.process.ended, 0);
      EXPECT_FALSE(p.main().window().props.visible);
      testing::ExpectNothingRuns(p);
    }
  }
}

// What became of a page, told on the results screen and to a screen reader, and a page that the
// printer or the disk did not take offered as a file until it is kept or the student cancels.
TEST(SessionPrint, TellsWhereThePageWentAndOffersAFileForAPageNotTaken) {
  using To = PageWent::To;
  const PageWent printed{To::Printer, "Room 12", ""}, held{To::Held, "Room 12", "Jammed"},
      refused{To::Refused, "Room 12", "Out of paper in tray 2."},
      saved{To::File, "/home/ana/Documents/Tovimel - Doe - 2026-12-09.pdf", ""},
      full{To::NotWritten, "/media/stick/Tovimel - Doe - 2026-12-09.pdf",
           "No space left on device"},
      cancelled{};
  const std::string kRefused = "The printer Room 12 did not take the page: Out of paper in tray 2.";
  const std::string kSaved =
      "The page was saved as /home/ana/Documents/Tovimel - Doe - 2026-12-09.pdf.";
  const std::string kFull =
      "The page could not be saved as /media/stick/Tovimel - Doe - 2026-12-09.pdf: No space left "
      "on device. Nothing of it was kept.";
  const struct {
    const char* what;
    std::vector<PageWent> outcomes;  // the print, then each save offered
    std::vector<std::string> whys;   // what each offer of a file told
    std::string said;                // on the screen and to the screen reader; empty: nothing
  } rows[] = {
      {"printed", {printed}, {}, "The page went to the printer Room 12."},
      {"stopped queue",
       {held},
       {},
       "The printer Room 12 is stopped: the page waits in its queue until someone starts the "
       "printer."},
      {"refused, saved", {refused, saved}, {kRefused}, kRefused + " " + kSaved},
      {"refused, cancelled", {refused, cancelled}, {kRefused}, kRefused},
      {"refused, disk full, saved elsewhere",
       {refused, full, full, saved},
       {kRefused, kFull, kFull},
       kRefused + " " + kSaved},
      {"refused, disk full, cancelled",
       {refused, full, cancelled},
       {kRefused, kFull},
       kRefused + " " + kFull},
      {"no printer, saved", {saved}, {}, kSaved},
      {"no printer, disk full, saved elsewhere", {full, saved}, {kFull}, kSaved},
      {"no printer, cancelled", {cancelled}, {}, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Started p;
    p.toState(MainState::RunEnded);
    p.printer.outcomes.assign(row.outcomes.begin(), row.outcomes.end());
    const int cues = p.main().cueCount();
    ASSERT_TRUE(p.main().click(cmdPrintIt));
    EXPECT_EQ(p.printer.pages.size(), 1u);
    EXPECT_EQ(p.printer.whys, row.whys);
    EXPECT_EQ(p.printer.saves.size(), row.whys.size());
    EXPECT_TRUE(p.printer.outcomes.empty());
    const Props& line = p.main()(lblPageWent);
    EXPECT_EQ(line.visible, !row.said.empty());
    EXPECT_EQ(line.visible ? line.text : "", row.said);
    // Said where the student is, once: the focus stays on "Print Results".
    EXPECT_TRUE(p.main().hasFocus(cmdPrintIt));
    EXPECT_EQ(p.main().cueCount(), cues + (row.said.empty() ? 0 : 1));
    if (!row.said.empty()) {
      EXPECT_EQ(CueSaid(p.main()), row.said);
      EXPECT_EQ(Speak(p.main(), p.main().control(cmdPrintIt)).description, row.said);
      EXPECT_EQ(Speak(p.main(), p.main().control(lblPageWent)).name, row.said);
    }
    // No page, the one offered as a file included, shows what became of an earlier one.
    p.printer.outcomes = {printed};
    ASSERT_TRUE(p.main().click(cmdPrintIt));
    ASSERT_EQ(p.printer.pages.size(), 2u);
    EXPECT_FALSE(testing::PropsIn(p.printer.pages[1], lblPageWent).visible);
    for (const auto& page : p.printer.saves) {
      EXPECT_FALSE(testing::PropsIn(page, lblPageWent).visible);
    }
  }
}

}  // namespace
}  // namespace tovimel
