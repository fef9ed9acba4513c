#include "calendar/official_persian.h"

#include "calendar/persian_months.h"

#include <array>
#include <cstddef>

namespace velmora {

namespace {

// The leap years of 1206..1498 (Esfand has 30 days and the next 1 Farvardin
// comes 366 days later), from the leap-year table 1206-1498 of the Center for
// Calendar, Institute of Geophysics, University of Tehran. Every other year
// of the range is a common year of 365 days.
constexpr std::size_t kLeapYearCount = 71;
constexpr std::array<std::int16_t, kLeapYearCount> kLeapYears = {
    1210, 1214, 1218, 1222, 1226, 1230, 1234, 1238, 1243, 1247, 1251, 1255, 1259, 1263, 1267,
    1271, 1276, 1280, 1284, 1288, 1292, 1296, 1300, 1304, 1309, 1313, 1317, 1321, 1325, 1329,
    1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362, 1366, 1370, 1375, 1379, 1383, 1387, 1391,
    1395, 1399, 1403, 1408, 1412, 1416, 1420, 1424, 1428, 1432, 1436, 1441, 1445, 1449, 1453,
    1457, 1461, 1465, 1469, 1474, 1478, 1482, 1486, 1490, 1494, 1498,
};

// 1 Farvardin 1206 is 22 March 1827 (Gregorian) in the same publication.
constexpr JulianDayNumber kFirstNowruz = 2388438;
// 1 Farvardin 1498, 21 March 2119, as published: the sum of the year lengths
// from kFirstNowruz must land on it.
constexpr JulianDayNumber kLastNowruz = 2495088;

constexpr std::int32_t kCommonYearDays = 365;

constexpr std::size_t kCoveredYears =
    static_cast<std::size_t>(kOfficialPersianLastYear - kOfficialPersianFirstYear + 1);

constexpr std::size_t YearIndex(std::int16_t year) {
    return static_cast<std::size_t>(year - kOfficialPersianFirstYear);
}

// 1 Farvardin and leap flag of every covered year, by year index.
struct YearTable {
    std::array<JulianDayNumber, kCoveredYears> nowruz{};
    std::array<bool, kCoveredYears> leap{};
};

constexpr YearTable BuildYearTable() {
    YearTable table;
    for (const std::int16_t year : kLeapYears) table.leap[YearIndex(year)] = true;
    table.nowruz[0] = kFirstNowruz;
    for (std::size_t i = 1; i < kCoveredYears; ++i)
        table.nowruz[i] = table.nowruz[i - 1] + kCommonYearDays + (table.leap[i - 1] ? 1 : 0);
    return table;
}

constexpr bool IsStrictlyIncreasingWithinRange(
    const std::array<std::int16_t, kLeapYearCount>& years) {
    for (std::size_t i = 0; i < years.size(); ++i) {
        if (years[i] < kOfficialPersianFirstYear || years[i] > kOfficialPersianLastYear)
            return false;
        if (i > 0 && years[i] <= years[i - 1]) return false;
    }
    return true;
}

static_assert(IsStrictlyIncreasingWithinRange(kLeapYears));

constexpr YearTable kYears = BuildYearTable();
static_assert(kYears.nowruz[YearIndex(kOfficialPersianLastYear)] == kLastNowruz);

// Esfand has 29 days, 30 in a leap year.
using persian_months::kMonthsPerYear;
constexpr std::int16_t kCommonEsfandDays = 29;
constexpr std::int16_t kLeapEsfandDays = 30;

std::int16_t MonthLength(std::int16_t month, bool leap) {
    if (month < kMonthsPerYear) return persian_months::DaysOfMonthBeforeEsfand(month);
    return leap ? kLeapEsfandDays : kCommonEsfandDays;
}

}  // namespace

std::optional<JulianDayNumber> OfficialPersianToJulianDay(std::int16_t year, std::int16_t month,
                                                          std::int16_t day) {
    if (!InOfficialPersianYears(year)) return std::nullopt;
    if (month < 1 || month > kMonthsPerYear) return std::nullopt;
    const std::size_t index = YearIndex(year);
    if (day < 1 || day > MonthLength(month, kYears.leap[index])) return std::nullopt;
    return kYears.nowruz[index] + persian_months::DaysBeforeMonth(month) + (day - 1);
}

namespace {

// The day after the last covered day: 1 Farvardin of the year after 1498.
constexpr JulianDayNumber kDayAfterLastCovered =
    kLastNowruz + kCommonYearDays + (kYears.leap[YearIndex(kOfficialPersianLastYear)] ? 1 : 0);
static_assert(kDayAfterLastCovered == 2495454);

// The covered year that holds a covered day: four years hold 1461 days
// here, give or take one, so the estimate is off by at most a year.
std::size_t YearIndexHolding(JulianDayNumber day) {
    constexpr std::int32_t kDaysPerFourYears = 4 * kCommonYearDays + 1;
    std::size_t index = static_cast<std::size_t>((day - kFirstNowruz) * 4 / kDaysPerFourYears);
    if (index >= kCoveredYears) index = kCoveredYears - 1;
    while (kYears.nowruz[index] > day) --index;
    while (index + 1 < kCoveredYears && kYears.nowruz[index + 1] <= day) ++index;
    return index;
}

}  // namespace

// The inverse of OfficialPersianToJulianDay: the year from the table of
// 1 Farvardin, the month and day from the days since.
std::optional<DateFields> JulianDayToOfficialPersian(JulianDayNumber day) {
    if (day < kFirstNowruz || day >= kDayAfterLastCovered) return std::nullopt;
    const std::size_t index = YearIndexHolding(day);
    return persian_months::MonthAndDay(static_cast<std::int16_t>(kOfficialPersianFirstYear + index),
                                       day - kYears.nowruz[index]);
}

}  // namespace velmora
