// The official Iranian calendar, for the years whose leap years the Center
// for Calendar of the University of Tehran's Institute of Geophysics
// publishes. Unlike the arithmetic calendar of M_persian.h, its leap years
// follow the observed March equinox, so the two differ in some years.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/numeric.h"

namespace velmora {

// The years the published leap-year table covers, both included.
inline constexpr std::int16_t kOfficialPersianFirstYear = 1206;
inline constexpr std::int16_t kOfficialPersianLastYear = 1498;

// True for a year that the official calendar covers.
constexpr bool InOfficialPersianYears(std::int16_t year) {
    return year >= kOfficialPersianFirstYear && year <= kOfficialPersianLastYear;
}

// Day number of a Persian date (month 1 = Farvardin) in the official
// calendar. nullopt when the year lies outside the covered years, the month
// outside 1..12, or the day outside 1..the month's length: 31 days for
// months 1-6, 30 for months 7-11, and 29 for month 12, 30 in a leap year.
std::optional<JulianDayNumber> OfficialPersianToJulianDay(std::int16_t year, std::int16_t month,
                                                          std::int16_t day);

// The official calendar's date of day number day: month 1..12 and day 1..the
// month's length as above. nullopt outside the covered years, that is
// before 1206/1/1 (day number 2388438, 22 March 1827) and after 1498/12/30
// (2495453, 20 March 2120). Never raises.
std::optional<DateFields> JulianDayToOfficialPersian(JulianDayNumber day);

}  // namespace velmora
