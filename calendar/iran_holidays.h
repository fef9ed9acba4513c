// Iran's public holidays: the days of the official Persian calendar and of
// Iran's official lunar calendar on which Iran's offices close, from the list
// in calendar/data/iran-public-holidays.tsv. A lunar holiday falls on the day
// Iran kept it, as the official lunar table gives it, and says how that day
// is known; past the table it is estimated from the computed calendar.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/iran_holidays_table.h"
#include "calendar/numeric.h"

namespace velmora {

enum class HolidayDayKnown : std::uint8_t {
    kFixed,      // a Persian-date holiday: its day follows from the official Persian calendar
    kRecord,     // a lunar holiday in a month of the official lunar table with status record
    kAnnounced,  // ... with status announced
    kPublished,  // ... with status published (in advance, not yet confirmed)
    kEstimated,  // beyond what the table determines: from the computed calendar
};

struct IranHoliday {
    JulianDayNumber day;
    HolidayCalendar calendar;
    std::int16_t month;         // in its calendar, 1..12
    std::int16_t dayOfMonth;    // in its calendar; for "end of month" the month's last day
    HolidayDayKnown known;
    std::string_view persianName;  // UTF-8, as the data names it
    std::string_view englishName;
};

inline constexpr std::int16_t kFirstIranHolidayYear = 1369;  // today's list is in force from 1369
inline constexpr std::int16_t kLastIranHolidayYear = 1498;   // the official Persian calendar's last year

// The holidays on a day: in the data's order; empty when there are none or the day's official
// Persian year lies outside kFirstIranHolidayYear..kLastIranHolidayYear.
std::vector<IranHoliday> IranHolidaysOn(JulianDayNumber day);

// Every holiday of an official Persian year, by day, then in the data's order; empty outside
// kFirstIranHolidayYear..kLastIranHolidayYear.
std::vector<IranHoliday> IranHolidaysOfYear(std::int16_t persianYear);

// A day's date in Iran's official lunar calendar as the holidays place it:
// from the official table, in the 29 days after it in the month that
// follows, later from the computed calendar (kEstimated); known is never
// kFixed. nullopt before the table and where the computed calendar has no
// 16-bit year.
struct IranLunarDate {
    DateFields date;
    HolidayDayKnown known;
};
std::optional<IranLunarDate> IranLunarDateOn(JulianDayNumber day);

}  // namespace velmora
