#include "calendar/M_persian.h"

#include "calendar/persian_months.h"

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

// Day number of the day before 1 Farvardin of year 1 within the first cycle.
constexpr std::int32_t kDayNumberOffset = 1948320;

}  // namespace

JulianDayNumber PersianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day) {
    // base lies in -33242..32293 and fits 32 bits once widened.
    const std::int32_t base =
        CheckedSub16(year, year >= 0 ? kCycleAnchor : kCycleAnchorBeforeEra);
    // cycleYear lies in -2345..3293: the remainder takes the dividend's sign.
    const std::int32_t cycleYear = CheckedAdd32(base % kCycleYears, kCycleAnchor);

    // A 16-bit month keeps the offset within 32 bits.
    const std::int32_t monthDays = persian_months::DaysBeforeMonth(month);

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

// ---- Day numbers to Persian dates -----------------------------------------
// The inverse of PersianToJulianDay. Years are counted here by their cycle
// base, year - 474 from year 0 on and year - 473 before it, which runs
// without a gap (years 0 and -1 share base -474; the dates are given in -1).
// 1 Farvardin of a base is the forward formula with month 1 and day 1; its
// values fit 32 bits for every base of a 16-bit year and the one after
// 32767, so it needs no checks and cannot raise.

namespace {

constexpr std::int32_t YearStartOfBase(std::int32_t base) {
    const std::int32_t cycleYear = base % kCycleYears + kCycleAnchor;
    const std::int32_t leapDays = (cycleYear * kLeapNumerator - kLeapOffset) / kLeapDenominator;
    const std::int32_t firstDay = 1;
    return (base / kCycleYears) * kDaysPerCycle + leapDays + firstDay +
           (cycleYear - 1) * kDaysPerCommonYear + kDayNumberOffset;
}

constexpr std::int32_t BaseOfYear(std::int32_t year) {
    return year - (year >= 0 ? kCycleAnchor : kCycleAnchorBeforeEra);
}

// The year of a base; base -474 is shown as year -1, never as 0.
constexpr std::int32_t YearOfBase(std::int32_t base) {
    const std::int32_t yearFromZero = base + kCycleAnchor;
    return yearFromZero >= 1 ? yearFromZero : yearFromZero - 1;
}

constexpr std::int32_t kFirstBase = BaseOfYear(kFirstPersianYear);
constexpr std::int32_t kLastBase = BaseOfYear(kLastPersianYear);
constexpr JulianDayNumber kFirstDay = YearStartOfBase(kFirstBase);
constexpr JulianDayNumber kDayAfterLast = YearStartOfBase(kLastBase + 1);
static_assert(kFirstDay == -9847175);  // -32295/1/1
static_assert(YearStartOfBase(BaseOfYear(1)) == 1948321);  // 1/1/1

using persian_months::kMonthsPerYear;
constexpr std::int32_t kDaysBeforeLastMonth = persian_months::DaysBeforeMonth(kMonthsPerYear);  // 336

// The mean year, 1029983 / 2820 days, puts the estimate on the base that
// holds the day for all but about one day in 640 of the range, and never
// more than one year off.
struct BaseAndStart {
    std::int32_t base;
    JulianDayNumber start;  // its 1 Farvardin
};

BaseAndStart BaseHolding(JulianDayNumber day) {
    constexpr JulianDayNumber kFirstDayOfYearOne = YearStartOfBase(BaseOfYear(1));
    const std::int64_t sinceEpoch = std::int64_t{day} - kFirstDayOfYearOne;
    std::int32_t base =
        static_cast<std::int32_t>(FloorDiv(sinceEpoch * kCycleYears, kDaysPerCycle)) + BaseOfYear(1);
    if (base < kFirstBase) base = kFirstBase;
    if (base > kLastBase) base = kLastBase;
    JulianDayNumber start = YearStartOfBase(base);
    while (start > day) start = YearStartOfBase(--base);
    for (JulianDayNumber next = YearStartOfBase(base + 1); next <= day;
         next = YearStartOfBase(base + 1)) {
        ++base;
        start = next;
    }
    return {base, start};
}

bool IsPersianMonth(std::int16_t year, std::int16_t month) {
    return year != 0 && year >= kFirstPersianYear && month >= 1 && month <= kMonthsPerYear;
}

}  // namespace

std::optional<DateFields> JulianDayToPersian(JulianDayNumber day) {
    if (day < kFirstDay || day >= kDayAfterLast) return std::nullopt;
    const BaseAndStart year = BaseHolding(day);
    return persian_months::MonthAndDay(static_cast<std::int16_t>(YearOfBase(year.base)), day - year.start);
}

std::optional<std::int16_t> PersianMonthLength(std::int16_t year, std::int16_t month) {
    if (!IsPersianMonth(year, month)) return std::nullopt;
    if (month < kMonthsPerYear) return persian_months::DaysOfMonthBeforeEsfand(month);
    const std::int32_t base = BaseOfYear(year);
    return static_cast<std::int16_t>(YearStartOfBase(base + 1) - YearStartOfBase(base) -
                                     kDaysBeforeLastMonth);
}

bool IsPersianDate(std::int16_t year, std::int16_t month, std::int16_t day) {
    const std::optional<std::int16_t> length = PersianMonthLength(year, month);
    return length && day >= 1 && day <= *length;
}

}  // namespace velmora
