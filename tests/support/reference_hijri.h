// The Islamic conversion in its literal form, kept as a reference for the
// library's faster one: new moons from the 13 sines of the series' table
// arguments, and a downward month search that computes every month start
// from the estimate down.
#pragma once

#include <cstdint>

#include "numeric.h"

namespace velmora::reference {

// NewMoonInstant with each periodic term's sine taken of its own argument, as
// the series states it.
double NewMoonInstant(std::int32_t n);

// MonthStartInstant on the new moon above.
double MonthStartInstant(std::int32_t n);

// The Islamic date of day number jd, with the fields written in the order
// JulianDayToIslamic writes them. It adds to monthStartsComputed the number
// of month starts its search computed (1 when the estimate is already the
// month sought).
void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day, std::int32_t& monthStartsComputed);

}  // namespace velmora::reference
