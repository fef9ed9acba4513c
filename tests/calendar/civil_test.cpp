#include "M_civil.h"
#include "M_convert.h"
#include "M_julian.h"
#include "civil_inverse.h"
#include "sweep.h"

#include <gtest/gtest.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <memory>
#include <optional>
#include <string>

namespace velmora {
namespace {

struct Civil {
    std::int16_t year, month, day;
    bool operator==(const Civil&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Civil& d) {
    return out << d.year << "/" << d.month << "/" << d.day;
}

Civil Gregorian(JulianDayNumber jd) {
    Civil d{};
    JulianDayToGregorian(jd, d.year, d.month, d.day);
    return d;
}

struct DayNumberCase {
    JulianDayNumber jd;
    Civil date;
};

TEST(JulianDayToGregorian, MatchesKnownDates) {
    const DayNumberCase cases[] = {
        {2299160, {1582, 10, 4}},  {2299161, {1582, 10, 15}}, {2451545, {2000, 1, 1}},
        {2452800, {2003, 6, 9}},   {1948321, {622, 3, 19}},   {0, {-4712, 1, 1}},
        {-1, {-4713, 12, 31}},     {-1401, {-4716, 3, 1}},    {-1402, {-4716, 2, 30}},
        {13689325, {32767, 12, 31}}, {1721424, {1, 1, 1}},    {1721423, {0, 12, 31}},
    };
    for (const auto& c : cases) EXPECT_EQ(Gregorian(c.jd), c.date) << c.jd;
}

TEST(JulianDayToGregorian, OverflowLeavesTheFieldsWrittenBeforeIt) {
    Civil d{7, 7, 7};
    EXPECT_THROW(JulianDayToGregorian(13689326, d.year, d.month, d.day), OverflowError);
    EXPECT_EQ(d, (Civil{7, 1, 1}));  // day and month written, year not
}

struct PersianCase {
    Civil persian;
    Civil gregorian;
};

TEST(PersianToGregorian, ConvertsInPlace) {
    const PersianCase cases[] = {
        {{1382, 3, 19}, {2003, 6, 9}},   {{1403, 1, 1}, {2024, 3, 20}},
        {{961, 7, 22}, {1582, 10, 4}},   {{961, 7, 23}, {1582, 10, 15}},
        {{1, 1, 1}, {622, 3, 19}},       {{1382, 0, 0}, {2003, 2, 17}},
        {{32146, 10, 19}, {32767, 12, 31}},
    };
    for (const auto& c : cases) {
        Civil d = c.persian;
        PersianToGregorian(d.year, d.month, d.day);
        EXPECT_EQ(d, c.gregorian) << c.persian;
    }
}

TEST(PersianToGregorian, ErrorsLeaveThePartlyWrittenFields) {
    Civil late{32146, 10, 20};  // day number 13689326, 1 January 32768
    EXPECT_THROW(PersianToGregorian(late.year, late.month, late.day), OverflowError);
    EXPECT_EQ(late, (Civil{32146, 1, 1}));

    Civil early{-32296, 1, 1};  // the day number itself overflows: nothing written
    EXPECT_THROW(PersianToGregorian(early.year, early.month, early.day), OverflowError);
    EXPECT_EQ(early, (Civil{-32296, 1, 1}));
}

int CivilMonthLength(std::int64_t year, int month, bool gregorian) {
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) return kLengths[month - 1];
    const bool leap = gregorian ? (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0))
                                : year % 4 == 0;
    return leap ? 29 : 28;
}

// From day number -1401 on, every day number gives a real date whose day
// number, computed back by an independent inverse, is the same.
TEST(JulianDayToGregorian, InvertsOnEveryConvertibleDay) {
    const auto check = [](JulianDayNumber jd) {
        const Civil d = Gregorian(jd);
        const bool gregorian = jd > kLastJulianCalendarDay;
        if (d.month < 1 || d.month > 12 || d.day < 1 ||
            d.day > CivilMonthLength(d.year, d.month, gregorian))
            return false;
        const std::int64_t back = gregorian ? test::GregorianToDayNumber(d.year, d.month, d.day)
                                            : test::JulianToDayNumber(d.year, d.month, d.day);
        return back == jd;
    };
    std::int64_t checked = 0;
    for (JulianDayNumber jd = -1401; jd <= 13689325; jd += test::kSweepStride, ++checked)
        ASSERT_TRUE(check(jd)) << jd << " gives " << Gregorian(jd);
    for (const JulianDayNumber jd : {2299160, 2299161, 13689325}) ASSERT_TRUE(check(jd)) << jd;
    EXPECT_GT(checked, 13689325 / test::kSweepStride);
}

// ICU's Gregorian calendar with its default 1582 reform, on the same day
// numbers: every day of Gregorian years 1 to 9999.
TEST(JulianDayToGregorian, AgreesWithIcuFromYearOneTo9999) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(*icu::TimeZone::getGMT(), status);
    ASSERT_TRUE(U_SUCCESS(status));
    const JulianDayNumber first = 1721424;  // 1 January 1 (Julian)
    const JulianDayNumber last = 5373484;   // 31 December 9999
    int compared = 0;
    for (JulianDayNumber jd = first; jd <= last; jd += test::kSweepStride, ++compared) {
        icu.clear();
        icu.set(UCAL_JULIAN_DAY, jd);
        const Civil expected{static_cast<std::int16_t>(icu.get(UCAL_EXTENDED_YEAR, status)),
                             static_cast<std::int16_t>(icu.get(UCAL_MONTH, status) + 1),
                             static_cast<std::int16_t>(icu.get(UCAL_DATE, status))};
        ASSERT_TRUE(U_SUCCESS(status));
        ASSERT_EQ(Gregorian(jd), expected) << jd;
    }
    EXPECT_EQ(compared, (last - first) / test::kSweepStride + 1);
}

