// The holiday notes and the year list's rows, against days worked out by
// hand from the official tables.
#include "window/holiday_list.h"
#include "window/result_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace velmora::window {
namespace {

// Day numbers: 2025-03-20 is 2460755 (2451545, 1 January 2000, plus 9211),
// so 2025-07-05 is 2460862 and 2026-03-21, Nowruz 1405, is 2461121.
constexpr JulianDayNumber kTasua1447 = 2460862;      // 2025-07-05, officially 1404/4/14
constexpr JulianDayNumber kTasua1448 = 2461216;      // 2026-06-24, 1405/4/3
constexpr JulianDayNumber kNowruz1405 = 2461121;     // 2026-03-21, also Eid al-Fitr 1447
constexpr JulianDayNumber kEsfand30Of1403 = 2460755; // 2025-03-20

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(HolidayNotes, NameEachHolidayOfTheDayAndHowUncertainItIs) {
    struct Case {
        JulianDayNumber day;
        std::vector<std::string> english;  // each note's English line starts so
        std::string persianStart;          // the first note's Persian line
        std::string mark;                  // in every English line
    };
    const Case cases[] = {
        {kTasua1448, {"Public holiday in Iran: Tasua"}, "تعطیل رسمی ایران: تاسوعای حسینی", "published in advance"},
        {kTasua1447, {"Public holiday in Iran: Tasua"}, "تعطیل رسمی ایران: تاسوعای حسینی", ""},
        {kTasua1447 - 1, {}, "", ""},
        {kNowruz1405, {"Public holiday in Iran: Nowruz", "Public holiday in Iran: Eid al-Fitr"},
         "تعطیل رسمی ایران: آغاز نوروز", ""},
        {kEsfand30Of1403, {"Public holiday in Iran: Year-end holiday"}, "تعطیل رسمی ایران: تعطیل پایان سال", ""},
    };
    for (const Case& c : cases) {
        const std::vector<Note> notes = HolidayNotes(c.day);
        ASSERT_EQ(notes.size(), c.english.size()) << c.day;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            EXPECT_TRUE(StartsWith(notes[i].english, c.english[i])) << notes[i].english;
            EXPECT_TRUE(Has(notes[i].english, c.mark)) << notes[i].english;
        }
        if (!notes.empty()) {
            EXPECT_TRUE(StartsWith(notes[0].persian, c.persianStart)) << notes[0].persian;
        }
        if (!c.mark.empty()) {
            EXPECT_TRUE(Has(notes[0].persian, "هنوز تأیید نشده")) << notes[0].persian;
        }
    }
}

TEST(HolidayNotes, AnEstimatedDayGivesTheMeasuredFigure) {
    const std::vector<HolidayRow> rows = HolidayRows(1407);
    const auto estimated = std::find_if(rows.begin(), rows.end(), [](const HolidayRow& row) {
        return row.holiday.known == HolidayDayKnown::kEstimated;
    });
    ASSERT_NE(estimated, rows.end());
    const std::vector<Note> notes = HolidayNotes(estimated->holiday.day);
    ASSERT_FALSE(notes.empty());
    EXPECT_TRUE(Has(notes.back().english, "may begin a day later; in 1423-1446")) << notes.back().english;
    EXPECT_TRUE(Has(notes.back().english, "in 80 of 288 months")) << notes.back().english;
    EXPECT_TRUE(Has(notes.back().persian, "۸۰ ماه از ۲۸۸")) << notes.back().persian;
    EXPECT_TRUE(EstimatedDaysNote(rows).has_value());
    EXPECT_FALSE(EstimatedDaysNote(HolidayRows(1405)).has_value());
}

TEST(HolidayRows, Year1405) {
    const std::vector<HolidayRow> rows = HolidayRows(1405);
    ASSERT_EQ(rows.size(), 30u);
    const HolidayColumns& nowruz = rows[0].english;
    EXPECT_EQ(nowruz.persianDate, "Saturday 1 Farvardin 1405");
    EXPECT_EQ(nowruz.gregorianDate, "21 March 2026");
    EXPECT_EQ(nowruz.lunarDate, "1 Shawwal 1447");
    EXPECT_EQ(nowruz.name, "Nowruz");
    EXPECT_EQ(nowruz.known, "A fixed date of the official Persian calendar");
    EXPECT_EQ(rows[1].english.name, "Eid al-Fitr");
    EXPECT_EQ(rows[1].english.known, "As published in advance, not yet confirmed");
    EXPECT_EQ(rows[0].persian.persianDate, "شنبه ۱ فروردین ۱۴۰۵ هجری شمسی");
    EXPECT_EQ(rows[0].persian.gregorianDate, "۲۱ مارس ۲۰۲۶");
    // The last row, 1405/12/29: 2027-03-20, ten days after 1 Shawwal 1448,
    // in the month that follows the official lunar table.
    EXPECT_EQ(rows.back().english.name, "Oil Nationalization Day");
    EXPECT_EQ(rows.back().english.gregorianDate, "20 March 2027");
    EXPECT_EQ(rows.back().english.lunarDate, "11 Shawwal 1448");
}

TEST(HolidayRows, CopyTextIsOneTabSeparatedLineARowAfterTheHeadings) {
    const std::vector<HolidayRow> rows = HolidayRows(1405);
    for (const bool persian : {true, false}) {
        const std::string text = HolidayCopyText(rows, persian);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 31);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 31 * 4);
        EXPECT_EQ(text.back(), '\n');
    }
    EXPECT_TRUE(StartsWith(HolidayCopyText(rows, false), "Persian date\tGregorian date\t"));
}

TEST(HolidayRows, AYearOutsideTheListGetsAMessage) {
    for (const std::int16_t year : {std::int16_t{1368}, std::int16_t{1499}, std::int16_t{-5}}) {
        EXPECT_TRUE(HolidayRows(year).empty());
        const std::optional<Note> message = HolidayYearOutOfRange(year);
        ASSERT_TRUE(message.has_value()) << year;
        EXPECT_TRUE(Has(message->english, "1369 to 1498")) << message->english;
        EXPECT_TRUE(Has(message->persian, "۱۳۶۹ تا ۱۴۹۸")) << message->persian;
    }
    EXPECT_FALSE(HolidayYearOutOfRange(1369).has_value());
    EXPECT_FALSE(HolidayYearOutOfRange(1498).has_value());
}

}  // namespace
}  // namespace velmora::window
