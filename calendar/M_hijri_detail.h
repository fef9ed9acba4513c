// Internals of the Islamic conversion that the tests observe.
#pragma once

#include "numeric.h"

namespace velmora::detail {

// MonthStartInstant of a lunation whose new moon falls at Julian Date t (UT):
// t itself when the new moon falls after midnight UT and no later than
// 03:00 UT, read from the fraction in single precision; t + 1 otherwise.
double MonthStartFromNewMoon(double t);

// JulianDayToIslamic, which it implements, that also adds to
// monthStartsComputed the number of month starts its downward search
// computed (1 when the lunation estimate is already the month sought).
void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day, std::int32_t& monthStartsComputed);

}  // namespace velmora::detail
