#include "window/date_words.h"

#include "window/persian_numbers.h"

#include <array>
#include <cstddef>

namespace velmora::window {

namespace {

struct Name {
    const char* persian;
    const char* english;
};

// In the order of Weekday: Sunday first.
constexpr std::array<Name, 7> kWeekdays = {{
    {"یکشنبه", "Sunday"},
    {"دوشنبه", "Monday"},
    {"سه\u200Cشنبه", "Tuesday"},
    {"چهارشنبه", "Wednesday"},
    {"پنجشنبه", "Thursday"},
    {"جمعه", "Friday"},
    {"شنبه", "Saturday"},
}};

}  // namespace

DateInWords InWords(JulianDayNumber day, const DateFields& date, MonthName month, CalendarName calendar) {
    const Name& weekday = kWeekdays[static_cast<std::size_t>(Weekday(day))];
    DateInWords words;
    words.persian = std::string(weekday.persian) + ' ' + PersianNumber(date.day) + ' ' + month.persian + ' ' +
                    PersianNumber(date.year) + ' ' + calendar.persian;
    words.english = std::string(weekday.english) + ' ' + FormatInt16(date.day) + ' ' + month.english + ' ' +
                    FormatInt16(date.year);
    return words;
}

std::optional<DateInWords> ResultWords(const Conversion& conversion) {
    const DateFields& r = conversion.result;
    if (conversion.direction == Direction::kToPersian)
        return InWords(conversion.day, r, PersianMonthName(r.month), kPersianName);
    const std::optional<JulianDayNumber> back = CalendarOf(conversion.calendar).toDayNumber(r.year, r.month, r.day);
    if (!back || *back != conversion.day) return std::nullopt;
    return InWords(conversion.day, r, MonthNameOf(conversion.calendar, r), ResultCalendarName(conversion));
}

}  // namespace velmora::window
