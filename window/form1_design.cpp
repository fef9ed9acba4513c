#include "window/form1_design.h"

#include "window/converter_columns.h"

namespace velmora::window {
namespace {

using enum ControlKind;
using namespace columns;

constexpr int kCalendars = static_cast<int>(kCalendarCount);

// Listed top to bottom as the form designer holds them, the converter
// buttons between Command4 and Label5. The focus runs from Text1 to the
// first button, the other boxes, the headings, and only then the other
// buttons, the prompt, Label5 and Command4. Captions are UTF-8.
constexpr std::array<ControlDesign, 8> kAbove{{
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"Label4", Label, "تاريخ هجري شمسي را وارد کنيد",
     kLeftColumn, kHeadingTop, 1095, 735, 9 + kCalendars, Tahoma(8.25), kDefaultColour, 0, true},
    {"Label1", Label, "YEAR",
     DateColumnLeft(0), kHeadingTop, 975, 255, 7, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Label2", Label, "MONTH",
     DateColumnLeft(1), kHeadingTop, 915, 255, 8, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Label3", Label, "DAY",
     DateColumnLeft(2), kHeadingTop, 975, 255, 9, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text1", TextBox, "",
     DateColumnLeft(0), kInputTop, 975, 375, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text2", TextBox, "",
     DateColumnLeft(1), kInputTop, 915, 375, 2, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text3", TextBox, "",
     DateColumnLeft(2), kInputTop, 975, 375, 3, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Command4", CommandButton, "درباره برنامه",
     kLeftColumn, 1080, 1095, 495, 11 + kCalendars, Tahoma(8.25), kDefaultColour, 0, true},
}};

constexpr std::array<ControlDesign, 4> kBelow{{
    {"Label5", Label, "",
     kLeftColumn, kResultTop, 1095, 375, 10 + kCalendars, Tahoma(9.75), kDefaultColour, 0, true},
    {"Text4", TextBox, "",
     DateColumnLeft(0), kResultTop, 915, 375, 4, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text5", TextBox, "",
     DateColumnLeft(1), kResultTop, 915, 375, 5, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Text6", TextBox, "",
     DateColumnLeft(2), kResultTop, 975, 375, 6, kWindowDefaultFont, kDefaultColour, 0, false},
}};

// The first button follows Text1 in the focus order, the others the headings.
constexpr ControlDesign ConverterButton(const CalendarTexts& texts, std::size_t index) {
    return Button(index, texts.toButton, texts.toCaption, index == 0 ? 1 : 9 + static_cast<int>(index));
}

constexpr auto kControls = AroundCalendars(kAbove, ConverterButton, kBelow);

}  // namespace

const WindowDesign kForm1Design{
    .caption = "Velmora",
    .clientWidth = 4485,
    .clientHeight = 2205 + kExtraButtonRowsHeight,
    .hasPosition = false,  // placed by the window system
    .clientLeft = 0,
    .clientTop = 0,
    .controls = kControls,
    .firstControlId = 100,
};

}  // namespace velmora::window
