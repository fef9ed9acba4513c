// Sequences of Persian dates for the benchmarks.
#pragma once

#include "numeric.h"

#include <vector>

namespace velmora::bench {

// Every day of the Persian years first..last, in order.
std::vector<DateFields> PersianDaysOfYears(int first, int last);

// Calls visit(date) for every Persian date of the 16-bit years whose day
// number lies in lowest..highest, in order.
template <typename Visit>
void ForEachPersianDate(JulianDayNumber lowest, JulianDayNumber highest, Visit&& visit);

// The day number of 1 Farvardin of year and the length of that year, as the
// converter counts them (years 0 and -1 coincide and are visited once).
struct PersianYear {
    JulianDayNumber firstDay;
    int length;
};
PersianYear PersianYearAt(std::int16_t year);

template <typename Visit>
void ForEachPersianDate(JulianDayNumber lowest, JulianDayNumber highest, Visit&& visit) {
    // Year -32295 is the first whose day numbers exist; -1 repeats year 0.
    for (int year = -32295; year <= 32767; ++year) {
        if (year == -1) continue;
        const auto y = static_cast<std::int16_t>(year);
        const PersianYear info = PersianYearAt(y);
        if (info.firstDay > highest) return;
        if (info.firstDay + info.length <= lowest) continue;
        JulianDayNumber jd = info.firstDay;
        for (std::int16_t month = 1; month <= 12; ++month) {
            // Months 1..6 have 31 days, 7..11 have 30, 12 the rest of the year.
            const int length = month <= 6 ? 31 : month <= 11 ? 30 : info.length - 336;
            for (std::int16_t day = 1; day <= length; ++day, ++jd) {
                if (jd >= lowest && jd <= highest) visit(DateFields{y, month, day});
            }
        }
    }
}

}  // namespace velmora::bench
