// The astronomical Islamic calendar: new moons from a lunar-phase series and
// the month starts and dates derived from them.
#pragma once

#include "numeric.h"

namespace velmora {

// Julian Date (UT) of the new moon of lunation n; lunation 0 is the new moon
// of 1 January 1900.
double NewMoonInstant(std::int32_t n);

// The instant from which the month of lunation n counts.
double MonthStartInstant(std::int32_t n);

// The Islamic date of day number jd.
void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day);

}  // namespace velmora
