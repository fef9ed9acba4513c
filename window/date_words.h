// A date read out in words, with its weekday and month name:
// «دوشنبه ۹ ژوئن ۲۰۰۳ میلادی» and "Monday 9 June 2003".
#pragma once

#include "window/calendar_texts.h"
#include "window/conversion.h"

#include <optional>
#include <string>

namespace velmora::window {

struct DateInWords {
    std::string persian;  // with Persian digits and the calendar's name
    std::string english;
};

// The date of day number day, named month in calendar, in words.
DateInWords InWords(JulianDayNumber day, const DateFields& date, MonthName month, CalendarName calendar);

// A conversion's result in words, or nothing when its fields are no date of
// its calendar (Form1's 0 0 0 before the Hebrew era, or fields far in the
// past that have left their usual ranges): the words name a date only when
// that calendar's own conversion of it gives the converted day back.
std::optional<DateInWords> ResultWords(const Conversion& conversion);

}  // namespace velmora::window
