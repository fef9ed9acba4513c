#include "window/converter_designs.h"

#include "window/form1_design.h"
#include "window/texts.h"
#include "window/to_persian_design.h"

namespace velmora::window {

namespace {

constexpr ConverterButton kForm1Buttons[] = {
    {"Command1", CalendarId::kIslamic},
    {"Command2", CalendarId::kGregorian},
    {"Command3", CalendarId::kHebrew},
};

constexpr Buddy kForm1Buddies[] = {
    {"Label4", "Text1"}, {"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}, {"Label5", "Text4"},
};

constexpr ConverterButton kToPersianButtons[] = {
    {"cmdFromIslamic", CalendarId::kIslamic},
    {"cmdFromGregorian", CalendarId::kGregorian},
    {"cmdFromHebrew", CalendarId::kHebrew},
};

constexpr Buddy kToPersianBuddies[] = {
    {"lblPrompt", "txtYear"}, {"lblYear", "txtYear"},           {"lblMonth", "txtMonth"},
    {"lblDay", "txtDay"},     {"lblCalendar", "txtPersianYear"},
};

}  // namespace

const ConverterDesign& Form1ConverterDesign() {
    static const ConverterDesign design{kForm1Design,  Form1AccessibleTexts(),     Form1Menus(),
                                        kForm1Buttons, {"Text4", "Text5", "Text6"}, kForm1Buddies};
    return design;
}

const ConverterDesign& ToPersianConverterDesign() {
    static const ConverterDesign design{kToPersianDesign,
                                        ToPersianAccessibleTexts(),
                                        ToPersianMenus(),
                                        kToPersianButtons,
                                        {"txtPersianYear", "txtPersianMonth", "txtPersianDay"},
                                        kToPersianBuddies};
    return design;
}

}  // namespace velmora::window
