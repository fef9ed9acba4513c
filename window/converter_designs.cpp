#include "window/converter_designs.h"

#include "window/converter_columns.h"
#include "window/form1_design.h"
#include "window/texts.h"
#include "window/to_persian_design.h"

namespace velmora::window {

namespace {

using columns::AroundCalendars;

constexpr auto kForm1Buttons = AroundCalendars(
    std::array<ConverterButton, 0>{},
    [](const CalendarTexts& texts, std::size_t) { return ConverterButton{texts.toButton, texts.id}; },
    std::array<ConverterButton, 0>{});

constexpr Buddy kForm1Buddies[] = {
    {"Label4", "Text1"}, {"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}, {"Label5", "Text4"},
};

constexpr auto kToPersianButtons = AroundCalendars(
    std::array<ConverterButton, 0>{},
    [](const CalendarTexts& texts, std::size_t) { return ConverterButton{texts.fromButton, texts.id}; },
    std::array<ConverterButton, 0>{});

constexpr Buddy kToPersianBuddies[] = {
    {"lblPrompt", "txtYear"}, {"lblYear", "txtYear"},           {"lblMonth", "txtMonth"},
    {"lblDay", "txtDay"},     {"lblCalendar", "txtPersianYear"},
};

}  // namespace

const ConverterDesign& Form1ConverterDesign() {
    static const ConverterDesign design{kForm1Design,  Form1AccessibleTexts(),     Form1Menus(),
                                        kForm1Buttons, {"Text4", "Text5", "Text6"}, kForm1Buddies,
                                        {{{"Text1", "Label1"}, {"Text2", "Label2"}, {"Text3", "Label3"}}},
                                        "Label5"};
    return design;
}

const ConverterDesign& ToPersianConverterDesign() {
    static const ConverterDesign design{kToPersianDesign,
                                        ToPersianAccessibleTexts(),
                                        ToPersianMenus(),
                                        kToPersianButtons,
                                        {"txtPersianYear", "txtPersianMonth", "txtPersianDay"},
                                        kToPersianBuddies,
                                        {{{"txtYear", "lblYear"}, {"txtMonth", "lblMonth"}, {"txtDay", "lblDay"}}},
                                        "lblCalendar"};
    return design;
}

}  // namespace velmora::window
