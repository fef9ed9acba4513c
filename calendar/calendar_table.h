// The calendars that a Persian date converts to and from, one row each:
// both directions between a day number and a date, month lengths, the key
// that names a month, Form1's conversion in place and Iran's official
// reading of a day. Everything that lists the calendars (the buttons of both
// windows, their texts, the notes) loops over these rows, so a calendar is
// added here, with its texts in window/calendar_texts.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "calendar/M_civil.h"
#include "calendar/M_convert.h"
#include "calendar/M_hebrew.h"
#include "calendar/M_hijri.h"
#include "calendar/numeric.h"
#include "calendar/official_islamic.h"

namespace velmora {

// In the order of the buttons of both windows.
enum class CalendarId : std::uint8_t { kIslamic, kGregorian, kHebrew };

// How the date that Iran officially gives a day is known: from a month of
// the official lunar table (as recorded, as announced after sighting, or as
// published in advance), or computed: before the table, for a calendar
// without one, or after the table's last day, for which Iran has not yet
// published the calendar.
enum class DateSource : std::uint8_t { kRecord, kAnnounced, kPublished, kComputed, kNotYetPublished };

// True for a date from the official table.
constexpr bool FromOfficialTable(DateSource source) {
    return source == DateSource::kRecord || source == DateSource::kAnnounced || source == DateSource::kPublished;
}

struct OfficialReading {
    DateFields date;
    DateSource source;
};

struct CalendarRow {
    CalendarId id;
    // The date of a day number; nullopt where the calendar has none (before
    // its era) or a field leaves 16 bits. Never raises.
    std::optional<DateFields> (*fromDayNumber)(JulianDayNumber day);
    // The day number of a date; nullopt for a date the calendar does not
    // have. Never raises.
    std::optional<JulianDayNumber> (*toDayNumber)(std::int16_t year, std::int16_t month, std::int16_t day);
    // Days in a month of a year; nullopt for a month the year does not have.
    std::optional<std::int16_t> (*monthLength)(std::int16_t year, std::int16_t month);
    // The place of a date's month in the calendar's list of month names
    // (0-based), for a date that toDayNumber accepts.
    std::size_t (*monthNameKey)(const DateFields& date);
    std::size_t monthNameCount;
    // Form1's conversion: the Persian date in the fields becomes this
    // calendar's date in place; raises as the conversion does.
    void (*fromPersian)(std::int16_t& year, std::int16_t& month, std::int16_t& day);
    // The date Iran officially gives a day in this calendar, and its source.
    // May raise where fromPersian would.
    OfficialReading (*officialReading)(JulianDayNumber day);
    // The day Iran's official table gives a date of this calendar; null for
    // a calendar without a table, nullopt for a date the table lacks.
    std::optional<JulianDayNumber> (*officialToDayNumber)(std::int16_t year, std::int16_t month, std::int16_t day);
    // True when the computed date of a day may be a day off: its month's
    // start hangs on a new moon too close to the hour that decides it. Null
    // for a calendar of rules. May raise.
    bool (*onCloseCall)(JulianDayNumber day);
    // Days up to 4 October 1582 read in the Julian calendar.
    bool julianBeforeReform;
    // The first day that has a date of this calendar, where the day numbers
    // before it still convert (Form1 shows 0 0 0 for them).
    std::optional<JulianDayNumber> firstDay;
};

// The rows' own functions, beside the calendars' entry points.
namespace calendar_rows {
std::optional<DateFields> IslamicDate(JulianDayNumber day);
std::optional<DateFields> CivilDate(JulianDayNumber day);
std::optional<DateFields> HebrewDate(JulianDayNumber day);
std::size_t MonthOfYear(const DateFields& date);
std::size_t HebrewMonthNameKey(const DateFields& date);
OfficialReading OfficialIslamicReading(JulianDayNumber day);
OfficialReading ComputedIslamicReading(JulianDayNumber day);
bool IslamicMonthOnCloseCall(JulianDayNumber day);
OfficialReading ComputedCivilReading(JulianDayNumber day);
OfficialReading ComputedHebrewReading(JulianDayNumber day);
}  // namespace calendar_rows

// The Hebrew month names in the order of the year, both Adars of a leap
// year and the one Adar of a common year among them: Tishri, Heshvan,
// Kislev, Tevet, Shevat, Adar, Adar I, Adar II, Nisan, Iyar, Sivan, Tammuz,
// Av, Elul.
inline constexpr std::size_t kHebrewMonthNameCount = 14;

inline constexpr std::array<CalendarRow, 3> kCalendars{{
    {CalendarId::kIslamic, &calendar_rows::IslamicDate, &IslamicToJulianDay, &IslamicMonthLength,
     &calendar_rows::MonthOfYear, 12, &PersianToIslamic, &calendar_rows::OfficialIslamicReading,
     &OfficialIslamicToJulianDay, &calendar_rows::IslamicMonthOnCloseCall, false, std::nullopt},
    {CalendarId::kGregorian, &calendar_rows::CivilDate, &GregorianToJulianDay, &CivilMonthLength,
     &calendar_rows::MonthOfYear, 12, &PersianToGregorian, &calendar_rows::ComputedCivilReading, nullptr,
     nullptr, true, std::nullopt},
    {CalendarId::kHebrew, &calendar_rows::HebrewDate, &HebrewToJulianDay, &HebrewMonthLength,
     &calendar_rows::HebrewMonthNameKey, kHebrewMonthNameCount, &PersianToHebrew,
     &calendar_rows::ComputedHebrewReading, nullptr, nullptr, false, kHebrewFirstDay},
}};

inline constexpr std::size_t kCalendarCount = kCalendars.size();

// Row i is the calendar of id i.
constexpr bool EveryRowAtItsId() {
    for (std::size_t i = 0; i < kCalendars.size(); ++i) {
        if (static_cast<std::size_t>(kCalendars[i].id) != i) return false;
    }
    return true;
}
static_assert(EveryRowAtItsId());

constexpr const CalendarRow& CalendarOf(CalendarId id) { return kCalendars[static_cast<std::size_t>(id)]; }

// True for a date that the calendar has.
bool IsDate(const CalendarRow& calendar, const DateFields& date);

// 0 = Sunday .. 6 = Saturday.
int Weekday(JulianDayNumber day);

// True for the days up to 4 October 1582, the last day of the Julian
// calendar in civil use.
bool IsJulianCalendarDay(JulianDayNumber day);

// True when the calendar reads day in the Julian calendar (the Gregorian
// row, up to 4 October 1582).
bool ReadsInJulianCalendar(const CalendarRow& calendar, JulianDayNumber day);

// True when a day lies before the first day of the calendar's era.
bool BeforeEra(const CalendarRow& calendar, JulianDayNumber day);

}  // namespace velmora
