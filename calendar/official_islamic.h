// Iran's official lunar Hijri calendar: the one printed on Iranian wall
// calendars and used for the public holidays. Its months begin with the
// sighting of the crescent, not by a rule, so they are a table
// (calendar/data/iran-official-hijri-months.tsv) rather than arithmetic, and
// often begin a day later than the computed months of M_hijri.h.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/official_islamic_table.h"
#include "calendar/numeric.h"

namespace velmora {

using official_islamic_table::OfficialMonthStatus;

// The covered days, both included: 1 Muharram of the table's first year to
// the last day of its last month.
inline constexpr JulianDayNumber kOfficialIslamicFirstDay = official_islamic_table::kFirstDay;
inline constexpr JulianDayNumber kOfficialIslamicLastDay = official_islamic_table::kLastDay;

struct OfficialIslamicDate {
    std::int16_t year;   // Hijri year
    std::int16_t month;  // 1 = Muharram .. 12
    std::int16_t day;    // 1 .. 30
    // How the month's first day is known: a record, announced after
    // sighting, or as published in advance and not yet confirmed.
    OfficialMonthStatus status;
};

// The official date of day number day; nullopt outside the covered days.
std::optional<OfficialIslamicDate> JulianDayToOfficialIslamic(JulianDayNumber day);

// The day number of an official date; nullopt when the month is not covered,
// the month lies outside 1..12 or the day outside 1..the month's length.
std::optional<JulianDayNumber> OfficialIslamicToJulianDay(std::int16_t year, std::int16_t month,
                                                          std::int16_t day);

// The years of the table taken from the Center for Calendar's yearbooks.
inline constexpr std::int16_t kYearbookFirstYear = 1423;
inline constexpr std::int16_t kYearbookLastYear = 1446;

// How the official months of the years firstYear..lastYear began against the
// computed months of the same name (M_hijri.h): a day or more later, a day
// or more earlier, and how many months were compared.
struct MonthStartComparison {
    int later;
    int earlier;
    int months;
};

// Years the table does not cover wholly are left out. May raise as the
// computed calendar does.
MonthStartComparison CompareWithComputedMonths(std::int16_t firstYear, std::int16_t lastYear);

}  // namespace velmora
