#include "persian_dates.h"

#include "M_persian.h"

namespace velmora::bench {

PersianYear PersianYearAt(std::int16_t year) {
    const JulianDayNumber first = PersianToJulianDay(year, 1, 1);
    // The year after 32767 does not fit 16 bits; the year one 2820-year
    // cycle earlier has the same length.
    constexpr int kCycleYears = 2820;
    if (year == INT16_MAX) return {first, PersianYearAt(INT16_MAX - kCycleYears).length};
    return {first, PersianToJulianDay(static_cast<std::int16_t>(year + 1), 1, 1) - first};
}

std::vector<DateFields> PersianDaysOfYears(int first, int last) {
    std::vector<DateFields> dates;
    ForEachPersianDate(PersianYearAt(static_cast<std::int16_t>(first)).firstDay,
                       PersianYearAt(static_cast<std::int16_t>(last)).firstDay +
                           PersianYearAt(static_cast<std::int16_t>(last)).length - 1,
                       [&](const DateFields& d) { dates.push_back(d); });
    return dates;
}

}  // namespace velmora::bench
