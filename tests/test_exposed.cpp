// SPDX-License-Identifier: MIT
// Which controls reach assistive technology at all, stated here control by control.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/levels.h"
#include "windows/accessibility.h"
#include "windows/layouts.h"

namespace tovimel {
namespace {

// Every control of a window but these is exposed: timers and the outline say nothing, the
// pieces of the problem and the key are read by their frames, a caption label is read as the
// name of what it names, the level number as the scroll bar's value, an answer form's picture
// by its option button, and the answer area's root sign and bar by the boxes they stand with.
TEST(Exposed, EveryControlButTheListedOnes) {
  const std::set<std::string> main_hidden = {
      "timOverAll",      "lblProb(0)", "lblProb(1)", "lblProb(2)", "lblProb(3)", "lblProb(4)",
      "lblProb(5)",      "lblProb(6)", "lblProb(7)", "lblProb(8)", "lblProb(9)", "lblProb(10)",
      "lblProb(11)",     "lblAdd(0)",  "lblAdd(1)",  "lblAdd(2)",  "lblAdd(3)",  "imgUpperRadical",
      "imgLowerRadical", "Line1",      "Image1",     "Image5",     "Line2",      "Label1",
      "Label2",          "Label3",     "Label4",     "Label5",     "lblLevel",   "Image7",
      "Image8",          "Image9",     "Image10",    "Image11",    "Image12",    "Image13",
      "Image6",          "Image14",    "Image4",     "Image15",    "imgRadical", "lneViniculum"};
  const std::set<std::string> sign_in_hidden = {"Timer1", "Shape1", "Label1",
                                                "Label2", "Label3", "lblNameTitle"};
  const Form main(MainWindowLayout(kLevelCount));
  const Form sign_in(SignInLayout());
  for (const auto& [form, hidden] : {std::pair(&main, &main_hidden), {&sign_in, &sign_in_hidden}}) {
    int exposed = 0;
    for (const Control& c : form->controls()) {
      EXPECT_EQ(Exposed(*form, c), hidden->count(c.key()) == 0) << form->name() << " " << c.key();
      exposed += Exposed(*form, c) ? 1 : 0;
    }
    EXPECT_EQ(exposed + static_cast<int>(hidden->size()),
              static_cast<int>(form->controls().size()));
  }
}

}  // namespace
}  // namespace tovimel
