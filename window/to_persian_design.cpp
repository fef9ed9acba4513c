#include "window/to_persian_design.h"

#include "window/calendars.h"

namespace velmora::window {
namespace {

using enum ControlKind;

constexpr const char* FromCaption(TargetCalendar calendar) { return CalendarOf(calendar).fromCaption; }

// Form1's four columns: the prompt and the result calendar on the left, then
// year, month and day, each with its heading, input box, button and result
// box; with no button in the left column, the prompt has room for a fourth
// line where a font sets it wider. The focus runs through the three input boxes, the three buttons and
// the three result boxes. Captions are UTF-8.
constexpr ControlDesign kControls[] = {
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"lblPrompt", Label, "تاریخ قمری، میلادی یا عبری را وارد کنید",
     120, 180, 1095, 1335, 9, Tahoma(8.25), kDefaultColour, 0, true},
    {"lblYear", Label, "YEAR",
     1320, 180, 975, 255, 10, kWindowDefaultFont, kDefaultColour, 0, false},
    {"lblMonth", Label, "MONTH",
     2340, 180, 975, 255, 11, kWindowDefaultFont, kDefaultColour, 0, false},
    {"lblDay", Label, "DAY",
     3360, 180, 975, 255, 12, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtYear", TextBox, "",
     1320, 540, 975, 375, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtMonth", TextBox, "",
     2340, 540, 975, 375, 1, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtDay", TextBox, "",
     3360, 540, 975, 375, 2, kWindowDefaultFont, kDefaultColour, 0, false},
    {"cmdFromIslamic", CommandButton, FromCaption(TargetCalendar::Islamic),
     1320, 1020, 975, 615, 3, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"cmdFromGregorian", CommandButton, FromCaption(TargetCalendar::Gregorian),
     2340, 1020, 975, 615, 4, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"cmdFromHebrew", CommandButton, FromCaption(TargetCalendar::Hebrew),
     3360, 1020, 975, 615, 5, Tahoma(8.25, true), kDefaultColour, 0, true},
    {"lblCalendar", Label, "",
     120, 1680, 1095, 375, 13, Tahoma(8.25), kDefaultColour, 0, true},
    {"txtPersianYear", TextBox, "",
     1320, 1680, 975, 375, 6, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtPersianMonth", TextBox, "",
     2340, 1680, 975, 375, 7, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtPersianDay", TextBox, "",
     3360, 1680, 975, 375, 8, kWindowDefaultFont, kDefaultColour, 0, false},
};

}  // namespace

const WindowDesign kToPersianDesign{
    .caption = "به هجری شمسی",
    .clientWidth = 4485,
    .clientHeight = 2205,
    .hasPosition = false,  // placed by the window system
    .clientLeft = 0,
    .clientTop = 0,
    .controls = kControls,
};

}  // namespace velmora::window
