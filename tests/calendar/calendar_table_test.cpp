// The calendar table: each row's functions agree with each other and with
// Form1's conversion, and the facts the windows ask of the calendars.
#include "calendar/calendar_table.h"

#include <gtest/gtest.h>

#include "calendar/M_persian.h"
#include "calendar/official_islamic.h"

namespace velmora {
namespace {

// Every fifth day from 1 Farvardin 1 (622) to 2200, where every row has a
// date: the row's two directions, its month length and month-name key, and
// Form1's in-place conversion all give the same date.
TEST(CalendarTable, EachRowsFunctionsAgreeOverTheCommonRange) {
    constexpr JulianDayNumber kFirst = 1948321;
    constexpr JulianDayNumber kLast = 2524594;
    for (const CalendarRow& row : kCalendars) {
        SCOPED_TRACE(static_cast<int>(row.id));
        for (JulianDayNumber day = kFirst; day <= kLast; day += 5) {
            const std::optional<DateFields> date = row.fromDayNumber(day);
            ASSERT_TRUE(date) << day;
            ASSERT_EQ(row.toDayNumber(date->year, date->month, date->day), day);
            const std::optional<std::int16_t> length = row.monthLength(date->year, date->month);
            ASSERT_TRUE(length && date->day <= *length) << day;
            ASSERT_LT(row.monthNameKey(*date), row.monthNameCount) << day;
            const std::optional<DateFields> persian = JulianDayToPersian(day);
            DateFields inPlace = *persian;
            row.fromPersian(inPlace.year, inPlace.month, inPlace.day);
            ASSERT_TRUE(inPlace.year == date->year && inPlace.month == date->month && inPlace.day == date->day)
                << day;
        }
    }
}

// Day number 0 was a Monday and 2451545 (1 January 2000) a Saturday.
TEST(CalendarTable, WeekdayCountsFromSundayOnBothSidesOfDayZero) {
    struct Case {
        JulianDayNumber day;
        int weekday;
    };
    for (const Case c : {Case{0, 1}, Case{-1, 0}, Case{-6, 2}, Case{-7, 1}, Case{-8, 0}, Case{2451545, 6},
                         Case{2460747, 3}, Case{-2147483647 - 1, 6}}) {
        EXPECT_EQ(Weekday(c.day), c.weekday) << c.day;
    }
}

// 5784 is a leap year, 5785 a common one.
TEST(CalendarTable, HebrewMonthNamesPlaceBothAdars) {
    struct Case {
        std::int16_t year, month;
        std::size_t key;
    };
    for (const Case c : {Case{5785, 1, 0}, Case{5785, 5, 4}, Case{5785, 6, 5}, Case{5785, 7, 8}, Case{5785, 12, 13},
                         Case{5784, 5, 4}, Case{5784, 6, 6}, Case{5784, 7, 7}, Case{5784, 8, 8}, Case{5784, 13, 13}}) {
        EXPECT_EQ(CalendarOf(CalendarId::kHebrew).monthNameKey(DateFields{c.year, c.month, 1}), c.key)
            << c.year << '/' << c.month;
    }
}

TEST(CalendarTable, TheHebrewEraAndTheJulianReadingStartWhereTheCalendarsDo) {
    const CalendarRow& hebrew = CalendarOf(CalendarId::kHebrew);
    EXPECT_EQ(hebrew.fromDayNumber(347997), std::nullopt);
    EXPECT_TRUE(BeforeEra(hebrew, 347997));
    EXPECT_FALSE(BeforeEra(hebrew, 347998));
    EXPECT_EQ(hebrew.toDayNumber(1, 1, 1), 347998);
    EXPECT_FALSE(BeforeEra(CalendarOf(CalendarId::kIslamic), -1000000));
    EXPECT_TRUE(IsJulianCalendarDay(2299160));   // 4 October 1582
    EXPECT_FALSE(IsJulianCalendarDay(2299161));  // 15 October 1582
}

// The official reading's source: a record month (1 Ramadan 1446 on
// 2 March 2025), a month published in advance (1447/10 on 21 March 2026),
// the computed calendar before and after the table, and calendars without one.
TEST(CalendarTable, OfficialReadingSaysWhereItsDateComesFrom) {
    const CalendarRow& islamic = CalendarOf(CalendarId::kIslamic);
    const OfficialReading ramadan = islamic.officialReading(2460737);
    EXPECT_EQ(ramadan.source, DateSource::kRecord);
    EXPECT_TRUE(ramadan.date.year == 1446 && ramadan.date.month == 9 && ramadan.date.day == 1);
    EXPECT_EQ(islamic.officialReading(2461121).source, DateSource::kPublished);
    EXPECT_EQ(islamic.officialReading(kOfficialIslamicFirstDay - 1).source, DateSource::kComputed);
    EXPECT_EQ(islamic.officialReading(kOfficialIslamicLastDay + 1).source, DateSource::kNotYetPublished);
    EXPECT_EQ(CalendarOf(CalendarId::kGregorian).officialReading(2460736).source, DateSource::kComputed);
    EXPECT_EQ(CalendarOf(CalendarId::kHebrew).officialToDayNumber, nullptr);
}

// As measured when the yearbooks were entered: of the 288 official months of
// 1423-1446, 80 began a day later than the computed month and 3 a day earlier.
TEST(OfficialIslamic, YearbookMonthsAgainstTheComputedMonths) {
    const MonthStartComparison c = CompareWithComputedMonths(kYearbookFirstYear, kYearbookLastYear);
    EXPECT_EQ(c.months, 288);
    EXPECT_EQ(c.later, 80);
    EXPECT_EQ(c.earlier, 3);
}

}  // namespace
}  // namespace velmora
