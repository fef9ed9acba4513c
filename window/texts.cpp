#include "window/texts.h"

#include "calendar/M_persian.h"
#include "window/converter_columns.h"
#include "window/persian_numbers.h"

namespace velmora::window {
namespace {

using columns::AroundCalendars;

// The converter buttons' texts come from the calendar rows.
constexpr auto kForm1AccessibleTexts = AroundCalendars(
    std::array<AccessibleText, 6>{{
        {"Text1", "Persian year", "Year of the Persian (Solar Hijri) date to convert"},
        {"Text2", "Persian month", "Month of the Persian date to convert, 1 for Farvardin"},
        {"Text3", "Persian day", "Day of the Persian date to convert"},
        {"Text4", "Result year", "Year of the converted date; no conversion yet"},
        {"Text5", "Result month", "Month of the converted date; no conversion yet"},
        {"Text6", "Result day", "Day of the converted date; no conversion yet"},
    }},
    [](const CalendarTexts& texts, std::size_t) { return AccessibleText{texts.toButton, nullptr, texts.toDescription}; },
    std::array<AccessibleText, 2>{{
        {"Command4", nullptr, "About Velmora"},
        // Label5's name is always the calendar name it shows.
        {"Label5", nullptr, "Calendar of the converted date"},
    }});

constexpr AccessibleText kAboutAccessibleTexts[] = {
    {"cmdOK", nullptr, "Close the About box"},
    {"cmdSysInfo", nullptr, "Start the system information tool"},
    {"picIcon", "Velmora icon", "The program's icon, a calendar page"},
};

constexpr auto kToPersianAccessibleTexts = AroundCalendars(
    std::array<AccessibleText, 6>{{
        {"txtYear", "Year", "Year of the date to convert to the Persian calendar"},
        {"txtMonth", "Month", "Month of the date to convert"},
        {"txtDay", "Day", "Day of the date to convert"},
        {"txtPersianYear", "Persian year", "Year of the Persian date; no conversion yet"},
        {"txtPersianMonth", "Persian month", "Month of the Persian date, 1 for Farvardin; no conversion yet"},
        {"txtPersianDay", "Persian day", "Day of the Persian date; no conversion yet"},
    }},
    [](const CalendarTexts& texts, std::size_t) {
        return AccessibleText{texts.fromButton, nullptr, texts.fromDescription};
    },
    std::array<AccessibleText, 1>{{
        {"lblCalendar", nullptr, "Calendar of the converted date"},
    }});

}  // namespace

std::string InvalidDateText(const CalendarName& calendar, const DateFields& typed, std::string_view heading) {
    return "Not a date of the " + std::string(calendar.english) + " calendar: see the " + std::string(heading) +
           " box\n" + "تاریخ " + PersianDateNumbers(typed) + " در تقویم " + calendar.persian +
           " وجود ندارد؛ عدد خانه " + std::string(heading) + " را درست کنید.";
}

std::string PersianYearOutOfRangeText() {
    return "This day lies outside the Persian years Velmora counts\n"
           "سال هجری شمسی این روز بیرون از سال\u200Cهای " + LeftToRightRun(FormatInt16(kFirstPersianYear)) +
           " تا " + FormatInt16(kLastPersianYear) + " است که این برنامه می\u200Cشمارد.";
}

std::span<const AccessibleText> ToPersianAccessibleTexts() { return kToPersianAccessibleTexts; }

std::string ClipboardLine(const DateFields& result, const CalendarName& calendar,
                          const std::optional<DateInWords>& words) {
    std::string line = DateNumbers(result);
    if (words) line += ' ' + words->english + " (" + calendar.english + "), " + words->persian;
    return line;
}

std::string PersianInputSentence(std::string_view heading) {
    return "در خانه " + std::string(heading) + " عددی صحیح از \u202A-32768\u202C تا 32767 بنویسید.";
}

std::span<const AccessibleText> Form1AccessibleTexts() { return kForm1AccessibleTexts; }
std::span<const AccessibleText> AboutAccessibleTexts() { return kAboutAccessibleTexts; }

std::string ResultDescription(std::string_view field, std::string_view calendarName,
                              const std::optional<DateInWords>& words) {
    const std::string plain = std::string(field) + " of the date in the " + std::string(calendarName) + " calendar";
    if (!words) return plain;
    return words->persian + '\n' + plain + ": " + words->english;
}

}  // namespace velmora::window
