// Day numbers to dates of the Julian calendar.
#pragma once

#include "calendar/numeric.h"

namespace velmora {

// The Julian-calendar date of day number jd, with astronomical years (year 0
// precedes year 1). Writes day, then month, then year; a field outside 16 bits
// raises OverflowError and the fields written before it keep their values.
// From day number -1402 downward the fields no longer form a real date
// (-1402 gives -4716/2/30): the formula is applied unchanged.
void JulianDayToJulian(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day);

}  // namespace velmora
