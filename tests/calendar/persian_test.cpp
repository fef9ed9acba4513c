#include "M_persian.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "sweep.h"

namespace velmora {
namespace {

struct PersianCase {
    std::int16_t year, month, day;
    JulianDayNumber jd;
};

TEST(PersianToJulianDay, MatchesKnownDayNumbers) {
    const PersianCase cases[] = {
        {1, 1, 1, 1948321},       {0, 1, 1, 1947956},       {-1, 1, 1, 1947956},
        {473, 12, 29, 2121079},   {474, 1, 1, 2121080},     {961, 7, 22, 2299160},
        {1382, 3, 19, 2452800},   {1382, 7, 31, 2452936},   {1382, 8, 1, 2452936},
        {1382, 0, 0, 2452688},    {1382, 13, 1, 2453086},   {1403, 1, 1, 2460390},
        {1403, 12, 30, 2460755},  {1404, 1, 1, 2460755},    {-32295, 1, 1, -9847175},
        {-5339, 11, 1, -1401},    {-4382, 6, 14, 347998},   {28364, 9, 21, 12307951},
        {31792, 8, 8, 13559958},  {-31793, 12, 10, -9663479}, {32146, 10, 20, 13689326},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "/" << c.month << "/" << c.day);
        EXPECT_EQ(PersianToJulianDay(c.year, c.month, c.day), c.jd);
    }
}

TEST(PersianToJulianDay, OverflowsExactlyForTheLowestYears) {
    EXPECT_THROW(PersianToJulianDay(-32296, 1, 1), OverflowError);
    EXPECT_THROW(PersianToJulianDay(-32768, 7, 7), OverflowError);
    EXPECT_NO_THROW(PersianToJulianDay(-32295, INT16_MIN, INT16_MIN));
    // Every field at its extremes converts once the year is accepted.
    const std::int16_t extremes[] = {INT16_MIN, 0, INT16_MAX};
    for (const std::int16_t year : {std::int16_t{-32295}, std::int16_t{32767}})
        for (const std::int16_t month : extremes)
            for (const std::int16_t day : extremes)
                EXPECT_NO_THROW(PersianToJulianDay(year, month, day));
}

// For years from 474 on, a year is a leap year when
// ((cycleYear + 38) * 682) mod 2816 < 682, cycleYear being the year's place
// in its 2820-year cycle counted from 474.
bool IsArithmeticLeapYear(int year) {
    const int cycleYear = (year - 474) % 2820 + 474;
    return ((cycleYear + 38) * 682) % 2816 < 682;
}

// Months 1..6 have 31 days, 7..11 have 30, and 12 has 29 or 30.
int MonthLength(int month, bool leap) {
    if (month <= 6) return 31;
    if (month <= 11) return 30;
    return leap ? 30 : 29;
}

// Before the era the cycle count truncates toward zero while the year within
// the cycle takes the remainder's sign, so the year 473 - 2820k (k = 1..11)
// that ends a cycle gets 367 days. Kept: every stored day number depends on it.
bool IsCycleSeamYear(int year) { return year < 0 && (473 - year) % 2820 == 0; }

TEST(PersianToJulianDay, EveryYearHasItsMonthsAndLength) {
    int leapYears = 0;
    int seamYears = 0;
    for (int year = -32295; year < 32767; ++year) {
        if (year == -1) continue;  // -1 and 0 are the same year
        const auto y = static_cast<std::int16_t>(year);
        const auto next = static_cast<std::int16_t>(year + 1);
        const JulianDayNumber length = PersianToJulianDay(next, 1, 1) - PersianToJulianDay(y, 1, 1);
        if (IsCycleSeamYear(year)) {
            ASSERT_EQ(length, 367) << year;
            ++seamYears;
            continue;
        }
        ASSERT_TRUE(length == 365 || length == 366) << year;
        const bool leap = length == 366;
        if (year >= 474 && year < 474 + 2820) leapYears += leap;
        if (year >= 474) {
            ASSERT_EQ(leap, IsArithmeticLeapYear(year)) << year;
        }
        JulianDayNumber monthStart = PersianToJulianDay(y, 1, 1);
        for (std::int16_t month = 1; month <= 12; ++month) {
            ASSERT_EQ(PersianToJulianDay(y, month, 1), monthStart) << year << "/" << month;
            monthStart += MonthLength(month, leap);
        }
        ASSERT_EQ(monthStart, PersianToJulianDay(next, 1, 1)) << year;
    }
    EXPECT_EQ(seamYears, 11);
    EXPECT_EQ(leapYears, 683);  // 1029983 days in 2820 years: 683 leap years
    EXPECT_EQ(PersianToJulianDay(0, 1, 1), PersianToJulianDay(-1, 1, 1));
}

// The day-number formula as first written, with its quotients and its sum in
// doubles; the converter computes the same in integers.
double DoubleFormulaDayNumber(int year, int month, int day) {
    const int base = year >= 0 ? year - 474 : year - 473;
    const int cycleYear = base % 2820 + 474;
    const int monthDays = month > 7 ? (month - 1) * 30 + 6 : (month - 1) * 31;
    const double leapDays = std::trunc(static_cast<double>(cycleYear * 682 - 110) / 2816.0);
    const double s = leapDays + (day + monthDays) + (cycleYear - 1) * 365;
    const double c = std::trunc(base / 2820.0);
    return c * 1029983 + s + 1948320;
}

TEST(PersianToJulianDay, IntegerArithmeticMatchesTheDoubleFormulaEverywhere) {
    const std::int16_t months[] = {INT16_MIN, -1, 0, 1, 2, 6, 7, 8, 11, 12, 13, 14, INT16_MAX};
    const std::int16_t days[] = {INT16_MIN, -1, 0, 1, 2, 29, 30, 31, 32, INT16_MAX};
    for (int year = -32295; year <= 32767; ++year) {
        for (const std::int16_t month : months) {
            for (const std::int16_t day : days) {
                const auto y = static_cast<std::int16_t>(year);
                ASSERT_EQ(PersianToJulianDay(y, month, day), DoubleFormulaDayNumber(year, month, day))
                    << year << "/" << month << "/" << day;
            }
        }
    }
}

TEST(PersianToJulianDay, MonthsAndDaysOutsideTheirRangesCountThrough) {
    const JulianDayNumber first = PersianToJulianDay(1382, 1, 1);
    EXPECT_EQ(PersianToJulianDay(1382, 1, 0), first - 1);
    EXPECT_EQ(PersianToJulianDay(1382, 0, 1), first - 31);
    EXPECT_EQ(PersianToJulianDay(1382, -1, 1), first - 62);
    EXPECT_EQ(PersianToJulianDay(1382, 1, 366), first + 365);
    EXPECT_EQ(PersianToJulianDay(1382, 13, 1), first + 366);
    EXPECT_EQ(PersianToJulianDay(1382, 14, 1), first + 396);
}

// ---- Day numbers to Persian dates ------------------------------------------

}  // namespace

