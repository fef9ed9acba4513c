// The calendars that the windows convert to and from, in one table: what
// each window shows of a calendar (button captions, Label5's caption, what a
// screen reader says of its buttons), its entry points in both directions
// and its names for a date in words. Form1, the window "به هجری شمسی" and
// both toolkits take a calendar from here, so a calendar is added here once.
#pragma once

#include "calendar/M_civil.h"
#include "calendar/M_convert.h"
#include "calendar/M_hebrew.h"
#include "calendar/M_hijri.h"
#include "calendar/numeric.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velmora::window {

// In the order of the buttons of both windows.
enum class TargetCalendar { Islamic, Gregorian, Hebrew };

struct CalendarName {
    const char* persian;
    const char* english;
};

struct MonthName {
    const char* persian;
    const char* english;
};

// The Persian calendar, which both windows convert from or to, and the
// Julian calendar, which the Gregorian entry points use up to 4 October 1582.
inline constexpr CalendarName kPersianName{"هجری شمسی", "Persian"};
inline constexpr CalendarName kJulianName{"ژولینی", "Julian"};

// The Persian month (1 = Farvardin) of a date of the arithmetic calendar.
MonthName PersianMonthName(std::int16_t month);

struct Calendar {
    TargetCalendar id;
    CalendarName name;  // in a date in words and in the notes

    // Form1: the button that converts a Persian date to this calendar (the
    // design's own spelling), Label5's caption after it, what a screen
    // reader says of the button, and the conversion in place.
    const char* toCaption;
    const char* toLabel;
    const char* toDescription;
    void (*fromPersian)(std::int16_t& year, std::int16_t& month, std::int16_t& day);

    // The window "به هجری شمسی": the button that converts a date of this
    // calendar to the Persian calendar and what a screen reader says of it.
    const char* fromCaption;
    const char* fromDescription;

    // Both directions between a day number and a date of this calendar.
    // toDayNumber gives nothing for a date that the calendar does not have.
    std::optional<JulianDayNumber> (*toDayNumber)(std::int16_t year, std::int16_t month, std::int16_t day);
    void (*fromDayNumber)(JulianDayNumber jd, std::int16_t& year, std::int16_t& month, std::int16_t& day);

    // The month of a date that toDayNumber accepts.
    MonthName (*monthName)(const DateFields& date);
};

MonthName IslamicMonthName(const DateFields& date);
MonthName WesternMonthName(const DateFields& date);  // Gregorian and Julian
MonthName HebrewMonthName(const DateFields& date);

inline constexpr std::array<Calendar, 3> kCalendars{{
    {TargetCalendar::Islamic, {"قمری", "Islamic"},
     "هجري قمري", "قمري", "Convert to the Islamic lunar calendar", &PersianToIslamic,
     "از قمری", "Convert an Islamic lunar date to the Persian calendar",
     &IslamicToJulianDay, &JulianDayToIslamic, &IslamicMonthName},
    {TargetCalendar::Gregorian, {"میلادی", "Gregorian"},
     "ميلادي", "ميلادي", "Convert to the Gregorian calendar (Julian up to 4 October 1582)", &PersianToGregorian,
     "از میلادی", "Convert a Gregorian date (Julian up to 4 October 1582) to the Persian calendar",
     &GregorianToJulianDay, &JulianDayToGregorian, &WesternMonthName},
    {TargetCalendar::Hebrew, {"عبری", "Hebrew"},
     "هبريو", "هبريو", "Convert to the Hebrew calendar", &PersianToHebrew,
     "از عبری", "Convert a Hebrew date to the Persian calendar",
     &HebrewToJulianDay, &JulianDayToHebrew, &HebrewMonthName},
}};

constexpr const Calendar& CalendarOf(TargetCalendar id) { return kCalendars[static_cast<std::size_t>(id)]; }

// The name of a date's calendar: a Gregorian-calendar day number up to
// 4 October 1582 is a Julian-calendar date.
constexpr CalendarName NameOf(TargetCalendar id, JulianDayNumber day) {
    if (id == TargetCalendar::Gregorian && day <= kLastJulianCalendarDay) return kJulianName;
    return CalendarOf(id).name;
}

}  // namespace velmora::window
