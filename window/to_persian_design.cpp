#include "window/to_persian_design.h"

#include "window/converter_columns.h"

namespace velmora::window {
namespace {

using enum ControlKind;
using namespace columns;

constexpr int kCalendars = static_cast<int>(kCalendarCount);

// Form1's four columns: the prompt and the result calendar on the left, then
// year, month and day, each with its heading, input box, button and result
// box; with no button in the left column, the prompt has room for a fourth
// line where a font sets it wider. The focus runs through the three input
// boxes, the buttons and the three result boxes. Captions are UTF-8.
constexpr std::array<ControlDesign, 7> kAbove{{
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"lblPrompt", Label, "تاریخ قمری، میلادی یا عبری را وارد کنید",
     kLeftColumn, kHeadingTop, 1095, 1335, 6 + kCalendars, Tahoma(8.25), kDefaultColour, 0, true},
    {"lblYear", Label, "YEAR",
     DateColumnLeft(0), kHeadingTop, 975, 255, 7 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
    {"lblMonth", Label, "MONTH",
     DateColumnLeft(1), kHeadingTop, 975, 255, 8 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
    {"lblDay", Label, "DAY",
     DateColumnLeft(2), kHeadingTop, 975, 255, 9 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtYear", TextBox, "",
     DateColumnLeft(0), kInputTop, 975, 375, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtMonth", TextBox, "",
     DateColumnLeft(1), kInputTop, 975, 375, 1, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtDay", TextBox, "",
     DateColumnLeft(2), kInputTop, 975, 375, 2, kWindowDefaultFont, kDefaultColour, 0, false},
}};

constexpr std::array<ControlDesign, 4> kBelow{{
    {"lblCalendar", Label, "",
     kLeftColumn, kResultTop, 1095, 375, 10 + kCalendars, Tahoma(8.25), kDefaultColour, 0, true},
    {"txtPersianYear", TextBox, "",
     DateColumnLeft(0), kResultTop, 975, 375, 3 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtPersianMonth", TextBox, "",
     DateColumnLeft(1), kResultTop, 975, 375, 4 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
    {"txtPersianDay", TextBox, "",
     DateColumnLeft(2), kResultTop, 975, 375, 5 + kCalendars, kWindowDefaultFont, kDefaultColour, 0, false},
}};

// The buttons follow the input boxes in the focus order.
constexpr ControlDesign ConverterButton(const CalendarTexts& texts, std::size_t index) {
    return Button(index, texts.fromButton, texts.fromCaption, 3 + static_cast<int>(index));
}

constexpr auto kControls = AroundCalendars(kAbove, ConverterButton, kBelow);

}  // namespace

const WindowDesign kToPersianDesign{
    .caption = "به هجری شمسی",
    .clientWidth = 4485,
    .clientHeight = 2205 + kExtraButtonRowsHeight,
    .hasPosition = false,  // placed by the window system
    .clientLeft = 0,
    .clientTop = 0,
    .controls = kControls,
    .firstControlId = 500,
};

}  // namespace velmora::window
