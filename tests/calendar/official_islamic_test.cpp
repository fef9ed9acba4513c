// Iran's official lunar calendar against its data file, read here on its own.
#include "calendar/official_islamic.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "civil_inverse.h"

namespace velmora {
namespace {

struct DataMonth {
    int year, month;
    JulianDayNumber first;
    int days;
    std::string status;
};

// The rows of the table the program is built from; an unreadable file fails
// the test instead of giving an empty table.
std::vector<DataMonth> DataMonths() {
    std::ifstream file(VELMORA_OFFICIAL_HIJRI_TABLE);
    EXPECT_TRUE(file.is_open()) << VELMORA_OFFICIAL_HIJRI_TABLE;
    std::vector<DataMonth> months;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        DataMonth m{};
        int gy = 0, gm = 0, gd = 0;
        char dash1 = 0, dash2 = 0;
        in >> m.year >> m.month >> gy >> dash1 >> gm >> dash2 >> gd >> m.first >> m.days >> m.status;
        EXPECT_TRUE(in && dash1 == '-' && dash2 == '-') << line;
        EXPECT_EQ(test::GregorianToDayNumber(gy, gm, gd), m.first) << line;
        months.push_back(m);
    }
    return months;
}

// The data file's word for a month's status.
std::string StatusName(OfficialMonthStatus status) {
    switch (status) {
        case OfficialMonthStatus::kRecord: return "record";
        case OfficialMonthStatus::kAnnounced: return "announced";
        case OfficialMonthStatus::kPublished: return "published";
    }
    return "unknown";
}

std::optional<JulianDayNumber> ToDay(int year, int month, int day) {
    return OfficialIslamicToJulianDay(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                      static_cast<std::int16_t>(day));
}

// Every day of every month, both ways, and no day past a month's last; the
// months follow each other without gaps from the first covered day to the
// last.
TEST(OfficialIslamic, EveryCoveredDayAgreesWithTheDataFile) {
    const std::vector<DataMonth> months = DataMonths();
    ASSERT_FALSE(months.empty());
    EXPECT_EQ(months.front().first, kOfficialIslamicFirstDay);
    JulianDayNumber next = kOfficialIslamicFirstDay;
    for (const DataMonth& m : months) {
        SCOPED_TRACE(std::to_string(m.year) + "/" + std::to_string(m.month));
        ASSERT_EQ(m.first, next);
        for (int day = 1; day <= m.days; ++day) {
            const JulianDayNumber jd = m.first + day - 1;
            ASSERT_EQ(ToDay(m.year, m.month, day), jd) << "day " << day;
            const std::optional<OfficialIslamicDate> date = JulianDayToOfficialIslamic(jd);
            ASSERT_TRUE(date.has_value()) << "day " << day;
            EXPECT_EQ(date->year, m.year);
            EXPECT_EQ(date->month, m.month);
            EXPECT_EQ(date->day, day);
            EXPECT_EQ(StatusName(date->status), m.status);
        }
        EXPECT_EQ(ToDay(m.year, m.month, m.days + 1), std::nullopt);
        next = m.first + m.days;
    }
    EXPECT_EQ(next - 1, kOfficialIslamicLastDay);
}

TEST(OfficialIslamic, NothingOutsideTheTableOrForInvalidDates) {
    EXPECT_EQ(JulianDayToOfficialIslamic(kOfficialIslamicFirstDay - 1), std::nullopt);
    EXPECT_EQ(JulianDayToOfficialIslamic(kOfficialIslamicLastDay + 1), std::nullopt);
    struct Case {
        int year, month, day;
    };
    const Case invalid[] = {
        {1264, 12, 29},  // the day before the table
        {1448, 10, 1},   // the month after it
        {1446, 0, 1},      {1446, 13, 1},   {1446, 9, 0},  {1446, 9, 30},  // 1446/9 has 29 days
        {1446, -32768, 1}, {1446, 9, -32768}, {-32768, 1, 1}, {32767, 12, 1},
    };
    for (const Case& c : invalid)
        EXPECT_EQ(ToDay(c.year, c.month, c.day), std::nullopt) << c.year << "/" << c.month << "/" << c.day;
}

}  // namespace
}  // namespace velmora
