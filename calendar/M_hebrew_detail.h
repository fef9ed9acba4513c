// Internals of the Hebrew day-number conversion, open to the tests.
#pragma once

#include "numeric.h"

namespace velmora::detail {

// The conversion as first designed: a downward year search from a 365-day
// estimate, stepping up where the estimate lies low, and a month walk that
// asks LastDayOfHebrewMonth for each month. JulianDayToHebrew gives the same
// dates with fewer evaluations; this path stays as the reference it is
// tested against. It adds to yearSearchEvaluations the number of times its
// year search evaluates HebrewElapsedDays. The count lets the tests hold the
// search to its bound without any state outside the call.
void JulianDayToHebrew(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day, std::int32_t& yearSearchEvaluations);

// HebrewElapsedDays(year) for years from 1 on, computed in a cheaper form.
std::int32_t HebrewYearStart(std::int32_t year);

}  // namespace velmora::detail
