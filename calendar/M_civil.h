// Day numbers to civil Western dates: Gregorian from the 1582 reform on,
// Julian before it.
#pragma once

#include <optional>

#include "calendar/numeric.h"

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

// First day of the Gregorian calendar: 15 October 1582.
constexpr JulianDayNumber kFirstGregorianCalendarDay = kLastJulianCalendarDay + 1;

// The day number of a civil date, in the calendars JulianDayToGregorian
// gives: the Julian calendar up to 1582/10/4, the Gregorian from 1582/10/15,
// astronomical years (year 0 precedes year 1). nullopt for the ten dates
// 1582/10/5..14 that the reform skipped, a month outside 1..12 and a day
// outside its month. Every 16-bit year converts, also before -4716/3/1
// (day number -1401), below which JulianDayToGregorian no longer forms
// dates. Never raises.
std::optional<JulianDayNumber> GregorianToJulianDay(std::int16_t year, std::int16_t month,
                                                    std::int16_t day);

// Days in month (1..12) of year: the Julian calendar's up to 1582, the
// Gregorian calendar's from 1583; October 1582 has 31 days of which the
// 5th to the 14th do not exist. nullopt for a month outside 1..12.
std::optional<std::int16_t> CivilMonthLength(std::int16_t year, std::int16_t month);

}  // namespace velmora
