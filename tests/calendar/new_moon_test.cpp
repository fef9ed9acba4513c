#include "M_hijri.h"
#include "M_hijri_detail.h"
#include "reference_hijri.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <limits>

namespace velmora {
namespace {

// Results are compared to six decimals: another correctly rounded sine
// changes them only far below that.
constexpr double kSixDecimals = 5e-7;

struct NewMoonCase {
    std::int32_t lunation;
    double instant;  // Julian Date, UT
};

// Published instants of the series, from 1900 to both ends of the range the
// Islamic conversion reaches (where delta-T has grown to over a month).
constexpr NewMoonCase kNewMoons[] = {
    {0, 2415021.076436},          // 1 January 1900, 13:50
    {1, 2415050.556463},          // 31 January 1900, 01:21
    {1048, 2445968.632130},       // 25 September 1984, 03:10:16
    {1381, 2455802.626332},       // 29 August 2011, 03:01:55
    {1440, 2457544.624496},       // 5 June 2016, 02:59:16
    {-15800, 1948437.725850},     // 14 July 622 (Julian), 05:25
    {377404, 13559957.439487},    // far future
    {-409016, -9663481.108903},   // far past
};

TEST(NewMoonInstant, MatchesThePublishedInstants) {
    for (const auto& c : kNewMoons)
        EXPECT_NEAR(NewMoonInstant(c.lunation), c.instant, kSixDecimals) << c.lunation;
}

// A month counts from the new moon itself when it falls after midnight UT
// and by 03:00 UT; otherwise from one day later.
TEST(MonthStartInstant, KeepsANewMoonUpTo0300UtAndDelaysTheRest) {
    struct Case {
        std::int32_t lunation;
        double start;
    };
    const Case cases[] = {
        {1440, 2457544.624496},         // 02:59:16 UT: kept
        {1048, 2445968.632130 + 1},     // 03:10:16 UT: a day later
        {1381, 2455802.626332 + 1},     // 03:01:55 UT, just after the limit
        {0, 2415021.076436 + 1},        // 13:50 UT, afternoon
        {-15800, 1948437.725850 + 1},   // 05:25 UT
        {-409016, -9663481.108903 + 1}, // negative Julian Date, 21:23 UT
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(MonthStartInstant(c.lunation), c.start, kSixDecimals) << c.lunation;
        // The rule only ever adds a whole day to the new moon.
        const double shift = MonthStartInstant(c.lunation) - NewMoonInstant(c.lunation);
        EXPECT_TRUE(shift == 0.0 || shift == 1.0) << c.lunation;
    }
}

// The rule at its two limits, on exactly representable instants. The
// fraction past noon is read in single precision, whose steps near 0.5 and
// 0.625 are 2^-24 and 2^-24: an offset of 2^-27 days (0.6 ms) rounds away.
TEST(MonthStartInstant, LimitsAreMidnightAndThreeOClockBothIncluded) {
    struct Case {
        double newMoon;
        double start;
    };
    constexpr double kJustAfter = 0x1p-20;      // 0.08 s: visible in single precision
    constexpr double kBelowSingle = 0x1p-27;    // rounds to the limit itself
    constexpr double kMidnight = 2457544.5;     // 00:00 UT, 5 June 2016
    constexpr double kThreeUt = 2457544.625;    // 03:00 UT
    const Case cases[] = {
        {kMidnight, kMidnight + 1},                               // midnight counts as before
        {kMidnight - kJustAfter, kMidnight - kJustAfter + 1},     // a moment before midnight
        {kMidnight + kJustAfter, kMidnight + kJustAfter},         // a moment after midnight
        {kMidnight + kBelowSingle, kMidnight + kBelowSingle + 1}, // still midnight in single
        {kThreeUt, kThreeUt},                                     // 06:00 three hours ahead
        {kThreeUt + kBelowSingle, kThreeUt + kBelowSingle},       // still 06:00 in single
        {kThreeUt + kJustAfter, kThreeUt + kJustAfter + 1},       // after 06:00
        {kThreeUt - 0.25, kThreeUt - 0.25 + 1},                   // 21:00 UT the day before
        // Negative instants take the floor, not the truncation, for the fraction.
        {-100.375, -100.375},                                     // 03:00 UT
        {-100.5, -99.5},                                          // midnight
        {-100.4, -100.4},                                         // 02:24 UT
        {-100.9, -99.9},                                          // 14:24 UT
    };
    for (const auto& c : cases)
        EXPECT_EQ(detail::MonthStartFromNewMoon(c.newMoon), c.start) << std::hexfloat << c.newMoon;
}

// Lunations from -2000 to 3000 (years 1738 to 2142) stay within the spread
// of the true synodic month; over the whole span the Islamic conversion
// reaches, delta-T and the secular terms widen it to 29.21..29.90 days. The
// bounds are given to the hundredth (-1386 to -1385 is 29.8318 days).
TEST(NewMoonInstant, LunationsFollowEachOtherAtTheSynodicSpacing) {
    constexpr double kHalfHundredth = 0.005;
    struct Span {
        std::int32_t first, last;
        double shortest, longest;
    };
    const Span spans[] = {
        {-2000, 3000, 29.27, 29.83},
        {-415240, 381792, 29.21, 29.90},
    };
    for (const auto& span : spans) {
        int compared = 0;
        for (std::int32_t n = span.first; n < span.last; n += test::kSweepStride, ++compared) {
            const double gap = NewMoonInstant(n + 1) - NewMoonInstant(n);
            ASSERT_GE(gap, span.shortest - kHalfHundredth) << n;
            ASSERT_LE(gap, span.longest + kHalfHundredth) << n;
        }
        EXPECT_GT(compared, (span.last - span.first) / test::kSweepStride - 1);
    }
}

// The library forms the 13 periodic sines from three sine-cosine pairs; on
// every lunation the conversion reaches, its new moons stay within a
// millisecond of those from the 13 sines of the table's arguments (the two
// differ in the last bit at most), far below the six decimals the series is
// given to.
TEST(NewMoonInstant, AgreesWithThe13SineFormOnEveryLunation) {
    constexpr double kMillisecond = 1.0 / 86400000;  // days
    double widest = 0.0;
    for (std::int32_t n = -415240; n <= 381792; n += test::kSweepStride) {
        const double difference = std::fabs(NewMoonInstant(n) - reference::NewMoonInstant(n));
        ASSERT_LE(difference, kMillisecond) << n;
        widest = std::max(widest, difference);
    }
    std::printf("widest difference from the 13-sine form: %g days\n", widest);
}

// The sine-free bound that lets the conversion skip month starts lies below
// every month start it stands for, and close enough to be useful: within the
// largest swing of the periodic terms, a little over three quarters of a day,
// plus the day a month start may add.
TEST(EarliestMonthStart, BoundsEveryMonthStartFromBelow) {
    double widest = 0.0;
    for (std::int32_t n = -415240; n <= 381792; n += test::kSweepStride) {
        const double gap = MonthStartInstant(n) - detail::EarliestMonthStart(n);
        ASSERT_GT(gap, 0.0) << n;
        widest = std::max(widest, gap);
    }
    EXPECT_LT(widest, 2.6);
}

// Every floating-point step starts from a cleared status: a fault flag left
// by earlier code does not make a new-moon or month-start computation fail.
TEST(FloatingPointChecks, AStaleFaultDoesNotLeakIntoTheSeries) {
    const auto raiseStaleFaults = [] { std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); };
    raiseStaleFaults();
    EXPECT_NEAR(NewMoonInstant(1048), 2445968.632130, kSixDecimals);
    raiseStaleFaults();
    EXPECT_NEAR(MonthStartInstant(1440), 2457544.624496, kSixDecimals);
    raiseStaleFaults();
    EXPECT_EQ(detail::MonthStartFromNewMoon(2457544.5), 2457545.5);
}

// The sine is a step of its own: a sine that goes invalid between the clear
// and the check of a step raises FloatingPointError.
TEST(FloatingPointChecks, AnInvalidSineIsCaught) {
    volatile double infinite = std::numeric_limits<double>::infinity();
    ClearFloatingPointStatus();
    volatile double sine = std::sin(infinite);
    (void)sine;
    EXPECT_THROW(CheckFloatingPointStatus(), FloatingPointError);
}

// No lunation number, however far out, drives the series to a fault: T^3
// stays near 5e18 and the sines take finite arguments.
TEST(FloatingPointChecks, EveryLunationNumberGivesAFiniteInstant) {
    for (const std::int32_t n : {INT32_MIN, -415240, 381792, INT32_MAX}) {
        double instant = 0;
        EXPECT_NO_THROW(instant = NewMoonInstant(n)) << n;
        EXPECT_TRUE(std::isfinite(instant)) << n;
    }
}

}  // namespace
}  // namespace velmora
