// Internals of the Hebrew day-number conversion, open to the tests.
#pragma once

#include "calendar/numeric.h"

namespace velmora::detail {

// HebrewElapsedDays(year) for years from 1 on, computed in a cheaper form.
std::int32_t HebrewYearStart(std::int32_t year);

}  // namespace velmora::detail