// ---- Civil dates to day numbers ------------------------------------------

// The reform's order of dates: up to 1582/10/4 Julian, from 1582/10/15
// Gregorian, none between.
enum class CivilCalendar { Julian, Gregorian, None };

CivilCalendar CalendarOf(int year, int month, int day) {
    const int key = year * 10000 + month * 100 + day;  // fine for years -32768..32767
    if (key <= 15821004) return CivilCalendar::Julian;
    if (key >= 15821015) return CivilCalendar::Gregorian;
    return CivilCalendar::None;
}

// The expected day number of a date, or none, from the independent inverses.
std::optional<JulianDayNumber> ExpectedDayNumber(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) return std::nullopt;
    const CivilCalendar calendar = CalendarOf(year, month, day);
    if (calendar == CivilCalendar::None) return std::nullopt;
    const bool gregorian = calendar == CivilCalendar::Gregorian;
    if (day > CivilMonthLength(year, month, gregorian)) return std::nullopt;
    return static_cast<JulianDayNumber>(gregorian ? test::GregorianToDayNumber(year, month, day)
                                                  : test::JulianToDayNumber(year, month, day));
}

std::optional<JulianDayNumber> Inverse(const Civil& d) {
    return GregorianToJulianDay(d.year, d.month, d.day);
}

// Every day the forward conversion handles gives back its day number.
TEST(GregorianToJulianDay, InvertsEveryConvertibleDay) {
    std::int64_t days = 0;
    for (JulianDayNumber jd = -1401; jd <= 13689325; jd += test::kSweepStride, ++days)
        ASSERT_EQ(Inverse(Gregorian(jd)), jd) << Gregorian(jd);
    for (const JulianDayNumber jd : {2299160, 2299161, 13689325}) ASSERT_EQ(Inverse(Gregorian(jd)), jd);
    RecordProperty("days", std::to_string(days));
}

// Every field combination of the swept 16-bit years, with months and days
// one past their ends: a date exactly when the independent inverse says so,
// with its day number, and the forward conversion gives it back wherever
// it forms dates.
TEST(GregorianToJulianDay, EveryDateOfEveryYear) {
    std::int64_t dates = 0;
    bool counting = true;  // the extra years below are checked again, not counted
    const auto checkYear = [&](int year) {
        const auto y = static_cast<std::int16_t>(year);
        for (std::int16_t month = 0; month <= 13; ++month) {
            const bool real = month >= 1 && month <= 12;
            ASSERT_EQ(velmora::CivilMonthLength(y, month),
                      real ? std::optional<std::int16_t>(CivilMonthLength(year, month, year > 1582))
                           : std::nullopt)
                << year << "/" << month;
            for (std::int16_t day = 0; day <= 32; ++day) {
                const std::optional<JulianDayNumber> expected = ExpectedDayNumber(year, month, day);
                const std::optional<JulianDayNumber> jd = GregorianToJulianDay(y, month, day);
                ASSERT_EQ(jd, expected) << year << "/" << month << "/" << day;
                if (!jd) continue;
                dates += counting;
                if (*jd >= -1401) {
                    ASSERT_EQ(Gregorian(*jd), (Civil{y, month, day}));
                }
            }
        }
    };
    for (int year = -32768; year <= 32767; year += test::kSweepStride) checkYear(year);
    counting = false;
    for (const int year : {-32768, -4713, -1, 0, 1, 1500, 1582, 1600, 1700, 1900, 2000, 32767})
        checkYear(year);
    RecordProperty("dates", std::to_string(dates));
}

TEST(GregorianToJulianDay, KnownDatesAndRejectedFields) {
    const struct {
        Civil date;
        std::optional<JulianDayNumber> jd;
    } cases[] = {
        {{1582, 10, 4}, 2299160},    {{1582, 10, 15}, 2299161},   {{2000, 1, 1}, 2451545},
        {{2003, 6, 9}, 2452800},     {{-4712, 1, 1}, 0},          {{-4716, 3, 1}, -1401},
        {{32767, 12, 31}, 13689325}, {{1500, 2, 29}, 2268992},    // a Julian leap day
        {{1582, 10, 5}, std::nullopt}, {{1582, 10, 14}, std::nullopt},
        {{2023, 2, 29}, std::nullopt}, {{1900, 2, 29}, std::nullopt},
        {{2023, 4, 31}, std::nullopt}, {{2023, 0, 1}, std::nullopt},
        {{2023, 13, 1}, std::nullopt}, {{2023, 1, 0}, std::nullopt},
        {{2023, 1, 32}, std::nullopt}, {{2023, -32768, 1}, std::nullopt},
        {{2023, 1, -32768}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(Inverse(c.date), c.jd) << c.date;
}

// ICU's Gregorian calendar (the 1582 reform by default) given the date's
// fields, on every day of years 1 to 9999.
TEST(GregorianToJulianDay, AgreesWithIcuFromYearOneTo9999) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(*icu::TimeZone::getGMT(), status);
    ASSERT_TRUE(U_SUCCESS(status));
    std::int64_t agreed = 0;
    for (JulianDayNumber jd = 1721424; jd <= 5373484; jd += test::kSweepStride, ++agreed) {
        const Civil d = Gregorian(jd);
        icu.clear();
        icu.set(d.year, d.month - 1, d.day);
        const std::int32_t theirs = icu.get(UCAL_JULIAN_DAY, status);
        ASSERT_TRUE(U_SUCCESS(status));
        ASSERT_EQ(Inverse(d), theirs) << d;
    }
    RecordProperty("agreed", std::to_string(agreed));
}

}  // namespace
}  // namespace velmora