bool operator==(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& out, const DateFields& d) {
    return out << d.year << "/" << d.month << "/" << d.day;
}

namespace {

// Month 12 runs to the next 1 Farvardin. Year 32767, whose next year has no
// 16-bit number, is a common year: its cycleYear is 1747 and
// ((1747 + 38) * 682) mod 2816 = 858 is not below 682.
int ExpectedMonthLength(int year, int month) {
    if (month < 12) return MonthLength(month, false);
    if (year == 32767) return 29;
    const int next = year == -1 ? 1 : year + 1;
    return PersianToJulianDay(static_cast<std::int16_t>(next), 1, 1) -
           PersianToJulianDay(static_cast<std::int16_t>(year), 12, 1);
}

constexpr JulianDayNumber kFirstPersianDay = -9847175;  // -32295/1/1
const JulianDayNumber kLastPersianDay = PersianToJulianDay(32767, 12, 29);

TEST(JulianDayToPersian, EveryDayGetsTheDateThatCountsToIt) {
    std::int64_t days = 0;
    for (JulianDayNumber jd = kFirstPersianDay; jd <= kLastPersianDay;
         jd += test::kSweepStride, ++days) {
        const std::optional<DateFields> d = JulianDayToPersian(jd);
        ASSERT_TRUE(d) << jd;
        ASSERT_NE(d->year, 0) << jd;
        ASSERT_TRUE(d->month >= 1 && d->month <= 12 && d->day >= 1 &&
                    d->day <= ExpectedMonthLength(d->year, d->month))
            << jd << " gives " << *d;
        ASSERT_EQ(PersianToJulianDay(d->year, d->month, d->day), jd) << *d;
    }
    EXPECT_EQ(JulianDayToPersian(kFirstPersianDay - 1), std::nullopt);
    EXPECT_EQ(JulianDayToPersian(kLastPersianDay + 1), std::nullopt);
    EXPECT_EQ(JulianDayToPersian(std::numeric_limits<std::int32_t>::min()), std::nullopt);
    EXPECT_EQ(JulianDayToPersian(std::numeric_limits<std::int32_t>::max()), std::nullopt);
    RecordProperty("days", std::to_string(days));
}

// Every field combination of the swept years, with months and days one
// past their ends: a date exactly when it lies within its month, and then
// the day it counts to gives it back.
TEST(JulianDayToPersian, EveryDateOfEveryYearComesBack) {
    std::int64_t dates = 0;
    bool counting = true;  // the extra years below are checked again, not counted
    const auto checkYear = [&](int year) {
        const auto y = static_cast<std::int16_t>(year);
        for (std::int16_t month = 0; month <= 13; ++month) {
            const bool realMonth = year != 0 && month >= 1 && month <= 12;
            const std::optional<std::int16_t> length = PersianMonthLength(y, month);
            ASSERT_EQ(length.has_value(), realMonth) << year << "/" << month;
            if (realMonth) {
                ASSERT_EQ(*length, ExpectedMonthLength(year, month)) << year << "/" << month;
            }
            for (std::int16_t day = 0; day <= 32; ++day) {
                const bool valid = realMonth && day >= 1 && day <= ExpectedMonthLength(year, month);
                ASSERT_EQ(IsPersianDate(y, month, day), valid) << year << "/" << month << "/" << day;
                if (!valid) continue;
                ASSERT_EQ(JulianDayToPersian(PersianToJulianDay(y, month, day)),
                          (DateFields{y, month, day}));
                dates += counting;
            }
        }
    };
    for (int year = -32295; year <= 32767; year += test::kSweepStride) checkYear(year);
    counting = false;
    for (const int year : {-30547, -2347, -1, 0, 1, 1403, 1404, 32767}) checkYear(year);
    EXPECT_FALSE(IsPersianDate(-32296, 1, 1));
    EXPECT_FALSE(IsPersianDate(-32768, 1, 1));
    RecordProperty("dates", std::to_string(dates));
}

TEST(JulianDayToPersian, EdgesOfTheArithmetic) {
    const struct {
        JulianDayNumber jd;
        DateFields date;
    } cases[] = {
        // Years 0 and -1 coincide; -1 starts 365 days before year 1.
        {1948321, {1, 1, 1}},      {1947956, {-1, 1, 1}},
        {1948320, {-1, 12, 29}},   {2452800, {1382, 3, 19}},
        {2452936, {1382, 8, 1}},   // also 1382/7/31
        {2460755, {1404, 1, 1}},   // also 1403/12/30: 1403 is common here
        {2460754, {1403, 12, 29}}, {kFirstPersianDay, {-32295, 1, 1}},
        {PersianToJulianDay(-30547, 12, 31), {-30547, 12, 31}},  // a 367-day year
        {PersianToJulianDay(-30547, 12, 32), {-30546, 1, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(JulianDayToPersian(c.jd), c.date) << c.jd;
    EXPECT_EQ(PersianMonthLength(-30547, 12), 31);
    EXPECT_EQ(PersianMonthLength(1403, 12), 29);
    EXPECT_EQ(PersianMonthLength(1404, 12), 30);
    EXPECT_EQ(PersianMonthLength(1382, 7), 30);
    EXPECT_FALSE(IsPersianDate(1382, 7, 31));
    EXPECT_FALSE(IsPersianDate(0, 1, 1));
}

}  // namespace
}  // namespace velmora
