// The Hebrew conversion in its literal form, kept as a reference for the
// library's faster one: a year search from the 365-day estimate over
// HebrewElapsedDays, and a month walk over LastDayOfHebrewMonth.
#pragma once

#include <cstdint>

#include "numeric.h"

namespace velmora::reference {

// The Hebrew date of day number jd, with the fields written in the order
// JulianDayToHebrew writes them and the same OverflowError. It adds to
// yearSearchEvaluations the number of times its year search evaluates
// HebrewElapsedDays, so the tests can hold the search to its bound without
// any state outside the call.
void JulianDayToHebrew(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day, std::int32_t& yearSearchEvaluations);

}  // namespace velmora::reference
