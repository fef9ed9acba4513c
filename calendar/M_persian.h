// The Persian (Solar Hijri) calendar in its arithmetic 2820-year-cycle form.
#pragma once

#include <optional>

#include "calendar/numeric.h"

namespace velmora {

// Day number of a Persian date (month 1 = Farvardin). No field is range
// checked: months and days outside their usual ranges count through the
// arithmetic (month 0 is 31 days before month 1, day 0 the day before day 1).
// Years -32768..-32296 raise OverflowError; every other input converts.
// Years 0 and -1 give the same day numbers: there is no separate year 0.
JulianDayNumber PersianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day);

// The years whose dates JulianDayToPersian gives: the lowest year whose day
// numbers PersianToJulianDay computes, and the highest 16-bit year.
inline constexpr std::int16_t kFirstPersianYear = -32295;
inline constexpr std::int16_t kLastPersianYear = 32767;

// The date of the arithmetic calendar of day number day: the one date with
// month 1..12 and day 1..PersianMonthLength that PersianToJulianDay turns
// into day, never in year 0 (the year before 1 is -1). nullopt when its year
// lies outside kFirstPersianYear..kLastPersianYear (day numbers below
// -9847175 or after 32767/12/29). Never raises.
std::optional<DateFields> JulianDayToPersian(JulianDayNumber day);

// Days in month (1..12) of year, as the arithmetic counts them: 31 for
// months 1-6; 30 for months 7-11 (the 31st of month 7 is the 1st of month 8);
// for month 12 the days up to the next 1 Farvardin, 29 in a common year, 30
// in a leap year and 31 in the eleven years -30547, -27727, ..., -2347 that
// end a 2820-year cycle before the era, where the truncating cycle division
// steps. nullopt for year 0, a year outside kFirstPersianYear..
// kLastPersianYear or a month outside 1..12. Never raises.
std::optional<std::int16_t> PersianMonthLength(std::int16_t year, std::int16_t month);

// True for exactly the dates that JulianDayToPersian gives: a year of
// kFirstPersianYear..kLastPersianYear other than 0, month 1..12 and day
// 1..PersianMonthLength.
bool IsPersianDate(std::int16_t year, std::int16_t month, std::int16_t day);

}  // namespace velmora
