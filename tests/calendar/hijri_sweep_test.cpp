// Whole-range properties of the Islamic conversion, day by day over every
// convertible day number, against months found independently of the
// conversion's own downward search.
#include "M_hijri.h"
#include "islamic_fields.h"
#include "reference_hijri.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace velmora {
namespace {

using test::Fields;

constexpr JulianDayNumber kFirstConvertibleDay = test::kFirstIslamicDay;
constexpr JulianDayNumber kLastConvertibleDay = test::kLastIslamicDay;

// Month 1 of 1405 belongs to lunation 1048.
constexpr std::int64_t kEpochLunation = 1048;
constexpr std::int64_t kEpochYear = 1405;

// The longest downward search: the estimate runs up to 8 lunations high
// toward the far future, so 9 month starts are computed.
constexpr std::int32_t kLongestSearch = 9;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The first day of the month that starts at instant f: the first day whose
// midnight, Julian Date day - 0.5, is at or after f.
std::int64_t FirstDayOf(double f) { return static_cast<std::int64_t>(std::ceil(f + 0.5)); }

// Walks the lunations upward and names the month of each day it is moved to,
// with the floored year and month arithmetic and no year 0: a reference that
// shares only the 13-sine month starts with the literal search.
class MonthWalker {
public:
    explicit MonthWalker(JulianDayNumber firstDay) {
        // A mean-lunation guess from the 1900 epoch, moved down until its
        // month has begun by firstDay; delta-T and the secular terms move
        // the true months by at most a few lunations from it.
        constexpr double kMeanLunation = 29.530588;
        constexpr double kEpochNewMoon = 2415021.0;
        n_ = static_cast<std::int32_t>(std::floor((firstDay - kEpochNewMoon) / kMeanLunation)) + 2;
        while (FirstDayOf(reference::MonthStartInstant(n_)) > firstDay) --n_;
        first_ = FirstDayOf(reference::MonthStartInstant(n_));
        next_ = FirstDayOf(reference::MonthStartInstant(n_ + 1));
    }

    // The expected Islamic date of jd; jd never decreases between calls.
    Fields DateOf(JulianDayNumber jd) {
        while (next_ <= jd) {
            ++n_;
            first_ = next_;
            next_ = FirstDayOf(reference::MonthStartInstant(n_ + 1));
        }
        const std::int64_t L = n_ - kEpochLunation;
        std::int64_t year = kEpochYear + FloorDiv(L, 12);
        if (year <= 0) --year;
        const std::int64_t month = L - FloorDiv(L, 12) * 12 + 1;
        return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                static_cast<std::int16_t>(jd - first_ + 1)};
    }

private:
    std::int32_t n_;
    std::int64_t first_;  // first day of lunation n_'s month
    std::int64_t next_;   // first day of the next month
};

// Tomorrow in the Islamic calendar: the next day of the month, or day 1 of
// the next month after a day 29 or 30, the year stepping from -1 to 1.
bool IsNextDay(const Fields& before, const Fields& after) {
    if (after.year == before.year && after.month == before.month)
        return after.day == before.day + 1;
    if (after.day != 1 || (before.day != 29 && before.day != 30)) return false;
    if (before.month < 12) return after.year == before.year && after.month == before.month + 1;
    const int nextYear = before.year == -1 ? 1 : before.year + 1;
    return after.year == nextYear && after.month == 1;
}

bool IsPlausible(const Fields& d) {
    return d.year != 0 && d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 30;
}

struct Converted {
    Fields date;
    std::int32_t monthStartsComputed;
};

Converted Convert(JulianDayNumber jd) {
    Converted c{{}, 0};
    reference::JulianDayToIslamic(jd, c.date.year, c.date.month, c.date.day,
                                  c.monthStartsComputed);
    return c;
}

// The library's conversion, which looks months up in its table of first
// days, skips the month starts that lie provably after the day outside it,
// counts the day from the first day and takes the periodic sines from three
// sine-cosine pairs, must give what the literal search gives on every day.
Fields PublicConversion(JulianDayNumber jd) {
    Fields date{};
    JulianDayToIslamic(jd, date.year, date.month, date.day);
    return date;
}

// The range is cut into chunks that the test runner can run in parallel.
constexpr int kChunks = 8;

