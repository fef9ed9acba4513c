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

}  // namespace
}  // namespace velmora
