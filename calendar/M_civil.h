// Day numbers to civil Western dates: Gregorian from the 1582 reform on,
// Julian before it.
#pragma once

#include "numeric.h"

namespace velmora {

// Last day of the Julian calendar in civil use: 4 October 1582 (Julian).
// The next day, 2299161, is 15 October 1582 (Gregorian).
constexpr JulianDayNumber kLastJulianCalendarDay = 2299160;

// The civil date of day number jd: Gregorian after kLastJulianCalendarDay,
// otherwise the Julian-calendar date. Years are astronomical. Writes day,
// then month, then year; a field outside 16 bits raises OverflowError and the
// fields written before it keep their values (13689326, 1 January 32768,
// leaves day 1 and month 1 written).
void JulianDayToGregorian(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                          std::int16_t& day);

}  // namespace velmora
