// SPDX-License-Identifier: MIT
// Every control of both windows, named once. The layouts, the logic, the binding and the tests
// refer to controls only through these, so a misspelt name does not compile.
#pragma once

#include <string_view>

#include "windows/form.h"

namespace tovimel {

// A plain control.
struct ControlName {
  std::string_view name;
  constexpr operator ControlId() const { return {name, -1}; }
};

// A control array: an index picks a member, as in lblProb[3].
struct ControlArray {
  std::string_view name;
  int count;  // members 0..count-1
  constexpr ControlId operator[](int index) const { return {name, index}; }
};

// The practice window.
namespace frmTovimel3 {

// The window itself
inline constexpr ControlName self{"frmTovimel3"};

// Frames
inline constexpr ControlName fraProb{"fraProb"}, fraTimer{"fraTimer"}, fraLevel{"fraLevel"},
    fraAnswer{"fraAnswer"}, fraStudentData{"fraStudentData"}, fraKey{"fraKey"}, Frame1{"Frame1"},
    Frame2{"Frame2"};

// Buttons and the score
inline constexpr ControlName Label4{"Label4"}, lblProbCount{"lblProbCount"}, cmdStart{"cmdStart"},
    Label1{"Label1"}, lblRight{"lblRight"}, cmdSubmit{"cmdSubmit"}, Label2{"Label2"},
    cmdNew{"cmdNew"}, lblWrong{"lblWrong"}, Label3{"Label3"}, cmdPrintIt{"cmdPrintIt"},
    lblPercent{"lblPercent"}, cmdExit{"cmdExit"}, lblLevelShow{"lblLevelShow"},
    lblTitle{"lblTitle"}, lblPageWent{"lblPageWent"};

// The problem (lblProb 0..5) and its key (lblProb 6..11), with their signs and roots
inline constexpr ControlName imgUpperRadical{"imgUpperRadical"}, Line1{"Line1"},
    imgLowerRadical{"imgLowerRadical"}, Image1{"Image1"}, Line2{"Line2"}, Image5{"Image5"};
inline constexpr ControlArray lblProb{"lblProb", 12};
inline constexpr ControlArray lblAdd{"lblAdd", 5};

// The clock
inline constexpr ControlName Label5{"Label5"}, clock{"clock"}, timOverAll{"timOverAll"};

// The level chooser
inline constexpr ControlName vsbLevel{"vsbLevel"}, lblLevel{"lblLevel"};

// The answer area
inline constexpr ControlName Image4{"Image4"}, Image6{"Image6"}, Image7{"Image7"}, Image8{"Image8"},
    Image9{"Image9"}, Image10{"Image10"}, Image11{"Image11"}, Image12{"Image12"},
    Image13{"Image13"}, Image14{"Image14"}, Image15{"Image15"}, imgRadical{"imgRadical"},
    lneViniculum{"lneViniculum"};
inline constexpr ControlArray optAnswerForm{"optAnswerForm", 15};
inline constexpr ControlArray txtAnswer{"txtAnswer", 4};

// The student data strip
inline constexpr ControlName lblPeriod{"lblPeriod"}, lblID{"lblID"}, lblDate{"lblDate"},
    lblName{"lblName"}, lblTeacher{"lblTeacher"};

}  // namespace frmTovimel3

// The sign-in window.
namespace frmSignIn {

inline constexpr ControlName self{"frmSignIn"};
inline constexpr ControlName Label1{"Label1"}, lblFlash{"lblFlash"}, txtPeriod{"txtPeriod"},
    Label3{"Label3"}, txtID{"txtID"}, lblNameTitle{"lblNameTitle"}, txtName{"txtName"},
    Label2{"Label2"}, txtTeacher{"txtTeacher"}, cmdOk{"cmdOk"}, cmdExit{"cmdExit"},
    Shape1{"Shape1"}, Timer1{"Timer1"};

}  // namespace frmSignIn

}  // namespace tovimel
