// Today as the windows use it: the local day of the platform's clock.
#pragma once

#include "calendar/numeric.h"
#include "platform/clock.h"

#include <cstdint>

namespace velmora::window {

// Today's local day. Raises std::runtime_error when the clock's date is no
// Gregorian date.
JulianDayNumber Today(platform::Clock& clock);

// Today's year in the official Persian calendar, or in the arithmetic one
// beyond the official calendar's years.
std::int16_t CurrentPersianYear(platform::Clock& clock);

}  // namespace velmora::window
