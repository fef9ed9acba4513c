// Internals of the Islamic conversion that the tests observe.
#pragma once

#include "numeric.h"

namespace velmora::detail {

// MonthStartInstant of a lunation whose new moon falls at Julian Date t (UT):
// t itself when the new moon falls after midnight UT and no later than
// 03:00 UT, read from the fraction in single precision; t + 1 otherwise.
double MonthStartFromNewMoon(double t);

// The conversion as first designed, with a downward search that computes
// every month start from the estimate down; it adds to monthStartsComputed
// the number it computed (1 when the estimate is already the month sought).
// JulianDayToIslamic gives the same dates and skips the month starts that
// EarliestMonthStart places after the day; this path stays as the reference
// it is tested against.
void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day, std::int32_t& monthStartsComputed);

// A lower bound of MonthStartInstant(n) computed without sines.
double EarliestMonthStart(std::int32_t n);

}  // namespace velmora::detail
