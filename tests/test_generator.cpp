// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "engine/generator.h"
#include "engine/levels.h"
#include "engine/main_window.h"
#include "engine/numbers.h"
#include "session/new_problem.h"
#include "tests/problem_space.h"

namespace tovimel {

using namespace frmTovimel3;
namespace {

__extension__ typedef __int128 Wide;

using Key = std::array<std::int64_t, 6>;

struct Window : testing::LoadedWindow<testing::ScriptedRandom> {
  using LoadedWindow::LoadedWindow;
  std::int64_t shown(int i) const {
    return static_cast<std::int64_t>(ReadNumber(w.form(lblProb[i]).text));
  }
  Key key() const {
    Key k{};
    for (int i = 0; i < 6; ++i) k[i] = shown(6 + i);
    return k;
  }
};

std::int64_t Power(int base, int e) {
  std::int64_t p = 1;
  while (e-- > 0) p *= base;
  return p;
}

std::int64_t Gcd(std::int64_t a, std::int64_t b) {
  a = a < 0 ? -a : a;
  b = b < 0 ? -b : b;
  while (b != 0) {
    const auto t = a % b;
    a = b;
    b = t;
  }
  return a;
}

bool Squarefree(std::int64_t n) {
  return n % 4 != 0 && n % 9 != 0 && n % 25 != 0;
}

// Each level's draws in the order they are made: a position and the ranges of the exponents of
// 2, 3 and 5 there. Written out here, apart from the level table the generator reads.
struct Draws {
  int position;
  std::array<std::pair<int, int>, 3> ranges;
};
const std::vector<Draws> kDraws[] = {
    {},
    {{3, {{{1, 4}, {1, 3}, {0, 2}}}}},
    {{2, {{{1, 2}, {0, 0}, {0, 0}}}}, {3, {{{1, 3}, {1, 3}, {0, 2}}}}},
    {{2, {{{1, 2}, {1, 2}, {1, 2}}}},
     {3, {{{1, 2}, {1, 2}, {1, 2}}}},
     {5, {{{1, 3}, {1, 2}, {1, 2}}}}},
    {{2, {{{1, 3}, {1, 3}, {1, 3}}}},
     {3, {{{1, 3}, {1, 3}, {1, 3}}}},
     {5, {{{1, 2}, {1, 2}, {1, 2}}}},
     {6, {{{1, 2}, {1, 2}, {1, 2}}}}},
    {{4, {{{0, 1}, {0, 1}, {0, 1}}}},
     {5, {{{0, 1}, {0, 1}, {0, 1}}}},
     {6, {{{0, 1}, {0, 1}, {0, 1}}}}},
};

// Every combination of exponents a level can draw, flattened in draw order.
std::vector<std::vector<int>> EveryDraw(int level) {
  std::vector<ExponentRange> ranges;
  for (const Draws& d : kDraws[level]) {
    for (const auto& [lo, hi] : d.ranges) ranges.push_back({lo, hi});
  }
  return testing::EveryCombination(ranges);
}

// Queues the draws of `drawn` (flattened in draw order) and returns the problem numbers N1..N6
// the test expects from them, after the level-5 fix-ups.
std::array<std::int64_t, 7> Script(testing::ScriptedRandom& random, int level,
                                   const std::vector<int>& drawn) {
  std::array<std::array<int, 3>, 7> e{};
  std::size_t at = 0;
  for (const Draws& d : kDraws[level]) {
    for (std::size_t j = 0; j < 3; ++j) {
      random.willDraw(drawn[at], d.ranges[j].first, d.ranges[j].second);
      e[d.position][j] = drawn[at++];
    }
  }
  if (level == 5) {
    if (e[5] == std::array<int, 3>{}) e[5][1] = 1;
    if (e[6] == std::array<int, 3>{}) e[6][0] = 1;
  }
  std::array<std::int64_t, 7> n{};
  for (int i = 1; i <= 6; ++i) n[i] = Power(2, e[i][0]) * Power(3, e[i][1]) * Power(5, e[i][2]);
  return n;
}

// The generator alone, without a window: the problem and its key, K1..K6.
struct Made {
  std::array<std::int64_t, 7> n;  // N1..N6 as expected
  Problem problem;
  Key key() const {
    Key k{};
    for (std::size_t i = 0; i < 6; ++i) k[i] = problem.key[i + 1];
    return k;
  }
};
Made Generate(int level, const std::vector<int>& drawn) {
  testing::ScriptedRandom random;
  Made made;
  made.n = Script(random, level, drawn);
  made.problem = tovimel::MakeProblem(*FindLevel(level), random);
  EXPECT_TRUE(random.values.empty()) << "the generator made a different number of draws";
  return made;
}

// The same through "&Next" on a loaded window.
void MakeProblem(Window& t, int level, const std::vector<int>& drawn) {
  Script(t.random, level, drawn);
  cmdNew_Click(t.w);
  EXPECT_TRUE(t.random.values.empty()) << "the generator made a different number of draws";
}

TEST(Generator, WorkedResults) {
  struct Case {
    int level;
    std::vector<int> drawn;
    Key want;
  };
  const Case cases[] = {
      {1, {3, 1, 0}, {0, 2, 6, 0, 1, 1}},
      {4, {1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1}, {0, 1, 2, 0, 1, 1}},
      {5, {1, 0, 0, 0, 1, 0, 0, 0, 1}, {-2, 3, 5, 0, 41, 1}},
      {5, {1, 1, 1, 1, 0, 0, 0, 1, 0}, {15, -1, 3, 0, 444, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Generate(c.level, c.drawn).key(), c.want) << "level " << c.level;
  }
  Window t(5);
  MakeProblem(t, 5, {1, 0, 0, 0, 1, 0, 0, 0, 1});
  EXPECT_EQ(t.w.form(lblProb[6]).text, "-2");
  EXPECT_EQ(t.w.form(lblProb[10]).text, "41");
}

// For every possible draw of every level, the key is exactly the problem's value in simplest
// form. Exact integers only: no floating point can hide an error here.
TEST(Generator, EveryKeyEqualsItsProblem) {
  for (int level = 1; level <= 5; ++level) {
    int checked = 0;
    for (const auto& drawn : EveryDraw(level)) {
      const Made made = Generate(level, drawn);
      const auto& n = made.n;
      for (int i = 1; i <= 6; ++i) ASSERT_EQ(made.problem.numbers[i], n[i]) << "N" << i;
      const Key k = made.key();
      SCOPED_TRACE(::testing::Message() << "level " << level << " N2=" << n[2] << " N3=" << n[3]
                                        << " N4=" << n[4] << " N5=" << n[5] << " N6=" << n[6]);
      const std::int64_t K1 = k[0], K2 = k[1], K3 = k[2], K4 = k[3], K5 = k[4], K6 = k[5];
      ASSERT_EQ(K4, 0);
      ASSERT_EQ(K6, 1);
      ASSERT_GT(K5, 0);
      if (level <= 4) {
        ASSERT_EQ(K1, 0);
        ASSERT_GE(K2, 1);
        ASSERT_TRUE(Squarefree(K3));
        ASSERT_EQ(Gcd(K2, K5), 1) << "a prime left in both K2 and K5";
        // N2 root N3 / (N5 root N6) == K2 root K3 / K5, squared: all values are positive.
        const Wide lhs = Wide{n[2]} * n[2] * n[3] * K5 * K5;
        const Wide rhs = Wide{K2} * K2 * K3 * n[5] * n[5] * n[6];
        ASSERT_TRUE(lhs == rhs);
      } else {
        ASSERT_EQ(n[2], 1);
        ASSERT_EQ(K3, n[6]);
        ASSERT_NE(K1, 0);
        ASSERT_NE(K2, 0);
        ASSERT_TRUE((K1 < 0) != (K2 < 0)) << "K1 and K2 must have opposite signs";
        const std::int64_t common = Gcd(Gcd(K1, K2), K5);
        ASSERT_TRUE(common % 2 != 0 && common % 3 != 0 && common % 5 != 0) << common;
        // (N4 + N5 root N6)(K1 + K2 root N6) == K5 with root N6 irrational.
        ASSERT_EQ(n[4] * K2 + n[5] * K1, 0);
        ASSERT_EQ(n[4] * K1 + n[5] * K2 * n[6], K5);
        ASSERT_GE(n[5], 2);
        ASSERT_GE(n[6], 2);
      }
      ++checked;
    }
    const int sizes[] = {0, 36, 54, 768, 46656, 512};
    EXPECT_EQ(checked, sizes[level]);
  }
}

TEST(Generator, PreparesTheWindowForANewProblem) {
  Window t(3);
  Form& f = t.w.form;
  f.setText(lblProbCount, "7");
  f.setEnabled(cmdNew, true);
  for (int k = 0; k < 4; ++k) {
    f.setText(txtAnswer[k], "9");
    f.setBack(txtAnswer[k], Rgb{255, 0, 0});
  }
  std::map<std::string, int> changes;
  f.observe([&](const Control& c, Change) { ++changes[c.key()]; });
  MakeProblem(t, 3, {1, 1, 1, 2, 2, 2, 1, 1, 1});
  EXPECT_EQ(f(lblProbCount).text, "8");
  // Level 3 answers in form 0: the whole part is hidden holding 0, the rest is empty.
  const char* texts[] = {"0", "", "", ""};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(f(txtAnswer[k]).text, texts[k]);
    EXPECT_EQ(f(txtAnswer[k]).back, (Rgb{192, 255, 255}));
  }
  EXPECT_FALSE(f(cmdNew).enabled);
  EXPECT_TRUE(f(cmdSubmit).enabled);
  // The problem's own signs stay as the layout and the level put them.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(changes.count("lblAdd(" + std::to_string(i) + ")"), 0u);
  // 30 root 900 / 30 = 30: the radicand is a square.
  EXPECT_EQ(t.key(), (Key{0, 30, 1, 0, 1, 1}));
}

TEST(Generator, CountsFromTheLayoutsZero) {
  Window t(1);
  for (int i = 1; i <= 3; ++i) {
    MakeProblem(t, 1, {1, 1, 0});
    EXPECT_EQ(t.w.form(lblProbCount).text, std::to_string(i));
  }
}

// With the real source, every drawn exponent stays in its range and every value occurs.
TEST(Generator, RealDrawsCoverExactlyTheRanges) {
  testing::LoadedWindow<MersenneSource> loaded;
  loaded.random.seed(20261208);
  MainWindow& w = loaded.w;
  for (int level = 1; level <= kLevelCount; ++level) {
    w.form.setValue(vsbLevel, level);
    std::map<std::pair<int, int>, std::set<int>> seen;
    for (int run = 0; run < 4000; ++run) {
      cmdNew_Click(w);
      for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 3; ++j) seen[{i, j}].insert(w.ProblemExponents[i][j]);
      }
    }
    std::map<std::pair<int, int>, std::set<int>> want;
    for (int i = 1; i <= 6; ++i) {
      for (int j = 1; j <= 3; ++j) want[{i, j}] = {0};
    }
    for (const Draws& d : kDraws[level]) {
      for (std::size_t j = 0; j < 3; ++j) {
        std::set<int> all;
        for (int v = d.ranges[j].first; v <= d.ranges[j].second; ++v) all.insert(v);
        want[{d.position, static_cast<int>(j) + 1}] = all;
      }
    }
    EXPECT_EQ(seen, want) << "level " << level;
  }
}

}  // namespace
}  // namespace tovimel
