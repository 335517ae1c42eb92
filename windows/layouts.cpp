// SPDX-License-Identifier: MIT
#include "windows/layouts.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "tovimel/version.h"
#include "windows/controls.h"
#include "windows/translate.h"

namespace tovimel {
namespace {

struct Font {
  const char* family = "";
  double points = 0;
  bool bold = false;
};

constexpr Font kDefault{};
constexpr Font kNarrow{"Arial Narrow", 21.75, true};
constexpr Font kSans18{"MS Sans Serif", 18, true};
constexpr Font kSans24{"MS Sans Serif", 24, true};
constexpr Font kTimes{"Times New Roman", 15.75, true};
constexpr Font kEntry{"MS Sans Serif", 18, false};

constexpr Rgb kPaleYellow{255, 255, 192};
constexpr Rgb kPeach{255, 224, 192};

// One row of a layout table. Flags default to an ordinary visible, enabled control.
struct Row {
  Kind kind;
  ControlId id;
  ControlName container{};
  std::string_view text = "";
  int left = 0, top = 0, width = 0, height = 0;
  Font font = kDefault;
  std::optional<Rgb> back{};
  std::optional<Rgb> fore{};
  bool border = false;
  Align align = Align::Left;
  bool auto_size = false;
  Picture picture = Picture::None;
  int tab = -1;
  bool hidden = false;
  bool disabled = false;
  bool selected = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int interval = 0;
  bool default_button = false;
  bool clickable = false;
  bool left_to_right = false;
  int min = 0, max = 0, value = 0;  // scroll bar
  bool one_line = false;
};

// The window title; its place takes the version.
constexpr const char* kTitle = QT_TRANSLATE_NOOP("Caption", "Tovimel (Version %1)");

std::string FilledTitle(std::string pattern) {
  if (const auto at = pattern.find("%1"); at != std::string::npos) {
    pattern.replace(at, 2, kVersion);
  }
  return pattern;
}

Control Build(const Row& r) {
  Control c;
  c.kind = r.kind;
  c.name = r.id.name;
  c.index = r.id.index;
  c.container = r.container.name;
  c.look.font_family = r.font.family;
  c.look.font_points = r.font.points;
  c.look.bold = r.font.bold;
  c.look.border = r.border;
  c.look.align = r.align;
  c.look.auto_size = r.auto_size;
  c.look.picture = r.picture;
  c.look.tab_index = r.tab;
  c.look.default_button = r.default_button;
  c.look.clickable = r.clickable;
  c.look.left_to_right = r.left_to_right;
  c.look.one_line = r.one_line;
  // A caption with a word is the design's own text; numbers and the student's data are not.
  c.look.translated = std::any_of(r.text.begin(), r.text.end(), [](char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
  });
  Props& p = c.props;
  p.text = std::string(r.text);
  p.left = r.left;
  p.top = r.top;
  p.width = r.width;
  p.height = r.height;
  p.back = r.back;
  p.fore = r.fore;
  p.visible = !r.hidden;
  p.enabled = !r.disabled;
  p.selected = r.selected;
  p.x1 = r.x1;
  p.y1 = r.y1;
  p.x2 = r.x2;
  p.y2 = r.y2;
  p.interval = r.interval;
  p.min = r.min;
  p.max = r.max;
  p.value = r.value;
  return c;
}

std::vector<Control> BuildAll(std::initializer_list<Row> rows) {
  std::vector<Control> out;
  out.reserve(rows.size());
  for (const Row& r : rows) out.push_back(Build(r));
  return out;
}

using K = Kind;
constexpr Align C = Align::Center;
constexpr Picture kRadical = Picture::Radical, kFormPicture = Picture::AnswerForm;

}  // namespace

std::vector<Control> MainWindowLayout(int levels) {
  using namespace frmTovimel3;
  const std::string title = FilledTitle(kTitle);
  // Containers come before what they hold; later rows stack above earlier ones.
  // clang-format off
  return BuildAll({
      {.kind = K::Window, .id = self, .text = title, .width = 9675, .height = 7695},
      {.kind = K::Frame, .id = fraProb, .text = QT_TRANSLATE_NOOP("Caption", "Simplify"), .left = 390, .top = 225, .width = 4035, .height = 1725, .border = true, .left_to_right = true},
      {.kind = K::Frame, .id = fraTimer, .left = 4485, .top = -15, .width = 2145, .height = 1080},
      {.kind = K::Frame, .id = fraLevel, .text = QT_TRANSLATE_NOOP("Caption", "Level"), .left = 8145, .top = 120, .width = 930, .height = 1980, .border = true},
      {.kind = K::Frame, .id = fraAnswer, .text = QT_TRANSLATE_NOOP("Caption", "Answer"), .left = 225, .top = 1980, .width = 6735, .height = 4530, .border = true},
      {.kind = K::Frame, .id = fraStudentData, .text = QT_TRANSLATE_NOOP("Caption", "Student Data"), .left = 0, .top = 6780, .width = 8880, .height = 645, .back = Rgb{224, 224, 224}},
      // The key stands 150 twips left of the original design's 3945, where its right edge ran
      // through the level caption's first letter.
      {.kind = K::Frame, .id = fraKey, .text = QT_TRANSLATE_NOOP("Caption", "Key"), .left = 3795, .top = 5520, .width = 3285, .height = 1725, .border = true, .hidden = true, .left_to_right = true},

      {.kind = K::Label, .id = Label4, .text = QT_TRANSLATE_NOOP("Caption", "Current Problem"), .left = 6750, .top = 120, .width = 1350, .height = 255},
      {.kind = K::Label, .id = lblProbCount, .text = "0", .left = 6945, .top = 420, .width = 660, .height = 555, .font = kNarrow, .back = kPaleYellow, .border = true, .align = C},
      {.kind = K::Button, .id = cmdStart, .text = QT_TRANSLATE_NOOP("Caption", "Start"), .left = 8160, .top = 2160, .width = 975, .height = 495, .tab = 1},
      {.kind = K::Label, .id = Label1, .text = QT_TRANSLATE_NOOP("Caption", "Right"), .left = 7380, .top = 2880, .width = 900, .height = 195, .align = C},
      {.kind = K::Label, .id = lblRight, .text = "0", .left = 7335, .top = 3075, .width = 960, .height = 480, .font = kSans18, .back = Rgb{192, 255, 192}, .border = true, .align = C},
      {.kind = K::Button, .id = cmdSubmit, .text = QT_TRANSLATE_NOOP("Caption", "&Submit"), .left = 8475, .top = 3090, .width = 930, .height = 495, .tab = 6, .disabled = true},
      {.kind = K::Label, .id = Label2, .text = QT_TRANSLATE_NOOP("Caption", "Total"), .left = 7365, .top = 3585, .width = 900, .height = 195, .align = C},
      {.kind = K::Button, .id = cmdNew, .text = QT_TRANSLATE_NOOP("Caption", "&Next"), .left = 8460, .top = 3645, .width = 945, .height = 495, .tab = 7, .disabled = true},
      {.kind = K::Label, .id = lblWrong, .text = "0", .left = 7365, .top = 3795, .width = 975, .height = 465, .font = kSans18, .back = Rgb{255, 192, 192}, .border = true, .align = C},
      {.kind = K::Label, .id = Label3, .text = QT_TRANSLATE_NOOP("Caption", "Grade"), .left = 7395, .top = 4305, .width = 900, .height = 195, .align = C},
      {.kind = K::Button, .id = cmdPrintIt, .text = QT_TRANSLATE_NOOP("Caption", "Print Results"), .left = 8685, .top = 4365, .width = 705, .height = 645, .tab = 20, .hidden = true, .disabled = true},
      {.kind = K::Label, .id = lblPercent, .text = "0%", .left = 7215, .top = 4515, .width = 1350, .height = 480, .font = kSans18, .back = kPaleYellow, .border = true, .align = C},
      {.kind = K::Button, .id = cmdExit, .text = QT_TRANSLATE_NOOP("Caption", "E&xit"), .left = 7230, .top = 5085, .width = 1215, .height = 495, .tab = 21},
      {.kind = K::Label, .id = lblLevelShow, .text = QT_TRANSLATE_NOOP("Caption", "Level 1"), .left = 7140, .top = 5655, .width = 1830, .height = 615, .font = kSans24, .one_line = true},
      {.kind = K::Label, .id = lblTitle, .text = QT_TRANSLATE_NOOP("Caption", "Tovimel"), .left = 195, .top = 1065, .width = 6480, .height = 1125, .font = {"Myriad Roman", 36, false}, .back = kWhite, .border = true, .hidden = true},
      // Where the last page went, under the title on the results screen; shown after a print.
      {.kind = K::Label, .id = lblPageWent, .left = 195, .top = 2400, .width = 6480, .height = 1800, .font = {"MS Sans Serif", 12, false}, .hidden = true},

      // The problem: (N1 + N2 root N3) / (N4 + N5 root N6). It, the key and the answer area read
      // left to right in every language; right-to-left windows mirror around them.
      {.kind = K::Label, .id = lblProb[0], .container = fraProb, .text = "0", .left = 495, .top = 375, .width = 225, .height = 465, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Label, .id = lblAdd[0], .container = fraProb, .text = "+", .left = 975, .top = 450, .width = 330, .height = 405, .font = kNarrow, .align = C},
      {.kind = K::Label, .id = lblProb[1], .container = fraProb, .text = "0", .left = 1770, .top = 360, .width = 225, .height = 480, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Image, .id = imgUpperRadical, .container = fraProb, .left = 2175, .top = 240, .width = 1500, .height = 555, .picture = kRadical},
      {.kind = K::Label, .id = lblProb[2], .container = fraProb, .text = "0", .left = 2790, .top = 360, .width = 300, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Line, .id = Line1, .container = fraProb, .x1 = 60, .y1 = 915, .x2 = 3855, .y2 = 915},
      {.kind = K::Label, .id = lblProb[3], .container = fraProb, .text = "0", .left = 495, .top = 1035, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Label, .id = lblAdd[1], .container = fraProb, .text = "+", .left = 960, .top = 1065, .width = 330, .height = 405, .font = kNarrow, .align = C},
      {.kind = K::Label, .id = lblProb[4], .container = fraProb, .text = "0", .left = 1830, .top = 1035, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Image, .id = imgLowerRadical, .container = fraProb, .left = 2280, .top = 975, .width = 1215, .height = 495, .picture = kRadical},
      {.kind = K::Label, .id = lblProb[5], .container = fraProb, .text = "0", .left = 2820, .top = 1050, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},

      // The clock.
      {.kind = K::Label, .id = Label5, .container = fraTimer, .text = QT_TRANSLATE_NOOP("Caption", "Timer"), .left = 210, .top = 255, .width = 645, .height = 225, .font = {"MS Sans Serif", 8.25, true}, .back = Rgb{255, 128, 0}, .fore = kBlack},
      {.kind = K::Label, .id = clock, .container = fraTimer, .text = "00:00", .left = 165, .top = 465, .width = 1920, .height = 540, .font = kSans24, .back = Rgb{255, 0, 255}, .fore = kBlack, .border = true, .align = C},
      {.kind = K::Timer, .id = timOverAll, .container = fraTimer, .disabled = true, .interval = 1000},

      // The level chooser.
      {.kind = K::ScrollBar, .id = vsbLevel, .container = fraLevel, .left = 75, .top = 255, .width = 270, .height = 1635, .tab = 0, .min = 1, .max = levels, .value = 1},
      {.kind = K::Label, .id = lblLevel, .container = fraLevel, .text = "1", .left = 405, .top = 840, .width = 420, .height = 480, .font = {"MS Sans Serif", 13.5, true}, .border = true, .align = C},

      // The answer area: the form chooser above, the typed answer below.
      {.kind = K::Frame, .id = Frame1, .container = fraAnswer, .left = 135, .top = 315, .width = 6450, .height = 2025, .border = true, .left_to_right = true},
      {.kind = K::Frame, .id = Frame2, .container = fraAnswer, .left = 375, .top = 2340, .width = 5340, .height = 1995, .left_to_right = true},
      {.kind = K::Option, .id = optAnswerForm[0], .container = Frame1, .left = 135, .top = 585, .width = 240, .height = 315, .tab = 8},
      {.kind = K::Option, .id = optAnswerForm[1], .container = Frame1, .left = 1125, .top = 585, .width = 240, .height = 315, .tab = 9},
      {.kind = K::Option, .id = optAnswerForm[2], .container = Frame1, .left = 2070, .top = 585, .width = 240, .height = 315, .tab = 10},
      {.kind = K::Option, .id = optAnswerForm[3], .container = Frame1, .left = 2880, .top = 570, .width = 240, .height = 315, .tab = 11, .selected = true},
      {.kind = K::Option, .id = optAnswerForm[4], .container = Frame1, .left = 3945, .top = 600, .width = 240, .height = 315, .tab = 12},
      {.kind = K::Option, .id = optAnswerForm[5], .container = Frame1, .left = 4620, .top = 630, .width = 240, .height = 315, .tab = 13},
      {.kind = K::Option, .id = optAnswerForm[6], .container = Frame1, .left = 5490, .top = 585, .width = 240, .height = 315, .tab = 14},
      {.kind = K::Option, .id = optAnswerForm[7], .container = Frame1, .left = 150, .top = 1290, .width = 240, .height = 315, .tab = 15},
      {.kind = K::Option, .id = optAnswerForm[8], .container = Frame1, .left = 150, .top = 1575, .width = 240, .height = 315, .tab = 16},
      {.kind = K::Option, .id = optAnswerForm[9], .container = Frame1, .left = 1455, .top = 1290, .width = 240, .height = 315, .tab = 17},
      {.kind = K::Option, .id = optAnswerForm[10], .container = Frame1, .left = 1440, .top = 1575, .width = 240, .height = 315, .tab = 18},
      {.kind = K::Option, .id = optAnswerForm[11], .container = Frame1, .left = 2880, .top = 1290, .width = 240, .height = 315, .tab = 19},
      {.kind = K::Option, .id = optAnswerForm[12], .container = Frame1, .left = 2865, .top = 1575, .width = 240, .height = 315, .tab = 22},
      {.kind = K::Option, .id = optAnswerForm[13], .container = Frame1, .left = 4305, .top = 1305, .width = 240, .height = 315, .tab = 23},
      {.kind = K::Option, .id = optAnswerForm[14], .container = Frame1, .left = 4305, .top = 1590, .width = 240, .height = 315, .tab = 24},
      {.kind = K::Image, .id = Image7, .container = Frame1, .left = 405, .top = 270, .width = 615, .height = 780, .picture = kFormPicture},
      {.kind = K::Image, .id = Image8, .container = Frame1, .left = 1380, .top = 315, .width = 480, .height = 765, .picture = kFormPicture},
      {.kind = K::Image, .id = Image9, .container = Frame1, .left = 2265, .top = 405, .width = 360, .height = 630, .picture = kFormPicture},
      {.kind = K::Image, .id = Image10, .container = Frame1, .left = 3210, .top = 495, .width = 615, .height = 480, .picture = kFormPicture},
      {.kind = K::Image, .id = Image11, .container = Frame1, .left = 4170, .top = 570, .width = 405, .height = 360, .picture = kFormPicture},
      {.kind = K::Image, .id = Image12, .container = Frame1, .left = 4860, .top = 570, .width = 450, .height = 405, .picture = kFormPicture},
      {.kind = K::Image, .id = Image13, .container = Frame1, .left = 5760, .top = 435, .width = 330, .height = 690, .picture = kFormPicture},
      {.kind = K::Image, .id = Image6, .container = Frame1, .left = 405, .top = 1140, .width = 945, .height = 825, .picture = kFormPicture},
      {.kind = K::Image, .id = Image14, .container = Frame1, .left = 1815, .top = 1110, .width = 840, .height = 885, .picture = kFormPicture},
      {.kind = K::Image, .id = Image4, .container = Frame1, .left = 3180, .top = 1245, .width = 870, .height = 600, .picture = kFormPicture},
      {.kind = K::Image, .id = Image15, .container = Frame1, .left = 4545, .top = 1230, .width = 825, .height = 585, .picture = kFormPicture},
      {.kind = K::TextBox, .id = txtAnswer[0], .container = Frame2, .left = 195, .top = 300, .width = 1065, .height = 615, .font = kNarrow, .back = kFreshBox, .align = C, .tab = 2},
      {.kind = K::Label, .id = lblAdd[4], .container = Frame2, .text = "+", .left = 1380, .top = 255, .width = 330, .height = 645, .font = kNarrow, .align = C},
      {.kind = K::TextBox, .id = txtAnswer[1], .container = Frame2, .left = 1845, .top = 300, .width = 1065, .height = 615, .font = kNarrow, .back = kFreshBox, .align = C, .tab = 3},
      {.kind = K::Image, .id = imgRadical, .container = Frame2, .left = 3000, .top = 135, .width = 1605, .height = 765, .picture = kRadical},
      {.kind = K::TextBox, .id = txtAnswer[2], .container = Frame2, .left = 3510, .top = 300, .width = 1065, .height = 615, .font = kNarrow, .back = kFreshBox, .align = C, .tab = 4},
      {.kind = K::TextBox, .id = txtAnswer[3], .container = Frame2, .left = 1845, .top = 1155, .width = 1065, .height = 615, .font = kNarrow, .back = kFreshBox, .align = C, .tab = 5},
      {.kind = K::Line, .id = lneViniculum, .container = Frame2, .x1 = 90, .y1 = 975, .x2 = 4620, .y2 = 990},

      // The student data strip.
      {.kind = K::Label, .id = lblPeriod, .container = fraStudentData, .text = "18", .left = 30, .top = 90, .width = 645, .height = 435, .font = kTimes, .back = kPeach, .border = true, .align = C, .clickable = true},
      {.kind = K::Label, .id = lblID, .container = fraStudentData, .left = 795, .top = 90, .width = 855, .height = 435, .font = kTimes, .back = kPeach, .border = true, .align = C},
      {.kind = K::Label, .id = lblDate, .container = fraStudentData, .left = 1755, .top = 90, .width = 1590, .height = 435, .font = kTimes, .back = kPeach, .border = true, .align = C},
      {.kind = K::Label, .id = lblName, .container = fraStudentData, .left = 3420, .top = 90, .width = 3645, .height = 435, .font = kTimes, .back = kPeach, .border = true, .align = C},
      {.kind = K::Label, .id = lblTeacher, .container = fraStudentData, .left = 7095, .top = 105, .width = 1635, .height = 435, .font = kTimes, .back = kPeach, .border = true, .align = C},

      // The answer key, hidden until a teacher reveals it.
      {.kind = K::Label, .id = lblProb[6], .container = fraKey, .text = "0", .left = 150, .top = 360, .width = 225, .height = 465, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Label, .id = lblAdd[2], .container = fraKey, .text = "+", .left = 525, .top = 405, .width = 330, .height = 405, .font = kNarrow, .align = C},
      {.kind = K::Label, .id = lblProb[7], .container = fraKey, .text = "0", .left = 1335, .top = 375, .width = 225, .height = 480, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Image, .id = Image1, .container = fraKey, .left = 1755, .top = 255, .width = 1200, .height = 555, .picture = kRadical},
      {.kind = K::Label, .id = lblProb[8], .container = fraKey, .text = "0", .left = 2310, .top = 375, .width = 210, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Line, .id = Line2, .container = fraKey, .x1 = 60, .y1 = 915, .x2 = 3060, .y2 = 900},
      {.kind = K::Label, .id = lblProb[9], .container = fraKey, .text = "0", .left = 180, .top = 1035, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Label, .id = lblAdd[3], .container = fraKey, .text = "+", .left = 480, .top = 1080, .width = 330, .height = 405, .font = kNarrow, .align = C},
      {.kind = K::Label, .id = lblProb[10], .container = fraKey, .text = "0", .left = 1350, .top = 1035, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
      {.kind = K::Image, .id = Image5, .container = fraKey, .left = 1740, .top = 975, .width = 1215, .height = 495, .picture = kRadical},
      {.kind = K::Label, .id = lblProb[11], .container = fraKey, .text = "0", .left = 2280, .top = 1065, .width = 225, .height = 495, .font = kNarrow, .align = C, .auto_size = true},
  });
  // clang-format on
}

std::vector<Control> SignInLayout() {
  using namespace frmSignIn;
  constexpr Rgb kBack{255, 255, 192};
  // clang-format off
  return BuildAll({
      {.kind = K::Window, .id = self, .text = QT_TRANSLATE_NOOP("Caption", "Please Sign In"), .width = 4815, .height = 4845, .back = kBack},
      {.kind = K::Label, .id = Label1, .text = QT_TRANSLATE_NOOP("Caption", "Period"), .left = 600, .top = 120, .width = 1215, .height = 255, .back = kBack},
      {.kind = K::Label, .id = lblFlash, .text = QT_TRANSLATE_NOOP("Caption", "Please Sign In"), .left = 1920, .top = 360, .width = 2775, .height = 495, .font = kSans18, .back = Rgb{255, 255, 128}, .border = true},
      {.kind = K::TextBox, .id = txtPeriod, .left = 600, .top = 480, .width = 675, .height = 495, .font = kEntry, .tab = 0},
      {.kind = K::Label, .id = Label3, .text = QT_TRANSLATE_NOOP("Caption", "#ID or Student ID"), .left = 600, .top = 1080, .width = 2355, .height = 255, .back = kBack},
      {.kind = K::TextBox, .id = txtID, .left = 600, .top = 1440, .width = 975, .height = 495, .font = kEntry, .tab = 1},
      {.kind = K::Label, .id = lblNameTitle, .text = QT_TRANSLATE_NOOP("Caption", "Name (Last, First)"), .left = 600, .top = 2040, .width = 1455, .height = 255, .back = kBack},
      {.kind = K::TextBox, .id = txtName, .left = 600, .top = 2400, .width = 3735, .height = 495, .font = kEntry, .tab = 2},
      {.kind = K::Label, .id = Label2, .text = QT_TRANSLATE_NOOP("Caption", "Teacher"), .left = 600, .top = 3000, .width = 1215, .height = 255, .back = kBack},
      {.kind = K::TextBox, .id = txtTeacher, .left = 600, .top = 3360, .width = 3735, .height = 495, .font = kEntry, .tab = 3},
      {.kind = K::Button, .id = cmdOk, .text = QT_TRANSLATE_NOOP("Caption", "OK"), .left = 1200, .top = 4080, .width = 1215, .height = 495, .tab = 4, .disabled = true, .default_button = true},
      {.kind = K::Button, .id = cmdExit, .text = QT_TRANSLATE_NOOP("Caption", "Exit"), .left = 2760, .top = 4080, .width = 1215, .height = 495, .tab = 5},
      {.kind = K::Shape, .id = Shape1, .left = 0, .top = 0, .width = 4815, .height = 4815, .border = true},
      {.kind = K::Timer, .id = Timer1, .interval = 1000},
  });
  // clang-format on
}

std::string ShownText(const Control& c) {
  if (!c.look.translated) return c.props.text;
  if (c.kind == Kind::Window && c.props.text == FilledTitle(kTitle)) {
    return FilledTitle(Translate(tr_context::kCaption, kTitle));
  }
  return Translate(tr_context::kCaption, c.props.text);
}

FontSpec EffectiveFont(const Control& c) {
  if (c.look.font_family.empty()) return {"MS Sans Serif", 8.25, false};
  return {c.look.font_family, c.look.font_points, c.look.bold};
}

}  // namespace tovimel
