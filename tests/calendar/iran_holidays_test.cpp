// Iran's public holidays against the data files read on their own: the
// holiday list, the official lunar table and the official Nowruz table.
#include "calendar/iran_holidays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace velmora {
namespace {

// The lines of a data file that are not comments, split at tabs; an
// unreadable file fails the test instead of giving an empty table.
std::vector<std::vector<std::string>> Rows(const std::string& path) {
    std::ifstream file(path);
    EXPECT_TRUE(file.is_open()) << path;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

struct ListedHoliday {
    bool lunar;
    int month;
    int day;  // 0: the month's last day
    std::string persianName;
};

std::vector<ListedHoliday> HolidayList() {
    std::vector<ListedHoliday> list;
    for (const auto& f : Rows(VELMORA_IRAN_HOLIDAYS)) {
        list.push_back({f.at(1) == "lunar", std::stoi(f.at(2)), f.at(3) == "end" ? 0 : std::stoi(f.at(3)), f.at(4)});
    }
    return list;
}

struct LunarMonth {
    int year, month;
    JulianDayNumber first;
    int days;
    HolidayDayKnown known;
};

std::vector<LunarMonth> LunarTable() {
    const std::map<std::string, HolidayDayKnown> statuses{{"record", HolidayDayKnown::kRecord},
                                                          {"announced", HolidayDayKnown::kAnnounced},
                                                          {"published", HolidayDayKnown::kPublished}};
    std::vector<LunarMonth> months;
    for (const auto& f : Rows(VELMORA_OFFICIAL_HIJRI_TABLE)) {
        months.push_back({std::stoi(f.at(0)), std::stoi(f.at(1)), std::stoi(f.at(3)), std::stoi(f.at(4)),
                          statuses.at(f.at(5))});
    }
    return months;
}

std::map<int, JulianDayNumber> NowruzDays() {
    std::map<int, JulianDayNumber> nowruz;
    for (const auto& f : Rows(VELMORA_TEST_DATA_DIR "/iran-official-nowruz-1206-1498.tsv"))
        nowruz[std::stoi(f.at(0))] = std::stoi(f.at(3));
    return nowruz;
}

using Placed = std::tuple<JulianDayNumber, std::string, int, int, HolidayDayKnown>;

Placed Of(const IranHoliday& h) {
    return {h.day, std::string(h.persianName), h.month, h.dayOfMonth, h.known};
}

// Each listed holiday placed by hand from the tables: a Persian date from
// the year's Nowruz (months 1-6 of 31 days, then 30; Esfand 30 only when the
// next Nowruz is 366 days on), a lunar date from its month's row, and the
// month after the table's last row from the day after it, for days 1-29.
std::vector<Placed> ExpectedHolidays(int year, const std::map<int, JulianDayNumber>& nowruz,
                                     const std::vector<ListedHoliday>& list, const std::vector<LunarMonth>& table) {
    const JulianDayNumber first = nowruz.at(year), next = nowruz.at(year + 1);
    std::vector<LunarMonth> months = table;
    const LunarMonth& last = table.back();
    months.push_back({last.month == 12 ? last.year + 1 : last.year, last.month % 12 + 1, last.first + last.days, 29,
                      last.known});
    std::vector<Placed> expected;
    for (const ListedHoliday& h : list) {
        if (!h.lunar) {
            const int offset = h.month <= 7 ? (h.month - 1) * 31 : 186 + (h.month - 7) * 30;
            const JulianDayNumber day = first + offset + h.day - 1;
            if (day < next) expected.emplace_back(day, h.persianName, h.month, h.day, HolidayDayKnown::kFixed);
            continue;
        }
        for (const LunarMonth& m : months) {
            if (m.month != h.month || (h.day == 0 && &m == &months.back())) continue;
            const int dayOfMonth = h.day == 0 ? m.days : h.day;
            const JulianDayNumber day = m.first + dayOfMonth - 1;
            if (dayOfMonth <= m.days && day >= first && day < next)
                expected.emplace_back(day, h.persianName, h.month, dayOfMonth, m.known);
        }
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Placed& a, const Placed& b) { return std::get<0>(a) < std::get<0>(b); });
    return expected;
}

TEST(IranHolidays, EveryHolidayOf1369To1405FallsWhereTheTablesPlaceIt) {
    const auto nowruz = NowruzDays();
    const auto list = HolidayList();
    const auto table = LunarTable();
    ASSERT_EQ(list.size(), 29u);
    for (int year = 1369; year <= 1405; ++year) {
        std::vector<Placed> actual;
        for (const IranHoliday& h : IranHolidaysOfYear(static_cast<std::int16_t>(year))) actual.push_back(Of(h));
        EXPECT_EQ(actual, ExpectedHolidays(year, nowruz, list, table)) << year;
    }
}

// Gregorian 2025-03-20 is day number 2460755, 2027-03-10 is 2461475.
constexpr JulianDayNumber k2025_03_20 = 2460755;
constexpr JulianDayNumber k2027_03_10 = 2461475;

// Days named by hand: Esfand 30 of the leap year 1403; Eid al-Fitr 1448 in
// the month after the lunar table; Nowruz 1405, also Eid al-Fitr 1447.
TEST(IranHolidays, NamedDays) {
    using K = HolidayDayKnown;
    struct Case {
        JulianDayNumber day;
        std::vector<std::tuple<std::string_view, std::int16_t, std::int16_t, K>> holidays;
    };
    const Case cases[] = {
        {k2025_03_20, {{"Year-end holiday", 12, 30, K::kFixed}}},
        {k2025_03_20 + 1, {{"Nowruz", 1, 1, K::kFixed}}},
        {k2027_03_10, {{"Eid al-Fitr", 10, 1, K::kPublished}}},
        {k2027_03_10 + 1, {{"Eid al-Fitr holiday", 10, 2, K::kPublished}}},
        {2461121, {{"Nowruz", 1, 1, K::kFixed}, {"Eid al-Fitr", 10, 1, K::kPublished}}},
    };
    for (const Case& c : cases) {
        std::vector<std::tuple<std::string_view, std::int16_t, std::int16_t, K>> actual;
        for (const IranHoliday& h : IranHolidaysOn(c.day)) actual.emplace_back(h.englishName, h.month, h.dayOfMonth, h.known);
        EXPECT_EQ(actual, c.holidays) << c.day;
    }
    for (const IranHoliday& h : IranHolidaysOfYear(1404))  // a common year
        EXPECT_FALSE(h.calendar == HolidayCalendar::kPersian && h.dayOfMonth == 30);
    const std::vector<IranHoliday> year1405 = IranHolidaysOfYear(1405);
    std::vector<JulianDayNumber> days;
    for (const IranHoliday& h : year1405) days.push_back(h.day);
    EXPECT_EQ(year1405.size(), 30u);
    EXPECT_EQ(std::unique(days.begin(), days.end()) - days.begin(), 26);
}

TEST(IranHolidays, LunarDatesRunOnPastTheTable) {
    using D = std::tuple<std::int16_t, std::int16_t, std::int16_t, HolidayDayKnown>;
    const std::pair<JulianDayNumber, D> cases[] = {
        {2396360, {1265, 1, 1, HolidayDayKnown::kRecord}},  // the table's first day
        {k2027_03_10 - 1, {1448, 9, 30, HolidayDayKnown::kPublished}},
        {k2027_03_10 + 28, {1448, 10, 29, HolidayDayKnown::kPublished}},
    };
    for (const auto& [day, expected] : cases) {
        const std::optional<IranLunarDate> lunar = IranLunarDateOn(day);
        ASSERT_TRUE(lunar) << day;
        EXPECT_EQ(std::tie(lunar->date.year, lunar->date.month, lunar->date.day, lunar->known), expected) << day;
    }
    EXPECT_EQ(IranLunarDateOn(k2027_03_10 + 29)->known, HolidayDayKnown::kEstimated);
    EXPECT_FALSE(IranLunarDateOn(2396359));
}

TEST(IranHolidays, LunarHolidaysPastTheTableAreEstimated) {
    int estimated = 0;
    for (const IranHoliday& h : IranHolidaysOfYear(1406)) {
        if (h.calendar == HolidayCalendar::kPersian) continue;
        // 1448/10 follows the table's last month: its days 1-29 are determined.
        const bool determined = h.day < k2027_03_10 + 29;
        EXPECT_EQ(h.known, determined ? HolidayDayKnown::kPublished : HolidayDayKnown::kEstimated) << h.englishName;
        estimated += h.known == HolidayDayKnown::kEstimated;
    }
    EXPECT_GE(estimated, 17);
}

TEST(IranHolidays, NothingOutside1369To1498) {
    EXPECT_TRUE(IranHolidaysOfYear(1368).empty());
    EXPECT_TRUE(IranHolidaysOfYear(1499).empty());
    EXPECT_TRUE(IranHolidaysOfYear(-1).empty());
    const JulianDayNumber nowruz1369 = NowruzDays().at(1369);
    EXPECT_TRUE(IranHolidaysOn(nowruz1369 - 1).empty());  // 1368/12/29, Oil Nationalization Day
    EXPECT_FALSE(IranHolidaysOn(nowruz1369).empty());
    EXPECT_FALSE(IranHolidaysOfYear(1498).empty());
    EXPECT_TRUE(IranHolidaysOn(2495454).empty());  // 1499/1/1, past the official calendar
    EXPECT_TRUE(IranHolidaysOn(0).empty());
}

// Over the whole range each holiday comes back once a year of its calendar:
// a lunar one 353 to 356 days after the last (official months and estimated
// ones may meet), a Persian one 365 or 366 days after; none is lost or
// doubled where the table ends.
TEST(IranHolidays, EveryHolidayRecursOnceAYearOfItsCalendar) {
    // By name and calendar: the days of each holiday over the whole range.
    std::map<std::pair<std::string_view, HolidayCalendar>, std::vector<JulianDayNumber>> byRule;
    for (int year = kFirstIranHolidayYear; year <= kLastIranHolidayYear; ++year) {
        const std::vector<IranHoliday> holidays = IranHolidaysOfYear(static_cast<std::int16_t>(year));
        EXPECT_TRUE(std::is_sorted(holidays.begin(), holidays.end(),
                                   [](const IranHoliday& a, const IranHoliday& b) { return a.day < b.day; }));
        for (const IranHoliday& h : holidays) {
            if (h.calendar == HolidayCalendar::kPersian && h.dayOfMonth == 30) continue;  // leap years only
            byRule[{h.persianName, h.calendar}].push_back(h.day);
            // A lunar holiday's date is the day's lunar date, known alike.
            const std::optional<IranLunarDate> lunar = IranLunarDateOn(h.day);
            ASSERT_TRUE(lunar.has_value()) << h.day;
            if (h.calendar == HolidayCalendar::kLunar) {
                EXPECT_EQ(std::tie(lunar->date.month, lunar->date.day, lunar->known),
                          std::tie(h.month, h.dayOfMonth, h.known)) << h.day;
            }
        }
    }
    EXPECT_EQ(byRule.size(), 26u);  // Nowruz days 2-4 share a name, and Esfand 30 is left out
    for (const auto& [rule, days] : byRule) {
        const bool persian = rule.second == HolidayCalendar::kPersian;
        // Nowruz days 2-4: three a year.
        const std::size_t stride = days.size() > 200 ? 3 : 1;
        for (std::size_t i = stride; i < days.size(); ++i) {
            const JulianDayNumber gap = days[i] - days[i - stride];
            EXPECT_TRUE(persian ? gap == 365 || gap == 366 : gap >= 353 && gap <= 356)
                << rule.first << " at day " << days[i] << ": " << gap << " days after the last";
        }
    }
}

}  // namespace
}  // namespace velmora
