// The official Iranian calendar against the published tables in tests/data.
#include "official_persian.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "civil_inverse.h"

namespace velmora {
namespace {

const std::string kDataDir = VELMORA_TEST_DATA_DIR;

// The lines of a data file that are not comments; an unreadable file fails
// the test instead of giving an empty table.
std::vector<std::string> DataLines(const std::string& name) {
    std::ifstream file(kDataDir + "/" + name);
    EXPECT_TRUE(file.is_open()) << kDataDir << "/" << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

std::set<int> PublishedLeapYears() {
    std::set<int> years;
    for (const std::string& line : DataLines("iran-official-leap-years-1206-1498.txt"))
        years.insert(std::stoi(line));
    return years;
}

struct PublishedYear {
    int year;
    bool leap;
    int gregorianYear, gregorianMonth, gregorianDay;  // of 1 Farvardin
    JulianDayNumber nowruz;
};

PublishedYear ParseYear(const std::string& line) {
    std::istringstream in(line);
    PublishedYear y{};
    int leap = 0;
    char dash1 = 0, dash2 = 0;
    in >> y.year >> leap >> y.gregorianYear >> dash1 >> y.gregorianMonth >> dash2 >>
        y.gregorianDay >> y.nowruz;
    EXPECT_TRUE(in && dash1 == '-' && dash2 == '-') << line;
    y.leap = leap == 1;
    return y;
}

std::vector<PublishedYear> PublishedYears() {
    std::vector<PublishedYear> years;
    for (const std::string& line : DataLines("iran-official-nowruz-1206-1498.tsv"))
        years.push_back(ParseYear(line));
    return years;
}

std::optional<JulianDayNumber> Official(int year, int month, int day) {
    return OfficialPersianToJulianDay(static_cast<std::int16_t>(year),
                                      static_cast<std::int16_t>(month),
                                      static_cast<std::int16_t>(day));
}

int MonthLength(int month, bool leap) {
    if (month <= 6) return 31;
    if (month <= 11) return 30;
    return leap ? 30 : 29;
}

// Every month of every covered year starts where the published 1 Farvardin
// and the month lengths put it, ends on its last day, and has no day after
// it; the year's last month ends the day before the next published
// 1 Farvardin.
TEST(OfficialPersianToJulianDay, EveryMonthOfEveryYearFollowsThePublishedTables) {
    const std::set<int> leapYears = PublishedLeapYears();
    const std::vector<PublishedYear> years = PublishedYears();
    ASSERT_EQ(leapYears.size(), 71u);  // as the file's header counts them
    ASSERT_EQ(years.size(), static_cast<std::size_t>(kOfficialPersianLastYear -
                                                     kOfficialPersianFirstYear + 1));
    for (std::size_t i = 0; i < years.size(); ++i) {
        const PublishedYear& y = years[i];
        SCOPED_TRACE(y.year);
        // The two files and the Gregorian column agree with each other.
        ASSERT_EQ(y.year, kOfficialPersianFirstYear + static_cast<int>(i));
        ASSERT_EQ(y.leap, leapYears.count(y.year) == 1);
        ASSERT_EQ(test::GregorianToDayNumber(y.gregorianYear, y.gregorianMonth, y.gregorianDay),
                  y.nowruz);

        JulianDayNumber first = y.nowruz;
        for (int month = 1; month <= 12; ++month) {
            const int length = MonthLength(month, y.leap);
            EXPECT_EQ(Official(y.year, month, 1), first) << "month " << month;
            EXPECT_EQ(Official(y.year, month, length), first + length - 1) << "month " << month;
            EXPECT_EQ(Official(y.year, month, length + 1), std::nullopt) << "month " << month;
            first += length;
        }
        if (i + 1 < years.size()) {
            EXPECT_EQ(first, years[i + 1].nowruz);
        }
    }
}

TEST(OfficialPersianToJulianDay, KnownDatesAndRejectedFields) {
    struct Case {
        int year, month, day;
        std::optional<JulianDayNumber> jd;
    };
    const Case cases[] = {
        {1404, 5, 10, 2460889},   // 1 August 2025
        {1403, 12, 30, 2460755},  // 20 March 2025, the last day of a leap year
        {1404, 12, 30, std::nullopt},
        {1206, 1, 1, 2388438},    // 22 March 1827, the first covered day
        {1498, 12, 30, 2495453},  // 20 March 2120, the last covered day
        {1205, 12, 29, std::nullopt},
        {1499, 1, 1, std::nullopt},
        {1404, 0, 1, std::nullopt},
        {1404, 13, 1, std::nullopt},
        {1404, 1, 0, std::nullopt},
        {1404, 7, 31, std::nullopt},
        {1404, -32768, 1, std::nullopt},
        {1404, 1, -32768, std::nullopt},
        {-32768, 1, 1, std::nullopt},
        {32767, 1, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Official(c.year, c.month, c.day), c.jd)
            << c.year << "/" << c.month << "/" << c.day;
    }
}

// Every covered day gets the date that counts to it, and every covered date
// comes back from its day; the days on either side have none.
TEST(JulianDayToOfficialPersian, InvertsEveryCoveredDayAndDate) {
    constexpr JulianDayNumber kFirst = 2388438;  // 1206/1/1, 22 March 1827
    constexpr JulianDayNumber kLast = 2495453;   // 1498/12/30, 20 March 2120
    for (JulianDayNumber jd = kFirst; jd <= kLast; ++jd) {
        const std::optional<DateFields> d = JulianDayToOfficialPersian(jd);
        ASSERT_TRUE(d) << jd;
        ASSERT_EQ(OfficialPersianToJulianDay(d->year, d->month, d->day), jd) << jd;
    }
    int dates = 0;
    for (int year = kOfficialPersianFirstYear; year <= kOfficialPersianLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::optional<JulianDayNumber> jd = Official(year, month, day);
                if (!jd) continue;
                ++dates;
                const std::optional<DateFields> back = JulianDayToOfficialPersian(*jd);
                ASSERT_TRUE(back && back->year == year && back->month == month && back->day == day)
                    << year << "/" << month << "/" << day;
            }
        }
    }
    EXPECT_EQ(dates, kLast - kFirst + 1);
    for (const JulianDayNumber jd : {kFirst - 1, kLast + 1, 0, -2147483647 - 1, 2147483647})
        EXPECT_FALSE(JulianDayToOfficialPersian(jd)) << jd;
    // 20 and 21 March 2025: the arithmetic's 1404/1/1 and 1404/1/2.
    const std::optional<DateFields> march20 = JulianDayToOfficialPersian(2460755);
    const std::optional<DateFields> march21 = JulianDayToOfficialPersian(2460756);
    ASSERT_TRUE(march20 && march21);
    EXPECT_TRUE(march20->year == 1403 && march20->month == 12 && march20->day == 30);
    EXPECT_TRUE(march21->year == 1404 && march21->month == 1 && march21->day == 1);
}

}  // namespace
}  // namespace velmora
