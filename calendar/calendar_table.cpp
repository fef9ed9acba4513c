#include "calendar/calendar_table.h"

#include <cmath>

namespace velmora {

namespace calendar_rows {

namespace {

// A day-to-date entry point that writes its fields in place and raises,
// as a date that never raises.
template <void (*Convert)(JulianDayNumber, std::int16_t&, std::int16_t&, std::int16_t&)>
std::optional<DateFields> DateOf(JulianDayNumber day) {
    DateFields date{};
    try {
        Convert(day, date.year, date.month, date.day);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    return date;
}

template <void (*Convert)(JulianDayNumber, std::int16_t&, std::int16_t&, std::int16_t&)>
OfficialReading Computed(JulianDayNumber day) {
    OfficialReading reading{{}, DateSource::kComputed};
    Convert(day, reading.date.year, reading.date.month, reading.date.day);
    return reading;
}

}  // namespace

std::optional<DateFields> IslamicDate(JulianDayNumber day) { return DateOf<JulianDayToIslamic>(day); }
std::optional<DateFields> CivilDate(JulianDayNumber day) { return DateOf<JulianDayToGregorian>(day); }

std::optional<DateFields> HebrewDate(JulianDayNumber day) {
    if (day < kHebrewFirstDay) return std::nullopt;
    return DateOf<JulianDayToHebrew>(day);
}

std::size_t MonthOfYear(const DateFields& date) { return static_cast<std::size_t>(date.month - 1); }

std::size_t HebrewMonthNameKey(const DateFields& date) { return velmora::HebrewMonthNameKey(date.year, date.month); }

OfficialReading OfficialIslamicReading(JulianDayNumber day) {
    if (const std::optional<OfficialIslamicDate> official = JulianDayToOfficialIslamic(day)) {
        const DateSource source = official->status == OfficialMonthStatus::kRecord      ? DateSource::kRecord
                                  : official->status == OfficialMonthStatus::kAnnounced ? DateSource::kAnnounced
                                                                                        : DateSource::kPublished;
        return OfficialReading{{official->year, official->month, official->day}, source};
    }
    OfficialReading computed = ComputedIslamicReading(day);
    if (day > kOfficialIslamicLastDay) computed.source = DateSource::kNotYetPublished;
    return computed;
}

namespace {

// The new moons within this many minutes of 03:00 UT, the hour that decides
// on which day a month starts, may fall on the other side of it: the
// lunar-phase series is off by up to about 3.5 minutes near the present
// against a modern ephemeris, and the margin leaves room for delta-T.
constexpr double kUncertainNewMoonMinutes = 10.0;

bool NearMonthStartLimit(std::int32_t lunation) {
    return std::fabs(NewMoonMinutesFromMonthStartLimit(lunation)) <= kUncertainNewMoonMinutes;
}

}  // namespace

// The new moon that starts the day's month decides every day of it; the one
// that starts the next month decides whether the month's last day is its
// last.
bool IslamicMonthOnCloseCall(JulianDayNumber day) {
    const std::int32_t lunation = IslamicMonthLunation(day);
    const bool lastDayOfMonth = IslamicMonthLunation(CheckedAdd32(day, 1)) != lunation;
    return NearMonthStartLimit(lunation) || (lastDayOfMonth && NearMonthStartLimit(CheckedAdd32(lunation, 1)));
}

OfficialReading ComputedIslamicReading(JulianDayNumber day) { return Computed<JulianDayToIslamic>(day); }
OfficialReading ComputedCivilReading(JulianDayNumber day) { return Computed<JulianDayToGregorian>(day); }
OfficialReading ComputedHebrewReading(JulianDayNumber day) { return Computed<JulianDayToHebrew>(day); }

}  // namespace calendar_rows

bool IsDate(const CalendarRow& calendar, const DateFields& date) {
    return calendar.toDayNumber(date.year, date.month, date.day).has_value();
}

int Weekday(JulianDayNumber day) {
    // Day number 0 was a Monday.
    constexpr std::int64_t kDaysPerWeek = 7;
    return static_cast<int>(FloorMod(std::int64_t{day} + 1, kDaysPerWeek));
}

bool IsJulianCalendarDay(JulianDayNumber day) { return day <= kLastJulianCalendarDay; }

bool ReadsInJulianCalendar(const CalendarRow& calendar, JulianDayNumber day) {
    return calendar.julianBeforeReform && IsJulianCalendarDay(day);
}

bool BeforeEra(const CalendarRow& calendar, JulianDayNumber day) {
    return calendar.firstDay && day < *calendar.firstDay;
}

}  // namespace velmora