class IslamicSweep : public ::testing::TestWithParam<int> {};

TEST_P(IslamicSweep, ConsecutiveDaysFormMonthsOf29Or30DaysWithShortSearches) {
    const std::int64_t span = std::int64_t{kLastConvertibleDay} - kFirstConvertibleDay;
    const auto chunkStart = [&](int chunk) {
        return static_cast<JulianDayNumber>(kFirstConvertibleDay + span * chunk / kChunks);
    };
    const JulianDayNumber first = chunkStart(GetParam());
    const JulianDayNumber last = GetParam() + 1 == kChunks ? kLastConvertibleDay
                                                           : chunkStart(GetParam() + 1);

    // Each sample jd is checked with the day before it; in a full sweep that
    // day is the previous sample.
    MonthWalker walker(first);
    Converted before = Convert(first);
    ASSERT_EQ(before.date, walker.DateOf(first)) << first;
    JulianDayNumber beforeJd = first;
    std::int32_t longestSearch = 0;
    std::int64_t samples = 0;
    for (JulianDayNumber jd = first + 1; jd <= last; jd += test::kSweepStride, ++samples) {
        if (beforeJd != jd - 1) before = Convert(jd - 1);
        const Converted now = Convert(jd);
        ASSERT_TRUE(IsPlausible(now.date)) << jd << " gives " << now.date;
        ASSERT_TRUE(IsNextDay(before.date, now.date))
            << jd - 1 << " gives " << before.date << ", " << jd << " gives " << now.date;
        ASSERT_EQ(now.date, walker.DateOf(jd)) << jd;
        ASSERT_EQ(PublicConversion(jd), now.date) << jd;
        ASSERT_GE(now.monthStartsComputed, 1) << jd;
        ASSERT_LE(now.monthStartsComputed, kLongestSearch) << jd;
        longestSearch = std::max(longestSearch, now.monthStartsComputed);
        before = now;
        beforeJd = jd;
    }
    EXPECT_GE(samples, (last - first) / test::kSweepStride);
    std::printf("days %d..%d: %lld sampled, longest search %d month starts\n", first, last,
                static_cast<long long>(samples), longestSearch);
}

INSTANTIATE_TEST_SUITE_P(WholeRange, IslamicSweep, ::testing::Range(0, kChunks));

// The inverse over the same chunks: every day's date comes back to the day,
// and where a 29-day month ends its 30th gives none. Together these cover
// every date of the 16-bit years: each month from -32768/1 to 32767/12
// lies in the range, and a date outside them is rejected by its fields.
class IslamicInverseSweep : public ::testing::TestWithParam<int> {};

TEST_P(IslamicInverseSweep, EveryDayComesBackAndNoMonthHasAnExtraDay) {
    const std::int64_t span = std::int64_t{kLastConvertibleDay} - kFirstConvertibleDay;
    const auto chunkStart = [&](int chunk) {
        return static_cast<JulianDayNumber>(kFirstConvertibleDay + span * chunk / kChunks);
    };
    const JulianDayNumber first = chunkStart(GetParam());
    const JulianDayNumber last = GetParam() + 1 == kChunks ? kLastConvertibleDay
                                                           : chunkStart(GetParam() + 1) - 1;
    std::int64_t days = 0, shortMonths = 0;
    for (JulianDayNumber jd = first; jd <= last; jd += test::kSweepStride, ++days) {
        const Fields date = PublicConversion(jd);
        ASSERT_EQ(IslamicToJulianDay(date.year, date.month, date.day), jd) << date;
        if (date.day != 1 || jd == kFirstConvertibleDay) continue;
        const Fields before = PublicConversion(jd - 1);
        ASSERT_EQ(IslamicMonthLength(before.year, before.month), before.day) << before;
        if (before.day == 29) {
            ++shortMonths;
            ASSERT_EQ(IslamicToJulianDay(before.year, before.month, 30), std::nullopt) << before;
        }
    }
    std::printf("days %d..%d: %lld days back, %lld months of 29 days\n", first, last,
                static_cast<long long>(days), static_cast<long long>(shortMonths));
}

INSTANTIATE_TEST_SUITE_P(WholeRange, IslamicInverseSweep, ::testing::Range(0, kChunks));

}  // namespace
}  // namespace velmora
