#include "M_persian.h"

namespace velmora {

namespace {

// A grand cycle of 2820 Persian years holds exactly 1029983 days. Years are
// counted within the cycle from the anchor year 474.
constexpr std::int32_t kCycleYears = 2820;
constexpr std::int32_t kDaysPerCycle = 1029983;
constexpr std::int16_t kCycleAnchor = 474;
constexpr std::int16_t kCycleAnchorBeforeEra = 473;  // there is no year 0

// Leap days before a year of the cycle: (cycleYear * 682 - 110) / 2816, truncated.
// A year is a leap year where this count steps up by one.
constexpr std::int32_t kLeapNumerator = 682;
constexpr std::int32_t kLeapOffset = 110;
constexpr std::int32_t kLeapDenominator = 2816;

constexpr std::int32_t kDaysPerCommonYear = 365;

// Months 1..7 have 31 days in the offset formula and months 8..12 have 30;
// months 1..6 are 31 days long, and the 31st of month 7 is the 1st of month 8.
constexpr std::int32_t kLastLongMonth = 7;
constexpr std::int32_t kLongMonthDays = 31;
constexpr std::int32_t kShortMonthDays = 30;
constexpr std::int32_t kShortMonthShift = 6;  // (month - 1) * 30 + 6 from month 8 on

// Day number of the day before 1 Farvardin of year 1 within the first cycle.
constexpr std::int32_t kDayNumberOffset = 1948320;

}  // namespace

JulianDayNumber PersianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day) {
    // base lies in -33242..32293 and fits 32 bits once widened.
    const std::int32_t base =
        CheckedSub16(year, year >= 0 ? kCycleAnchor : kCycleAnchorBeforeEra);
    // cycleYear lies in -2345..3293: the remainder takes the dividend's sign.
    const std::int32_t cycleYear = CheckedAdd32(base % kCycleYears, kCycleAnchor);

    const std::int32_t monthIndex = CheckedSub32(month, 1);
    const std::int32_t monthDays =
        month > kLastLongMonth
            ? CheckedAdd32(CheckedMul32(monthIndex, kShortMonthDays), kShortMonthShift)
            : CheckedMul32(monthIndex, kLongMonthDays);

    // The leap-day count and the cycle count are truncated quotients, and the
    // sum of the day counts is a whole number. Computed as doubles, every
    // operand is an integer far below 2^53 and no quotient comes within
    // 1/2820 of a whole number unless it is one, so truncating the rounded
    // double quotient gives the truncated integer quotient: integer
    // arithmetic gives the same day numbers bit for bit, and no
    // floating-point fault is possible. jd stays within -10.9 to 14.7 million.
    const std::int32_t leapDays =
        CheckedSub32(CheckedMul32(cycleYear, kLeapNumerator), kLeapOffset) / kLeapDenominator;
    const std::int32_t s = CheckedAdd32(
        CheckedAdd32(leapDays, CheckedAdd32(day, monthDays)),
        CheckedMul32(CheckedSub32(cycleYear, 1), kDaysPerCommonYear));
    const std::int32_t c = base / kCycleYears;
    const JulianDayNumber jd =
        CheckedAdd32(CheckedAdd32(CheckedMul32(c, kDaysPerCycle), s), kDayNumberOffset);
    return jd;
}

}  // namespace velmora
