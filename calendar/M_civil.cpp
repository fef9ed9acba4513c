#include "M_civil.h"

#include "M_julian.h"

namespace velmora {

// The Fliegel-Van Flandern algorithm for the Gregorian calendar: 146097 days
// make 400 Gregorian years, 1461001 days 4000 of them; 68569 moves day 0 of
// the count to 1 March of year -4800, and the month comes from the 2447/80
// ratio on a March year. Every step is a checked 32-bit operation and every
// division truncates toward zero.
void JulianDayToGregorian(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                          std::int16_t& day) {
    if (jd <= kLastJulianCalendarDay) {
        JulianDayToJulian(jd, year, month, day);
        return;
    }
    std::int32_t l = CheckedAdd32(jd, 68569);
    const std::int32_t n = CheckedMul32(4, l) / 146097;  // 400-year blocks
    l = CheckedSub32(l, CheckedAdd32(CheckedMul32(146097, n), 3) / 4);
    const std::int32_t i = CheckedMul32(4000, CheckedAdd32(l, 1)) / 1461001;  // year in block
    l = CheckedAdd32(CheckedSub32(l, CheckedMul32(1461, i) / 4), 31);
    const std::int32_t j = CheckedMul32(80, l) / 2447;
    day = Narrow16(CheckedSub32(l, CheckedMul32(2447, j) / 80));
    l = j / 11;
    month = Narrow16(CheckedSub32(CheckedAdd32(j, 2), CheckedMul32(12, l)));
    year = Narrow16(CheckedAdd32(
        CheckedAdd32(CheckedMul32(100, CheckedSub32(n, 49)), i), l));
}

}  // namespace velmora
