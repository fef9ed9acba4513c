#include "M_civil.h"
#include "M_convert.h"
#include "M_hijri.h"
#include "M_persian.h"
#include "civil_inverse.h"
#include "islamic_fields.h"
#include "reference_hijri.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace velmora {
namespace {

using test::Fields;

// The literal search, which counts the month starts it computes.
Fields ReferenceIslamic(JulianDayNumber jd, std::int32_t& monthStartsComputed) {
    Fields d{};
    reference::JulianDayToIslamic(jd, d.year, d.month, d.day, monthStartsComputed);
    return d;
}

Fields Islamic(JulianDayNumber jd) {
    Fields d{};
    JulianDayToIslamic(jd, d.year, d.month, d.day);
    return d;
}

Fields Civil(JulianDayNumber jd) {
    Fields d{};
    JulianDayToGregorian(jd, d.year, d.month, d.day);
    return d;
}

constexpr JulianDayNumber kFirstConvertibleDay = test::kFirstIslamicDay;
constexpr JulianDayNumber kLastConvertibleDay = test::kLastIslamicDay;

enum class CivilCalendar { Gregorian, Julian, OutOfRange };

struct ConversionRow {
    Fields persian;
    JulianDayNumber jd;
    Fields civil;  // what the fields hold after the civil conversion
    CivilCalendar calendar;
    Fields islamic;
};

constexpr CivilCalendar G = CivilCalendar::Gregorian;
constexpr CivilCalendar J = CivilCalendar::Julian;

constexpr ConversionRow kConversions[] = {
    {{1382, 3, 19}, 2452800, {2003, 6, 9}, G, {1424, 4, 8}},
    {{1403, 1, 1}, 2460390, {2024, 3, 20}, G, {1445, 9, 9}},
    {{1363, 6, 5}, 2445940, {1984, 8, 27}, G, {1404, 11, 29}},  // last day of a 29-day month
    {{1363, 6, 6}, 2445941, {1984, 8, 28}, G, {1404, 12, 1}},   // new moon 26 Aug 19:25 UT
    {{1363, 7, 4}, 2445970, {1984, 9, 26}, G, {1404, 12, 30}},  // L = -1 folds into 1404
    {{1363, 7, 5}, 2445971, {1984, 9, 27}, G, {1405, 1, 1}},    // L = 0
    {{1363, 7, 6}, 2445972, {1984, 9, 28}, G, {1405, 1, 2}},
    {{1395, 3, 16}, 2457545, {2016, 6, 5}, G, {1437, 8, 29}},
    {{1395, 3, 17}, 2457546, {2016, 6, 6}, G, {1437, 9, 1}},    // new moon 02:59:16 UT
    {{1390, 6, 8}, 2455804, {2011, 8, 30}, G, {1432, 9, 30}},   // new moon 03:01:55 UT
    {{1390, 6, 9}, 2455805, {2011, 8, 31}, G, {1432, 10, 1}},
    {{1, 1, 1}, 1948321, {622, 3, 19}, J, {-1, 9, 1}},          // astronomical year 0
    {{1, 4, 26}, 1948439, {622, 7, 15}, J, {-1, 12, 30}},
    {{1, 4, 27}, 1948440, {622, 7, 16}, J, {1, 1, 1}},          // lunation -15800
    {{0, 1, 1}, 1947956, {621, 3, 19}, J, {-2, 8, 19}},         // Persian 0 and -1 coincide
    {{-1, 1, 1}, 1947956, {621, 3, 19}, J, {-2, 8, 19}},
    {{31792, 8, 8}, kLastConvertibleDay, {32413, 10, 20}, G, {32767, 12, 29}},
    {{-31793, 12, 10}, kFirstConvertibleDay, {-31169, 0, -28}, CivilCalendar::OutOfRange,
     {-32768, 1, 1}},
};

TEST(PersianToIslamic, ConvertsTheKnownDatesThroughTheirDayNumbers) {
    for (const auto& row : kConversions) {
        EXPECT_EQ(PersianToJulianDay(row.persian.year, row.persian.month, row.persian.day), row.jd)
            << row.persian;
        EXPECT_EQ(Civil(row.jd), row.civil) << row.jd;
        // The civil column, turned back into a day number independently.
        if (row.calendar == G) {
            EXPECT_EQ(test::GregorianToDayNumber(row.civil.year, row.civil.month, row.civil.day),
                      row.jd);
        } else if (row.calendar == J) {
            EXPECT_EQ(test::JulianToDayNumber(row.civil.year, row.civil.month, row.civil.day),
                      row.jd);
        }

        Fields d = row.persian;
        PersianToIslamic(d.year, d.month, d.day);
        EXPECT_EQ(d, row.islamic) << row.persian;
    }
}

// Which lunation's month a day falls in, and how far the search went.
TEST(JulianDayToIslamic, FindsTheMonthOfTheRightLunation) {
    struct Case {
        JulianDayNumber jd;
        std::int32_t lunation;
        std::int32_t monthStartsComputed;  // 0: not stated
    };
    const Case cases[] = {
        {2452800, 1279, 3},  // estimate 1281, two lunations high
        {2445971, 1048, 1},  // the estimate is exact
        {2445970, 1047, 0}, {2445941, 1047, 0}, {2457546, 1440, 0},
        {2455805, 1381, 0}, {1948440, -15800, 0},
    };
    for (const auto& c : cases) {
        std::int32_t computed = 0;
        const Fields d = ReferenceIslamic(c.jd, computed);
        if (c.monthStartsComputed != 0) {
            EXPECT_EQ(computed, c.monthStartsComputed) << c.jd;
        }
        // The day lies in the month of the lunation when that month has
        // started by the day's midnight and the next one has not; its day of
        // the month counts whole days from the start.
        const double dayStart = c.jd - 0.5;
        const double start = reference::MonthStartInstant(c.lunation);
        EXPECT_LE(start, dayStart) << c.jd;
        EXPECT_GT(reference::MonthStartInstant(c.lunation + 1), dayStart) << c.jd;
        EXPECT_EQ(d.day, static_cast<int>(std::floor(dayStart - start)) + 1) << c.jd;
    }
}

// Errors pass through or stop the conversion with the fields partly written.
TEST(PersianToIslamic, OverflowLeavesTheFieldsAsFarAsTheyWereWritten) {
    struct Case {
        Fields persian;
        Fields left;
    };
    const Case cases[] = {
        // Islamic year 32768 at the first step that writes a field: the
        // Gregorian date 32413/10/21 of day 13559959 stays.
        {{31792, 8, 9}, {32413, 10, 21}},
        // Day -9663480: year -32767 and month 0 are stored, month 12 and
        // year -32768 follow, and skipping year 0 overflows; the day field
        // keeps its civil value.
        {{-31793, 12, 9}, {-32768, 12, -29}},
        // The civil year 32768 overflows after day and month were written.
        {{32146, 10, 20}, {32146, 1, 1}},
        // The day number itself overflows: nothing is written.
        {{-32296, 1, 1}, {-32296, 1, 1}},
    };
    for (const auto& c : cases) {
        Fields d = c.persian;
        EXPECT_THROW(PersianToIslamic(d.year, d.month, d.day), OverflowError) << c.persian;
        EXPECT_EQ(d, c.left) << c.persian;
    }
}

// Beyond the last convertible day every day overflows on the Islamic year
// before any Islamic field is written, up to the last day with a civil date.
TEST(JulianDayToIslamic, EveryLaterDayOverflowsKeepingItsCivilDate) {
    constexpr JulianDayNumber kLastCivilDay = 13689325;  // 31 December 32767
    for (JulianDayNumber jd = kLastConvertibleDay + 1; jd <= kLastCivilDay;
         jd += test::kSweepStride) {
        Fields d{};
        ASSERT_THROW(JulianDayToIslamic(jd, d.year, d.month, d.day), OverflowError) << jd;
        ASSERT_EQ(d, Civil(jd)) << jd;
    }
}

// Before the first convertible day, down to the first Persian date with a
// day number, every day overflows in year or month; the day field, written
// last, keeps its civil value.
TEST(JulianDayToIslamic, EveryEarlierDayOverflowsBeforeTheDayIsWritten) {
    const JulianDayNumber firstPersianDay = PersianToJulianDay(-32295, 1, 1);
    for (JulianDayNumber jd = kFirstConvertibleDay - 1; jd >= firstPersianDay;
         jd -= test::kSweepStride) {
        Fields d{};
        ASSERT_THROW(JulianDayToIslamic(jd, d.year, d.month, d.day), OverflowError) << jd;
        ASSERT_EQ(d.day, Civil(jd).day) << jd;
    }
}

TEST(JulianDayToIslamic, AStaleFloatingPointFaultDoesNotLeakIn) {
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    EXPECT_EQ(Islamic(2452800), (Fields{1424, 4, 8}));
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    Fields d{1403, 1, 1};
    EXPECT_NO_THROW(PersianToIslamic(d.year, d.month, d.day));
    EXPECT_EQ(d, (Fields{1445, 9, 9}));
}

// Near the present the estimate is at most two lunations high, so the search
// computes one to three month starts (Gregorian years 1900 to 2099).
TEST(JulianDayToIslamic, SearchesAtMostThreeMonthStartsNearThePresent) {
    for (JulianDayNumber jd = 2415021; jd <= 2488069; jd += test::kSweepStride) {
        std::int32_t computed = 0;
        ReferenceIslamic(jd, computed);
        ASSERT_GE(computed, 1) << jd;
        ASSERT_LE(computed, 3) << jd;
    }
}

// The lunation whose month holds a day; month 1 of 1405 is lunation 1048.
TEST(IslamicMonthLunation, NamesTheLunationOfTheDaysMonth) {
    struct Case {
        JulianDayNumber jd;
        std::int32_t lunation;
    };
    const Case cases[] = {
        {2445971, 1048},    // 1405/1/1
        {2445970, 1047},    // 1404/12/30
        {2452800, 1279},    // 1424/4/8, two below the estimate
        {2457546, 1440},    // 1437/9/1, new moon 02:59:16 UT the day before
        {2455804, 1380},    // 1432/9/30, the month's last day
        {2455805, 1381},    // 1432/10/1, new moon 03:01:55 UT two days before
        {1948440, -15800},  // 1/1/1
    };
    for (const auto& c : cases) EXPECT_EQ(IslamicMonthLunation(c.jd), c.lunation) << c.jd;
}

std::int32_t FloorDiv(std::int32_t a, std::int32_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Year and month of lunation n, counted 12 to a year from lunation 1048 =
// 1405/1 with the floored quotient and remainder, and no year 0.
testing::AssertionResult LunationNamesTheConvertedMonth(JulianDayNumber jd) {
    constexpr std::int32_t kEpochLunation = 1048;
    constexpr int kEpochYear = 1405;
    constexpr std::int32_t kMonthsPerYear = 12;
    const std::int32_t L = IslamicMonthLunation(jd) - kEpochLunation;
    int year = kEpochYear + FloorDiv(L, kMonthsPerYear);
    if (year <= 0) --year;
    const int month = L - FloorDiv(L, kMonthsPerYear) * kMonthsPerYear + 1;
    const Fields d = Islamic(jd);
    if (d.year == year && d.month == month) return testing::AssertionSuccess();
    return testing::AssertionFailure() << jd << " converts to " << d << " but its lunation names "
                                       << year << "/" << month;
}

// Every day of the Gregorian years 1900 to 2099, and a sample of the whole
// range that converts.
TEST(IslamicMonthLunation, NamesTheMonthTheConversionGives) {
    for (JulianDayNumber jd = 2415021; jd <= 2488069; jd += test::kSweepStride)
        ASSERT_TRUE(LunationNamesTheConvertedMonth(jd));
    constexpr int kSampleStride = 101;
    for (JulianDayNumber jd = kFirstConvertibleDay; jd <= kLastConvertibleDay;
         jd += kSampleStride * test::kSweepStride)
        ASSERT_TRUE(LunationNamesTheConvertedMonth(jd));
    ASSERT_TRUE(LunationNamesTheConvertedMonth(kLastConvertibleDay));
}

// The dates of the conversion's known days come back to them; fields that
// no day has give none.
TEST(IslamicToJulianDay, KnownDatesAndRejectedFields) {
    const struct {
        Fields date;
        std::optional<JulianDayNumber> jd;
    } cases[] = {
        {{1424, 4, 8}, 2452800},      {{1445, 9, 9}, 2460390},
        {{1404, 11, 29}, 2445940},    {{1404, 11, 30}, std::nullopt},  // a 29-day month
        {{1404, 12, 1}, 2445941},     {{1404, 12, 30}, 2445970},
        {{1405, 1, 1}, 2445971},      {{1437, 8, 29}, 2457545},
        {{1437, 9, 1}, 2457546},      {{1432, 9, 30}, 2455804},
        {{1432, 10, 1}, 2455805},     {{-1, 9, 1}, 1948321},
        {{-1, 12, 30}, 1948439},      {{1, 1, 1}, 1948440},
        {{-2, 8, 19}, 1947956},       {{32767, 12, 29}, 13559958},
        {{32767, 12, 30}, std::nullopt}, {{-32768, 1, 1}, -9663479},
        {{0, 1, 1}, std::nullopt},    {{1446, 0, 1}, std::nullopt},
        {{1446, 13, 1}, std::nullopt}, {{1446, 1, 0}, std::nullopt},
        {{1446, 9, 31}, std::nullopt}, {{-32768, -32768, -32768}, std::nullopt},
        {{32767, 32767, 32767}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IslamicToJulianDay(c.date.year, c.date.month, c.date.day), c.jd) << c.date;
    EXPECT_EQ(IslamicMonthLength(1404, 11), 29);
    EXPECT_EQ(IslamicMonthLength(1404, 12), 30);
    EXPECT_EQ(IslamicMonthLength(0, 1), std::nullopt);
    EXPECT_EQ(IslamicMonthLength(1446, 13), std::nullopt);
}

// Close calls, from the published new moons: lunation 1381 at 03:01:55 UT
// (1.9 minutes after the limit) starts 1432/10 and ends 1432/9; lunation
// 1440 at 02:59:16 UT (0.7 minutes before) starts 1437/9 and ends 1437/8;
// lunation 1048 at 03:10:16 UT (10.3 minutes after) is just clear of the
// margin, and lunation 1047 at 19:25 UT far from it.
TEST(IslamicDateOnCloseCall, DaysHangingOnANewMoonNearTheLimit) {
    const struct {
        JulianDayNumber day;
        bool closeCall;
    } cases[] = {
        {2455803, false},  // 1432/9/29: the month's own new moon is far off
        {2455804, true},   // 1432/9/30: the last day, lunation 1381 ends it
        {2455805, true},   // 1432/10/1
        {2455833, true},   // 1432/10/29
        {2457544, false},  // 1437/8/28
        {2457545, true},   // 1437/8/29: the last day, lunation 1440 ends it
        {2457546, true},   // 1437/9/1
        {2457574, true},   // 1437/9/29
        {2445941, false},  // 1404/12/1, lunation 1047
        {2445970, false},  // 1404/12/30: lunation 1048 follows, 10.3 minutes out
        {2445971, false},  // 1405/1/1
        // Days without an Islamic date, and the limits of the 32-bit day.
        {kFirstConvertibleDay - 1, false},
        {kLastConvertibleDay + 1, false},
        {INT32_MIN, false},
        {INT32_MAX, false},
    };
    for (const auto& c : cases) {
        bool closeCall = !c.closeCall;
        EXPECT_NO_THROW(closeCall = IslamicDateOnCloseCall(c.day)) << c.day;
        EXPECT_EQ(closeCall, c.closeCall) << c.day;
    }
    EXPECT_NO_THROW(IslamicDateOnCloseCall(kFirstConvertibleDay));
    EXPECT_NO_THROW(IslamicDateOnCloseCall(kLastConvertibleDay));
}

}  // namespace
}  // namespace velmora
