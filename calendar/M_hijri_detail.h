// Internals of the Islamic conversion that the tests observe.
#pragma once

#include <array>

#include "numeric.h"

namespace velmora::detail {

// ---- The new-moon series --------------------------------------------------

// The lunar-phase series corrects the mean new moon by 13 periodic terms.
inline constexpr int kPeriodicTermCount = 13;

// The sines of the 13 terms' arguments, in table order: M, 2M, M', 2M', 3M',
// 2F, M' + M, M - M', 2F + M, 2F - M, 2F + M', 2F - M', 2M' + M.
using PeriodicSines = std::array<double, kPeriodicTermCount>;

// The periodic correction in days: each sine times its term's coefficient,
// summed in table order; term 1's coefficient depends on T.
double SumPeriodicTerms(double T, const PeriodicSines& sines);

// Forms the periodic correction from the time argument T, the Sun's and the
// Moon's mean anomalies M and M' and the doubled argument of latitude 2F,
// all in radians.
using PeriodicCorrectionForm = double (*)(double T, double M, double Mp, double F2);

// The new moon of lunation n (Julian Date, UT) with the periodic correction
// formed by correction: the one evaluation of the series. NewMoonInstant
// forms the correction from three sine-cosine pairs; the tests' literal
// form takes the 13 sines of the table's arguments.
double NewMoonWith(std::int32_t n, PeriodicCorrectionForm correction);

// A lower bound of MonthStartInstant(n) computed without sines.
double EarliestMonthStart(std::int32_t n);

// ---- Month starts and dates -----------------------------------------------

// MonthStartInstant of a lunation whose new moon falls at Julian Date t (UT):
// t itself when the new moon falls after midnight UT and no later than
// 03:00 UT, read from the fraction in single precision; t + 1 otherwise.
double MonthStartFromNewMoon(double t);

// The lunation the month search starts from, estimated from the civil date
// in the fields: never below the lunation whose month holds that day, so the
// search only moves down. Raises OverflowError or FloatingPointError where
// the estimate leaves 32 bits.
std::int32_t EstimateLunation(std::int16_t year, std::int16_t month, std::int16_t day);

// Writes the Islamic date of day number jd, which lies in the month of
// lunation n starting at Julian Date monthStart: year and month as
// JulianDayToIslamic writes them, then the day. A value outside 16 bits
// raises OverflowError with the fields written so far kept.
void StoreIslamicDate(JulianDayNumber jd, std::int32_t n, double monthStart, std::int16_t& year,
                      std::int16_t& month, std::int16_t& day);

}  // namespace velmora::detail
