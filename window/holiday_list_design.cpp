#include "window/holiday_list_design.h"

namespace velmora::window {
namespace {

using enum ControlKind;

// The year row on the right, as a right-to-left window reads first; the
// message, one Persian and one English line or a few when they wrap, over
// the list. The focus runs from the year box to its button and the list.
constexpr ControlDesign kControls[] = {
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"lblYear", Label, "YEAR",
     10440, 180, 960, 255, 3, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtYear", TextBox, "",
     9360, 120, 975, 375, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"cmdShow", CommandButton, "نمایش",
     8160, 120, 1095, 375, 1, Tahoma(8.25), kDefaultColour, 0, true},
    {"lblMessage", Label, "",
     120, 600, 11280, 1020, 4, Tahoma(8.25), kDefaultColour, 0, true},
    {"lstHolidays", List, "",
     120, 1680, 11280, 5880, 2, Tahoma(8.25), kDefaultColour, 0, true},
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"txtYear", "Persian year", "Year of the official Persian calendar whose public holidays are listed"},
    {"cmdShow", nullptr, "Lists the public holidays of the year in the year box"},
    {"lstHolidays", "تعطیلات رسمی سال", "Iran's public holidays of the year, by day"},
};

}  // namespace

const WindowDesign kHolidayListDesign{
    .caption = "تعطیلات رسمی سال",
    .clientWidth = 11520,
    .clientHeight = 7680,
    .hasPosition = false,  // placed by the window system
    .clientLeft = 0,
    .clientTop = 0,
    .controls = kControls,
    .firstControlId = 700,  // clear of the menu items' IDs (601...)
};

std::span<const AccessibleText> HolidayListAccessibleTexts() { return kAccessibleTexts; }

}  // namespace velmora::window
