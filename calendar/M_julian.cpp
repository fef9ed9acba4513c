#include "calendar/M_julian.h"

namespace velmora {

// A Julian-calendar variant of the Fliegel-Van Flandern algorithm. Day
// numbers are shifted so that the count starts at 1 March of year -4716;
// 1461 days make four Julian years, and the month is found with the 2447/80
// ratio (30.5875 days a month) on a year that starts in March, then moved
// back to a January year. Every step is a checked 32-bit operation and every
// division truncates toward zero.
void JulianDayToJulian(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day) {
    std::int32_t j = CheckedAdd32(jd, 1402);
    const std::int32_t k = CheckedSub32(j, 1) / 1461;             // four-year blocks
    const std::int32_t l = CheckedSub32(j, CheckedMul32(1461, k));  // day within the block
    const std::int32_t n = CheckedSub32(CheckedSub32(l, 1) / 365, l / 1461);  // year in block
    std::int32_t i = CheckedAdd32(CheckedSub32(l, CheckedMul32(365, n)), 30);
    j = CheckedMul32(80, i) / 2447;
    day = Narrow16(CheckedSub32(i, CheckedMul32(2447, j) / 80));
    i = j / 11;
    month = Narrow16(CheckedSub32(CheckedAdd32(j, 2), CheckedMul32(12, i)));
    year = Narrow16(CheckedSub32(
        CheckedAdd32(CheckedAdd32(CheckedMul32(4, k), n), i), 4716));
}

}  // namespace velmora
