// Independent inverses of the civil calendars, written for the tests.
#pragma once

#include <cstdint>

namespace velmora::test {

// Day number of a proleptic Gregorian date (astronomical years), after
// Howard Hinnant's days_from_civil shifted from 1970-01-01 to day numbers.
std::int64_t GregorianToDayNumber(std::int64_t year, int month, int day);

// Day number of a Julian-calendar date (astronomical years).
std::int64_t JulianToDayNumber(std::int64_t year, int month, int day);

}  // namespace velmora::test
