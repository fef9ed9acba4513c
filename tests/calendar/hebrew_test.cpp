#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "M_convert.h"
#include "M_hebrew.h"
#include "M_hebrew_detail.h"
#include "icu_hebrew.h"
#include "reference_hebrew.h"
#include "sweep.h"

namespace velmora {

bool operator==(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& out, const DateFields& date) {
    return out << date.year << "/" << date.month << "/" << date.day;
}

namespace {

// ---- The start of a year by the classical rules, computed independently --
// Whole parts since the start of day index 0 in 64 bits, and the rules in
// their traditional order: a conjunction from noon on moves to the next day;
// a Tuesday one from 9 h 204 p in a common year moves to Thursday; a Monday
// one from 15 h 589 p right after a leap year moves to Tuesday; and the first
// day is never Sunday, Wednesday or Friday. Valid for years from 1 on.

constexpr std::int64_t kPartsPerHour = 1080;
constexpr std::int64_t kPartsPerDay = 24 * kPartsPerHour;
constexpr std::int64_t kMonthParts = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;
constexpr std::int64_t kEpochMoladParts = 1 * kPartsPerDay + 5 * kPartsPerHour + 204;

enum Weekday { kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

// Day index 1 is a Monday.
Weekday WeekdayOf(std::int64_t dayIndex) { return static_cast<Weekday>(dayIndex % 7); }

bool IsLeapYear(std::int64_t year) { return (7 * year + 1) % 19 < 7; }

struct Molad {
    std::int64_t day;   // day index
    std::int64_t time;  // parts after the start of that day
};

Molad MoladOfTishri(std::int64_t year) {
    const std::int64_t monthsBefore = (235 * year - 234) / 19;
    const std::int64_t parts = kEpochMoladParts + monthsBefore * kMonthParts;
    return {parts / kPartsPerDay, parts % kPartsPerDay};
}

std::int64_t ClassicalYearStart(std::int64_t year) {
    const Molad molad = MoladOfTishri(year);
    std::int64_t day = molad.day;
    const Weekday weekday = WeekdayOf(molad.day);
    if (molad.time >= 18 * kPartsPerHour) {
        day += 1;
    } else if (weekday == kTuesday && molad.time >= 9 * kPartsPerHour + 204 &&
               !IsLeapYear(year)) {
        day += 2;
    } else if (weekday == kMonday && molad.time >= 15 * kPartsPerHour + 589 &&
               IsLeapYear(year - 1)) {
        day += 1;
    }
    const Weekday first = WeekdayOf(day);
    if (first == kSunday || first == kWednesday || first == kFriday) day += 1;
    return day;
}

// ICU 72 moves a Sunday conjunction to Monday and then applies the Monday
// rule to that Monday, so when the conjunction falls on Sunday from 15 h 589 p
// on (before noon, after which it would count as Monday's) right after a leap
// year, ICU starts the year on Tuesday where the rules give Monday.
bool IcuStartsYearLate(std::int64_t year) {
    const Molad molad = MoladOfTishri(year);
    return WeekdayOf(molad.day) == kSunday && molad.time >= 15 * kPartsPerHour + 589 &&
           molad.time < 18 * kPartsPerHour && IsLeapYear(year - 1);
}

constexpr JulianDayNumber kHebrewEpoch = 347997;

DateFields ToHebrew(JulianDayNumber jd) {
    DateFields date{-1, -1, -1};
    JulianDayToHebrew(jd, date.year, date.month, date.day);
    return date;
}

std::int16_t MonthsIn(std::int32_t year) { return HebrewLeapYear(year) ? 13 : 12; }

std::int32_t SumOfMonthLengths(std::int32_t year) {
    std::int32_t sum = 0;
    for (std::int16_t month = 1; month <= MonthsIn(year); ++month) {
        sum += LastDayOfHebrewMonth(year, month);
    }
    return sum;
}

// ---- Year arithmetic -----------------------------------------------------

TEST(HebrewLeapYear, FollowsTheNineteenYearCycle) {
    const std::set<int> leapYearsOfCycle{3, 6, 8, 11, 14, 17, 19};
    for (int year = 1; year <= 19; ++year) {
        EXPECT_EQ(HebrewLeapYear(year), leapYearsOfCycle.count(year) == 1) << year;
    }
    EXPECT_TRUE(HebrewLeapYear(5784));
    EXPECT_FALSE(HebrewLeapYear(5785));
}

TEST(HebrewLeapYear, EveryYearUpToZeroIsLeapBecauseTheRemainderKeepsTheSign) {
    for (std::int32_t year = -32769; year <= 0; ++year) {
        ASSERT_TRUE(HebrewLeapYear(year)) << year;
    }
}

TEST(HebrewElapsedDays, PostponementCases) {
    struct Row {
        std::int32_t year;
        std::int32_t start;
        const char* rule;
    };
    const Row rows[] = {
        {1, 1, "none"},
        {2, 356, "no Friday"},
        {3, 711, "conjunction after noon, then no Sunday"},
        {5718, 2088111, "Tuesday in a common year, then no Wednesday"},
        {5766, 2105651, "Monday after a leap year"},
        {5781, 2111115, "conjunction after noon, then no Sunday"},
        {5784, 2112207, "no Friday"},
        {5785, 2112590, "none"},
        {5786, 2112945, "conjunction after noon"},
        {32768, 11968042, "none, one year beyond 16 bits"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HebrewElapsedDays(row.year), row.start) << row.year << ": " << row.rule;
    }
}

TEST(HebrewYearLength, SixLengthsAndTheirMonths) {
    struct Row {
        std::int32_t year;
        std::int32_t days;
        bool longHeshvan;
        bool shortKislev;
    };
    const Row rows[] = {
        {5781, 353, false, true},  {5786, 354, false, false}, {5785, 355, true, false},
        {5784, 383, false, true},  {5782, 384, false, false}, {5787, 385, true, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DaysInHebrewYear(row.year), row.days) << row.year;
        EXPECT_EQ(LongHeshvan(row.year), row.longHeshvan) << row.year;
        EXPECT_EQ(ShortKislev(row.year), row.shortKislev) << row.year;
    }
}

TEST(LastDayOfHebrewMonth, MonthLengths) {
    struct Row {
        std::int32_t year;
        std::int16_t month;
        std::int16_t days;
    };
    const Row rows[] = {
        {5785, 2, 30},  {5786, 2, 29},  {5781, 3, 29},   {5786, 3, 30},  {5784, 6, 30},
        {5784, 7, 29},  {5785, 6, 29},  {5785, 7, 30},   {5785, 12, 29}, {5784, 13, 29},
        {5785, 13, 30}, {5785, 0, 30},  {5785, -1, 30},  {5784, 14, 30}, {5784, 4, 29},
        {5784, 8, 30},  {5785, 8, 29},  {5785, 32767, 30}, {5785, -32768, 30},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LastDayOfHebrewMonth(row.year, row.month), row.days)
            << row.year << "/" << row.month;
    }
}

// Every year the conversion can reach, and the one beyond 16 bits that
// DaysInHebrewYear forms from 32767.
TEST(HebrewYearArithmetic, EveryYearFollowsTheClassicalRules) {
    const std::set<std::int32_t> lengths{353, 354, 355, 383, 384, 385};
    for (std::int32_t year = 1; year <= 32769; ++year) {
        const std::int32_t start = HebrewElapsedDays(year);
        ASSERT_EQ(start, ClassicalYearStart(year)) << year;
        ASSERT_EQ(detail::HebrewYearStart(year), start) << year;  // the conversion's form
        const Weekday weekday = WeekdayOf(start);
        ASSERT_TRUE(weekday != kSunday && weekday != kWednesday && weekday != kFriday) << year;
        const std::int32_t days = DaysInHebrewYear(year);
        ASSERT_EQ(lengths.count(days), 1u) << year << " has " << days << " days";
        ASSERT_EQ(HebrewLeapYear(year), days > 380) << year;
        ASSERT_EQ(SumOfMonthLengths(year), days) << year;
    }
}

TEST(HebrewYearArithmetic, YearsBeforeTheEraDoNotFail) {
    for (std::int32_t year = -32769; year <= 0; ++year) {
        ASSERT_NO_THROW(SumOfMonthLengths(year)) << year;
    }
    // One year beyond 16 bits below: a 383-day leap year like any other.
    EXPECT_EQ(DaysInHebrewYear(-32769), 383);
    EXPECT_EQ(SumOfMonthLengths(-32769), 383);
}

// ---- Day numbers to Hebrew dates -------------------------------------------

TEST(JulianDayToHebrew, DayNumbers) {
    struct Row {
        JulianDayNumber jd;
        DateFields date;
    };
    const Row rows[] = {
        {std::numeric_limits<std::int32_t>::min(), {0, 0, 0}},
        {-9847175, {0, 0, 0}},
        {347997, {0, 0, 0}},
        {347998, {1, 1, 1}},
        {348352, {1, 12, 29}},
        {2460204, {5784, 1, 1}},
        {2460394, {5784, 7, 14}},
        {2460424, {5784, 8, 15}},
        {2460586, {5784, 13, 29}},
        {2460587, {5785, 1, 1}},
        {2460749, {5785, 6, 14}},
        {2460779, {5785, 7, 15}},
        {2460941, {5785, 12, 29}},
        {2460942, {5786, 1, 1}},
        {12307951, {32745, 12, 4}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ToHebrew(row.jd), row.date) << row.jd;
    }
}

TEST(JulianDayToHebrew, TooLateADayOverflowsBeforeWritingAnyField) {
    for (const JulianDayNumber jd : {12307952, 20000000, std::numeric_limits<std::int32_t>::max()}) {
        DateFields date{7, 8, 9};
        EXPECT_THROW(JulianDayToHebrew(jd, date.year, date.month, date.day), OverflowError) << jd;
        EXPECT_EQ(date, (DateFields{7, 8, 9})) << jd;
    }
}

TEST(PersianToHebrew, PersianDates) {
    struct Row {
        DateFields persian;
        DateFields hebrew;
    };
    const Row rows[] = {
        {{1403, 7, 12}, {5785, 1, 1}},     {{1403, 7, 11}, {5784, 13, 29}},
        {{1403, 1, 1}, {5784, 7, 10}},     {{1382, 3, 19}, {5763, 10, 9}},
        {{1, 1, 1}, {4382, 7, 2}},         {{-4382, 6, 13}, {0, 0, 0}},
        {{-4382, 6, 14}, {1, 1, 1}},       {{-32295, 1, 1}, {0, 0, 0}},
        {{28364, 9, 21}, {32745, 12, 4}},
    };
    for (const Row& row : rows) {
        DateFields date = row.persian;
        PersianToHebrew(date.year, date.month, date.day);
        EXPECT_EQ(date, row.hebrew) << row.persian;
    }
}

TEST(PersianToHebrew, OverflowKeepsThePersianDate) {
    // 28364/9/22 is the first day number past the year estimate's 16 bits;
    // -32296/1/1 already fails in the Persian day count.
    for (const DateFields persian : {DateFields{28364, 9, 22}, DateFields{-32296, 1, 1}}) {
        DateFields date = persian;
        EXPECT_THROW(PersianToHebrew(date.year, date.month, date.day), OverflowError)
            << persian;
        EXPECT_EQ(date, persian);
    }
}

// In the first 93 years the estimate dayIndex / 365 + 1 can lie one below the
// year that holds the day. The conversion then steps up to that year.
TEST(JulianDayToHebrew, EarlyDaysBelowTheEstimateGetTheirOwnYear) {
    EXPECT_EQ(ToHebrew(348353), (DateFields{2, 1, 1}));
    EXPECT_EQ(ToHebrew(348361), (DateFields{2, 1, 9}));
    EXPECT_EQ(ToHebrew(348362), (DateFields{2, 1, 10}));
    EXPECT_EQ(ToHebrew(348708), (DateFields{3, 1, 1}));
    EXPECT_EQ(ToHebrew(381576), (DateFields{93, 1, 2}));

    std::vector<JulianDayNumber> lowDays;
    int runs = 0;
    for (JulianDayNumber jd = kHebrewEpoch + 1; jd <= 400000; ++jd) {
        const std::int32_t estimate = (jd - kHebrewEpoch) / 365 + 1;
        const DateFields date = ToHebrew(jd);
        if (estimate >= date.year) continue;
        ASSERT_EQ(estimate + 1, date.year) << jd;
        ASSERT_LE(date.month, MonthsIn(date.year)) << jd;
        if (lowDays.empty() || lowDays.back() != jd - 1) {
            ++runs;
            EXPECT_EQ(date.month, 1) << jd;
            EXPECT_EQ(date.day, 1) << jd << " begins a run";
        }
        lowDays.push_back(jd);
    }
    EXPECT_EQ(lowDays.size(), 386u);
    EXPECT_EQ(runs, 43);
    EXPECT_EQ(lowDays.front(), 348353);
    EXPECT_EQ(lowDays.back(), 381576);
}

bool IsNextDay(const DateFields& before, const DateFields& after) {
    if (after.year == before.year && after.month == before.month) {
        return after.day == before.day + 1;
    }
    if (before.day != LastDayOfHebrewMonth(before.year, before.month)) return false;
    if (after.year == before.year) return after.month == before.month + 1 && after.day == 1;
    return before.month == MonthsIn(before.year) && after.year == before.year + 1 &&
           after.month == 1 && after.day == 1;
}

// Every day number that converts, each against the day before it, through
// the literal search; the faster public conversion must agree on every day.
TEST(JulianDayToHebrew, ConsecutiveDaysFollowEachOther) {
    constexpr JulianDayNumber kLast = 12307951;
    EXPECT_EQ(ToHebrew(kHebrewEpoch), (DateFields{0, 0, 0}));
    std::int32_t mostEvaluations = 0;
    std::int64_t days = 0;
    for (JulianDayNumber jd = kHebrewEpoch + 1; jd <= kLast; jd += test::kSweepStride) {
        DateFields date{};
        std::int32_t evaluations = 0;
        reference::JulianDayToHebrew(jd, date.year, date.month, date.day, evaluations);
        ASSERT_LE(evaluations, 24) << jd;
        ASSERT_EQ(ToHebrew(jd), date) << jd;
        if (evaluations > mostEvaluations) mostEvaluations = evaluations;
        ASSERT_GE(date.month, 1) << jd;
        ASSERT_LE(date.month, MonthsIn(date.year)) << jd;
        if (date.month == 1 && date.day == 1) {
            ASSERT_EQ(HebrewElapsedDays(date.year), jd - kHebrewEpoch) << jd;
        }
        if (jd > kHebrewEpoch + 1) {
            ASSERT_PRED2(IsNextDay, ToHebrew(jd - 1), date) << jd;
        }
        ++days;
    }
    RecordProperty("days", std::to_string(days));
    RecordProperty("mostYearSearchEvaluations", mostEvaluations);
}

// ---- Against ICU's Hebrew calendar -------------------------------------

TEST(IcuOracle, JulianDayFieldIsOurDayNumber) {
    EXPECT_EQ(test::IcuGregorianDateOf(2451545), (DateFields{2000, 1, 1}));
    EXPECT_EQ(test::IcuGregorianDateOf(2299161), (DateFields{1582, 10, 15}));
    test::IcuHebrewCalendar icu;
    EXPECT_EQ(icu.DateOf(2460587), (DateFields{5785, 1, 1}));
    EXPECT_EQ(icu.DateOf(2460394), (DateFields{5784, 7, 14}));
}

TEST(IcuOracle, LateYearStartsFollowFromTheRule) {
    std::vector<std::int32_t> years;
    for (std::int32_t year = 1; year <= 6000; ++year) {
        if (IcuStartsYearLate(year)) years.push_back(year);
    }
    EXPECT_EQ(years.size(), 33u);
    test::IcuHebrewCalendar icu;
    for (const std::int32_t year : years) {
        const JulianDayNumber firstDay = HebrewElapsedDays(year) + kHebrewEpoch;
        ASSERT_EQ(WeekdayOf(HebrewElapsedDays(year)), kMonday) << year;
        EXPECT_EQ(icu.DateOf(firstDay).year, year - 1) << year;
        EXPECT_EQ(icu.DateOf(firstDay + 1), (DateFields{static_cast<std::int16_t>(year), 1, 1}))
            << year;
    }
}

// A late start lengthens ICU's year before by a day and shortens its own, so
// ICU's dates run a day behind from where the year before takes the extra
// day (its Heshvan or, failing that, its end) to where the late year loses it
// again.
bool IcuMayDiffer(std::int32_t year) {
    return IcuStartsYearLate(year) || IcuStartsYearLate(year + 1);
}

struct IcuComparison {
    std::int64_t compared = 0;
    std::int64_t differing = 0;
    int runs = 0;  // of differing days among the days compared
    std::set<std::int32_t> lateYears;
};

// Compares the days first, first + stride, ... up to last, failing on a day
// that differs away from a late year.
IcuComparison CompareWithIcu(JulianDayNumber first, JulianDayNumber last, int stride) {
    test::IcuHebrewCalendar icu;
    IcuComparison result;
    bool lastDiffered = false;
    for (JulianDayNumber jd = first; jd <= last; jd += stride) {
        const DateFields ours = ToHebrew(jd);
        const DateFields theirs = icu.DateOf(jd);
        ++result.compared;
        const bool differs = !(ours == theirs);
        if (differs) {
            ++result.differing;
            result.runs += !lastDiffered;
            result.lateYears.insert(IcuStartsYearLate(ours.year) ? ours.year : ours.year + 1);
            EXPECT_TRUE(IcuMayDiffer(ours.year)) << jd << ": ours " << ours << ", ICU " << theirs;
        }
        lastDiffered = differs;
    }
    return result;
}

void RecordComparison(const IcuComparison& comparison) {
    std::string years;
    for (const std::int32_t year : comparison.lateYears) years += std::to_string(year) + " ";
    testing::Test::RecordProperty("daysCompared", std::to_string(comparison.compared));
    testing::Test::RecordProperty("daysDiffering", std::to_string(comparison.differing));
    testing::Test::RecordProperty("runs", comparison.runs);
    testing::Test::RecordProperty("lateYears", years);
}

TEST(IcuOracle, AgreesOnEveryDayOfTheFirstSixThousandYearsOutsideTheLateYears) {
    const JulianDayNumber last = HebrewElapsedDays(6001) + kHebrewEpoch - 1;
    const IcuComparison comparison = CompareWithIcu(kHebrewEpoch + 1, last, test::kSweepStride);
    if (test::kSweepStride == 1) {
        std::int32_t lateYears = 0;
        for (std::int32_t year = 1; year <= 6000; ++year) lateYears += IcuStartsYearLate(year);
        EXPECT_EQ(comparison.runs, lateYears);
    }
    RecordComparison(comparison);
}

// A sample of every 17th day (times the sweep stride) from year 6001 to the
// last day that converts.
TEST(IcuOracle, AgreesOnLaterDaysOutsideTheLateYears) {
    const JulianDayNumber first = HebrewElapsedDays(6001) + kHebrewEpoch;
    RecordComparison(CompareWithIcu(first, 12307951, 17 * test::kSweepStride));
}

// ---- Hebrew dates to day numbers -----------------------------------------

std::optional<JulianDayNumber> Inverse(const DateFields& date) {
    return HebrewToJulianDay(date.year, date.month, date.day);
}

TEST(HebrewToJulianDay, InvertsEveryConvertibleDay) {
    std::int64_t days = 0;
    for (JulianDayNumber jd = kHebrewEpoch + 1; jd <= 12307951; jd += test::kSweepStride, ++days)
        ASSERT_EQ(Inverse(ToHebrew(jd)), jd) << ToHebrew(jd);
    RecordProperty("days", std::to_string(days));
}

// Each swept year's dates, taken in order with months and days one past
// their ends, are its days one after another from its 1 Tishri to the day
// before the next; the forward conversion gives each back where it reaches.
TEST(HebrewToJulianDay, TheDatesOfEachYearAreItsDaysInOrder) {
    std::int64_t dates = 0;
    const auto checkYear = [&](std::int16_t year) {
        JulianDayNumber next = HebrewElapsedDays(year) + kHebrewEpoch;
        for (std::int16_t month = 0; month <= 14; ++month) {
            for (std::int16_t day = 0; day <= 31; ++day) {
                const bool valid = month >= 1 && month <= MonthsIn(year) && day >= 1 &&
                                   day <= LastDayOfHebrewMonth(year, month);
                const DateFields date{year, month, day};
                ASSERT_EQ(Inverse(date), valid ? std::optional<JulianDayNumber>(next) : std::nullopt)
                    << date;
                if (!valid) continue;
                if (next <= 12307951) {
                    ASSERT_EQ(ToHebrew(next), date);
                }
                ++next;
                ++dates;
            }
        }
        ASSERT_EQ(next, HebrewElapsedDays(year + 1) + kHebrewEpoch) << year;
    };
    for (int year = 1; year <= 32767; year += test::kSweepStride)
        checkYear(static_cast<std::int16_t>(year));
    const std::int64_t counted = dates;
    checkYear(32767);
    dates = counted;
    RecordProperty("dates", std::to_string(dates));
}

TEST(HebrewToJulianDay, RejectedFields) {
    const DateFields rejected[] = {
        {0, 1, 1},     {-1, 1, 1},     {-32768, 1, 1}, {5785, 13, 1},  // 5785 is a common year
        {5784, 14, 1}, {5785, 0, 1},   {5785, 1, 0},   {5785, 1, 31},
        {5785, 12, 30}, {5786, 2, 30}, {5781, 3, 30},  {5785, -32768, 1},
        {5785, 1, -32768},
    };
    for (const DateFields& date : rejected) EXPECT_EQ(Inverse(date), std::nullopt) << date;
    EXPECT_EQ(Inverse({5784, 13, 29}), 2460586);
    EXPECT_EQ(Inverse({5785, 2, 30}), 2460646);  // 1 Tishri 2460587 + 30 + 29: a long Heshvan
    EXPECT_EQ(Inverse({32767, 1, 1}), HebrewElapsedDays(32767) + kHebrewEpoch);
}

// ICU given the date's fields, on the days of the first 6000 years: the
// same day, but in and around its late years.
TEST(IcuOracle, InverseAgreesOutsideTheLateYears) {
    test::IcuHebrewCalendar icu;
    const JulianDayNumber last = HebrewElapsedDays(6001) + kHebrewEpoch - 1;
    std::int64_t compared = 0, differing = 0;
    for (JulianDayNumber jd = kHebrewEpoch + 1; jd <= last; jd += test::kSweepStride, ++compared) {
        const DateFields date = ToHebrew(jd);
        const JulianDayNumber theirs = icu.DayNumberOf(date);
        if (Inverse(date) == theirs) continue;
        ++differing;
        EXPECT_TRUE(IcuMayDiffer(date.year)) << date << ": ours " << jd << ", ICU " << theirs;
    }
    RecordProperty("daysCompared", std::to_string(compared));
    RecordProperty("daysDiffering", std::to_string(differing));
}

}  // namespace
}  // namespace velmora
