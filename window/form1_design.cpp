#include "window/form1_design.h"

#include "window/calendars.h"

namespace velmora::window {
namespace {

using enum ControlKind;

constexpr const char* ToCaption(TargetCalendar calendar) { return CalendarOf(calendar).toCaption; }

// Listed top to bottom as the form designer holds them. Captions are UTF-8.
constexpr ControlDesign kControls[] = {
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"Label4", Label, "تاريخ هجري شمسي را وارد کنيد",
     120, 180, 1095, 735, 12, Tahoma(8.25), kDefaultColour, 0, true},
    {"Label1", Label, "YEAR",
     1320, 180, 975, 255, 7, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Label2", Label, "MONTH",
     2340, 180, 915, 255, 8, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Label3", Label, "DAY",
     3360, 180, 975, 255, 9, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text1", TextBox, "",
     1320, 540, 975, 375, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text2", TextBox, "",
     2340, 540, 915, 375, 2, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text3", TextBox, "",
     3360, 540, 975, 375, 3, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Command4", CommandButton, "درباره برنامه",
     120, 1080, 1095, 495, 14, Tahoma(8.25), kDefaultColour, 0, true},
    {"Command1", CommandButton, ToCaption(TargetCalendar::Islamic),
     1320, 1020, 975, 615, 1, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"Command2", CommandButton, ToCaption(TargetCalendar::Gregorian),
     2340, 1020, 975, 615, 10, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"Command3", CommandButton, ToCaption(TargetCalendar::Hebrew),
     3360, 1020, 975, 615, 11, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"Label5", Label, "",
     120, 1680, 1095, 375, 13, Tahoma(9.75), kDefaultColour, 0, true},
    {"Text4", TextBox, "",
     1320, 1680, 915, 375, 4, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text5", TextBox, "",
     2340, 1680, 915, 375, 5, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text6", TextBox, "",
     3360, 1680, 975, 375, 6, kWindowDefaultFont, kDefaultColour, 0, false},
};

}  // namespace

const WindowDesign kForm1Design{
    .caption = "Velmora",
    .clientWidth = 4485,
    .clientHeight = 2205,
    .hasPosition = false,  // placed by the window system
    .clientLeft = 0,
    .clientTop = 0,
    .controls = kControls,
};

}  // namespace velmora::window
