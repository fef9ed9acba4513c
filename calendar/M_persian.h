// The Persian (Solar Hijri) calendar in its arithmetic 2820-year-cycle form.
#pragma once

#include "numeric.h"

namespace velmora {

// Day number of a Persian date (month 1 = Farvardin). No field is range
// checked: months and days outside their usual ranges count through the
// arithmetic (month 0 is 31 days before month 1, day 0 the day before day 1).
// Years -32768..-32296 raise OverflowError; every other input converts.
// Years 0 and -1 give the same day numbers: there is no separate year 0.
JulianDayNumber PersianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day);

}  // namespace velmora
