// A converted date read out in words, with its weekday and month name:
// «دوشنبه ۹ ژوئن ۲۰۰۳ میلادی» and "Monday 9 June 2003".
#pragma once

#include "window/converted_date.h"

#include <optional>
#include <string>

namespace velmora::window {

struct CalendarName {
    const char* persian;
    const char* english;
};

// The calendar of a result: the target's, but Julian for early dates from
// the Gregorian button.
CalendarName CalendarNameOf(const ConvertedDate& date);

struct DateInWords {
    std::string persian;  // with Persian digits and the calendar's name
    std::string english;
};

// The result in words, or nothing when its fields are no real date of its
// calendar (0 0 0 before the Hebrew era, or the fields far in the past that
// have left their usual ranges).
std::optional<DateInWords> DateWords(const ConvertedDate& date);

}  // namespace velmora::window
