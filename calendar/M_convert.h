// The three conversions the window offers. Each takes a Persian date in the
// three fields and overwrites them in place with the target calendar's date.
// A conversion that raises may leave some fields already overwritten.
#pragma once

#include "calendar/numeric.h"

namespace velmora {

// To the Gregorian calendar, or the Julian calendar up to 4 October 1582.
void PersianToGregorian(std::int16_t& year, std::int16_t& month, std::int16_t& day);

// To the Hebrew calendar.
void PersianToHebrew(std::int16_t& year, std::int16_t& month, std::int16_t& day);

// To the astronomical Islamic calendar.
void PersianToIslamic(std::int16_t& year, std::int16_t& month, std::int16_t& day);

}  // namespace velmora
