#include "window/date_words.h"

#include "window/persian_numbers.h"

#include <array>
#include <cstdint>

namespace velmora::window {

namespace {

struct Name {
    const char* persian;
    const char* english;
};

// Sunday first.
constexpr std::array<Name, 7> kWeekdays = {{
    {"یکشنبه", "Sunday"},
    {"دوشنبه", "Monday"},
    {"سه\u200Cشنبه", "Tuesday"},
    {"چهارشنبه", "Wednesday"},
    {"پنجشنبه", "Thursday"},
    {"جمعه", "Friday"},
    {"شنبه", "Saturday"},
}};

// Day number 0 was a Monday: (jd + 1) mod 7 is 0 on Sundays.
const Name& Weekday(JulianDayNumber jd) {
    constexpr std::int64_t kDaysPerWeek = 7;
    const std::int64_t sinceSunday = ((std::int64_t{jd} + 1) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
    return kWeekdays[static_cast<std::size_t>(sinceSunday)];
}

}  // namespace

CalendarName CalendarNameOf(const ConvertedDate& date) { return NameOf(date.calendar, date.dayNumber); }

DateInWords InWords(JulianDayNumber day, const DateFields& date, MonthName month, CalendarName calendar) {
    const Name& weekday = Weekday(day);
    DateInWords words;
    words.persian = std::string(weekday.persian) + ' ' + PersianNumber(date.day) + ' ' + month.persian + ' ' +
                    PersianNumber(date.year) + ' ' + calendar.persian;
    words.english = std::string(weekday.english) + ' ' + FormatInt16(date.day) + ' ' + month.english + ' ' +
                    FormatInt16(date.year);
    return words;
}

std::optional<DateInWords> DateWords(const ConvertedDate& date) {
    const Calendar& calendar = CalendarOf(date.calendar);
    const DateFields& r = date.result;
    const std::optional<JulianDayNumber> back = calendar.toDayNumber(r.year, r.month, r.day);
    if (!back || *back != date.dayNumber) return std::nullopt;
    return InWords(date.dayNumber, r, calendar.monthName(r), CalendarNameOf(date));
}

DateInWords PersianDateWords(JulianDayNumber day, const DateFields& persian) {
    return InWords(day, persian, PersianMonthName(persian.month), kPersianName);
}

}  // namespace velmora::window
