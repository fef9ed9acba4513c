// The months of a Persian year, the same in the arithmetic and the official
// calendar: months 1..6 have 31 days, months 7..11 have 30, and Esfand (12)
// has the rest of the year. Only where a year starts, and so Esfand's
// length, differs between the two.
#pragma once

#include <cstdint>

#include "calendar/numeric.h"

namespace velmora::persian_months {

inline constexpr std::int16_t kMonthsPerYear = 12;
inline constexpr std::int16_t kLastLongMonth = 6;
inline constexpr std::int16_t kLongMonthDays = 31;
inline constexpr std::int16_t kShortMonthDays = 30;
inline constexpr std::int32_t kLongMonthsDays = kLastLongMonth * kLongMonthDays;  // 186

// Days from 1 Farvardin to day 1 of month. Months outside 1..12 count
// through the same offsets ((month - 1) * 31 up to month 7, (month - 1) * 30
// + 6 after it, which meet at month 7), so that the arithmetic calendar can
// carry them: month 0 lies 31 days before month 1.
constexpr std::int32_t DaysBeforeMonth(std::int32_t month) {
    constexpr std::int32_t kShortMonthShift = kLongMonthsDays - kLastLongMonth * kShortMonthDays;  // 6
    const std::int32_t monthsBefore = month - 1;
    if (month <= kLastLongMonth + 1) return monthsBefore * kLongMonthDays;
    return monthsBefore * kShortMonthDays + kShortMonthShift;
}

// Days of months 1..11; Esfand's length depends on the year.
constexpr std::int16_t DaysOfMonthBeforeEsfand(std::int16_t month) {
    return month <= kLastLongMonth ? kLongMonthDays : kShortMonthDays;
}

// The month and day of the day dayOfYear (0 = 1 Farvardin) days into a year;
// every day from Esfand's first on is in Esfand.
constexpr DateFields MonthAndDay(std::int16_t year, std::int32_t dayOfYear) {
    std::int32_t month = 0;
    std::int32_t dayOfMonth = 0;
    if (dayOfYear < kLongMonthsDays) {
        month = dayOfYear / kLongMonthDays + 1;
        dayOfMonth = dayOfYear % kLongMonthDays;
    } else {
        const std::int32_t shortMonths = (dayOfYear - kLongMonthsDays) / kShortMonthDays;
        constexpr std::int32_t kShortMonthsBeforeEsfand = kMonthsPerYear - 1 - kLastLongMonth;  // 5
        month = kLastLongMonth + 1 + (shortMonths < kShortMonthsBeforeEsfand ? shortMonths : kShortMonthsBeforeEsfand);
        dayOfMonth = dayOfYear - DaysBeforeMonth(month);
    }
    return DateFields{year, static_cast<std::int16_t>(month), static_cast<std::int16_t>(dayOfMonth + 1)};
}

static_assert(DaysBeforeMonth(7) == kLongMonthsDays && DaysBeforeMonth(12) == 336 && DaysBeforeMonth(0) == -31);

}  // namespace velmora::persian_months
