#include "calendar/M_civil.h"

#include "calendar/M_julian.h"

#include <array>
#include <cstddef>

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

// ---- Civil dates to day numbers -------------------------------------------
// The inverse counts days from 1 March of year 0, in the manner of Howard
// Hinnant's days_from_civil: a year that starts in March puts the leap day
// last, so the months before it follow one formula and only the year's
// leap-day count differs between the two calendars. Every value fits 32 bits
// for 16-bit years (|day number| < 10.3 million), so nothing here can raise.

namespace {

// The reform: 4 October 1582 (Julian) was followed by 15 October 1582
// (Gregorian); the ten dates between never existed.
constexpr std::int16_t kReformYear = 1582;
constexpr std::int16_t kReformMonth = 10;
constexpr std::int16_t kLastJulianDayOfReformMonth = 4;
constexpr std::int16_t kFirstGregorianDayOfReformMonth = 15;

constexpr std::int16_t kMonthsPerYear = 12;
constexpr std::int16_t kFebruary = 2;
constexpr std::int32_t kDaysPerCommonYear = 365;

// Julian leap years: every fourth. Gregorian: 97 in 400.
constexpr std::int32_t kJulianCycleYears = 4;
constexpr std::int32_t kDaysPerJulianCycle = 4 * kDaysPerCommonYear + 1;  // 1461
constexpr std::int32_t kGregorianEraYears = 400;
constexpr std::int32_t kDaysPerGregorianEra = 400 * kDaysPerCommonYear + 97;  // 146097

constexpr bool IsJulianLeapYear(std::int32_t year) { return year % kJulianCycleYears == 0; }

constexpr bool IsGregorianLeapYear(std::int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % kGregorianEraYears == 0);
}

// A date of the Julian calendar when it precedes the reform; dates of the
// reform's gap count as neither calendar's and are rejected elsewhere.
constexpr bool BeforeReform(std::int32_t year, std::int32_t month, std::int32_t day) {
    if (year != kReformYear) return year < kReformYear;
    if (month != kReformMonth) return month < kReformMonth;
    return day <= kLastJulianDayOfReformMonth;
}

constexpr bool InReformGap(std::int32_t year, std::int32_t month, std::int32_t day) {
    return year == kReformYear && month == kReformMonth && day > kLastJulianDayOfReformMonth &&
           day < kFirstGregorianDayOfReformMonth;
}

constexpr std::array<std::int16_t, kMonthsPerYear> kCommonYearMonthLengths = {
    31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::int16_t MonthLength(std::int32_t month, bool leap) {
    if (month == kFebruary && leap) return 29;
    return kCommonYearMonthLengths[static_cast<std::size_t>(month - 1)];
}

// Days from 1 March to day 1 of month in a year that starts in March:
// March to July and August to December are runs of 31 30 31 30 31 days,
// 153 days per five months.
constexpr std::int32_t DaysFromMarch(std::int32_t month) {
    const std::int32_t monthsFromMarch = month > kFebruary ? month - 3 : month + 9;
    return (153 * monthsFromMarch + 2) / 5;
}

// Days from 1 March of year 0 to a date, in each calendar.
constexpr std::int32_t JulianDaysFromMarchZero(std::int32_t year, std::int32_t month,
                                               std::int32_t day) {
    const std::int32_t marchYear = month > kFebruary ? year : year - 1;
    const auto cycle = static_cast<std::int32_t>(FloorDiv(marchYear, kJulianCycleYears));
    const std::int32_t yearOfCycle = marchYear - cycle * kJulianCycleYears;  // 0..3
    return cycle * kDaysPerJulianCycle + yearOfCycle * kDaysPerCommonYear + DaysFromMarch(month) +
           day - 1;
}

constexpr std::int32_t GregorianDaysFromMarchZero(std::int32_t year, std::int32_t month,
                                                  std::int32_t day) {
    const std::int32_t marchYear = month > kFebruary ? year : year - 1;
    const auto era = static_cast<std::int32_t>(FloorDiv(marchYear, kGregorianEraYears));
    const std::int32_t yearOfEra = marchYear - era * kGregorianEraYears;  // 0..399
    return era * kDaysPerGregorianEra + yearOfEra * kDaysPerCommonYear + yearOfEra / 4 -
           yearOfEra / 100 + DaysFromMarch(month) + day - 1;
}

// The day numbers of 1 March of year 0 in each calendar, from the two days
// that meet at the reform.
constexpr JulianDayNumber kJulianMarchZero =
    kLastJulianCalendarDay -
    JulianDaysFromMarchZero(kReformYear, kReformMonth, kLastJulianDayOfReformMonth);
constexpr JulianDayNumber kGregorianMarchZero =
    kFirstGregorianCalendarDay -
    GregorianDaysFromMarchZero(kReformYear, kReformMonth, kFirstGregorianDayOfReformMonth);
static_assert(kJulianMarchZero == 1721118 && kGregorianMarchZero == 1721120);
// 1 January 2000 is day number 2451545.
static_assert(kGregorianMarchZero + GregorianDaysFromMarchZero(2000, 1, 1) == 2451545);

}  // namespace

std::optional<std::int16_t> CivilMonthLength(std::int16_t year, std::int16_t month) {
    if (month < 1 || month > kMonthsPerYear) return std::nullopt;
    const bool leap = year <= kReformYear ? IsJulianLeapYear(year) : IsGregorianLeapYear(year);
    return MonthLength(month, leap);
}

std::optional<JulianDayNumber> GregorianToJulianDay(std::int16_t year, std::int16_t month,
                                                    std::int16_t day) {
    const std::optional<std::int16_t> length = CivilMonthLength(year, month);
    if (!length || day < 1 || day > *length || InReformGap(year, month, day)) return std::nullopt;
    if (BeforeReform(year, month, day))
        return kJulianMarchZero + JulianDaysFromMarchZero(year, month, day);
    return kGregorianMarchZero + GregorianDaysFromMarchZero(year, month, day);
}

}  // namespace velmora
