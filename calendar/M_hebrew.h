// The fixed Hebrew calendar: leap years, the start of each year, year and
// month lengths, and day numbers to Hebrew dates.
#pragma once

#include <cstddef>
#include <optional>

#include "calendar/numeric.h"

namespace velmora {

// True when year is a leap year of the 19-year cycle (13 months).
bool HebrewLeapYear(std::int32_t year);

// Day index of 1 Tishri of year, counting 1 Tishri of year 1 as day 1.
std::int32_t HebrewElapsedDays(std::int32_t year);

// Number of days in year: 353, 354, 355, 383, 384 or 385.
std::int32_t DaysInHebrewYear(std::int32_t year);

// True when Heshvan of year has 30 days.
bool LongHeshvan(std::int32_t year);

// True when Kislev of year has 29 days.
bool ShortKislev(std::int32_t year);

// Number of days in month of year (Tishri = 1), 29 or 30.
std::int16_t LastDayOfHebrewMonth(std::int32_t year, std::int16_t month);

// The first day of the Hebrew era, 1 Tishri of year 1; the days before it
// have no Hebrew date.
inline constexpr JulianDayNumber kHebrewFirstDay = 347998;

// Days in month of year (Tishri = 1, numbered as JulianDayToHebrew numbers
// them); nullopt before year 1 or for a month the year does not have.
// Never raises.
std::optional<std::int16_t> HebrewMonthLength(std::int16_t year, std::int16_t month);

// The place of a date's month in the year's month names, where both Adars
// of a leap year and the one Adar of a common year each have a place:
// Tishri 0 .. Shevat 4, Adar 5, Adar I 6, Adar II 7, Nisan 8 .. Elul 13.
std::size_t HebrewMonthNameKey(std::int16_t year, std::int16_t month);

// The Hebrew date of day number jd. Day numbers up to 347997 (before
// 1 Tishri of year 1) give 0, 0, 0.
void JulianDayToHebrew(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day);

// The day number of a Hebrew date: year 1 or later, month 1..12 in a common
// year and 1..13 in a leap year, numbered as JulianDayToHebrew numbers them
// (Tishri = 1; in a leap year Adar I = 6 and Adar II = 7), and day
// 1..LastDayOfHebrewMonth. nullopt for any other fields. Years up to 32767
// convert, also past 32745/12/4 (day number 12307951), the last day
// JulianDayToHebrew converts. Never raises.
std::optional<JulianDayNumber> HebrewToJulianDay(std::int16_t year, std::int16_t month,
                                                 std::int16_t day);

}  // namespace velmora
