// A date read out in words, with its weekday and month name:
// «دوشنبه ۹ ژوئن ۲۰۰۳ میلادی» and "Monday 9 June 2003".
#pragma once

#include "window/calendars.h"
#include "window/converted_date.h"

#include <optional>
#include <string>

namespace velmora::window {

// The calendar of a result: the target's, but Julian for early dates from
// the Gregorian button.
CalendarName CalendarNameOf(const ConvertedDate& date);

struct DateInWords {
    std::string persian;  // with Persian digits and the calendar's name
    std::string english;
};

// The date of day number day, named month in calendar, in words.
DateInWords InWords(JulianDayNumber day, const DateFields& date, MonthName month, CalendarName calendar);

// Form1's result in words, or nothing when its fields are no date of its
// calendar (0 0 0 before the Hebrew era, or the fields far in the past that
// have left their usual ranges): the words name a date only when that
// calendar's own conversion of it gives the converted day back.
std::optional<DateInWords> DateWords(const ConvertedDate& date);

// A date of the arithmetic Persian calendar, day number day, in words.
DateInWords PersianDateWords(JulianDayNumber day, const DateFields& persian);

}  // namespace velmora::window
