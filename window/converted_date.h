// One successful conversion as the window explains it: the Persian date as
// typed, its day number, the calendar converted to and the result.
#pragma once

#include "calendar/M_civil.h"
#include "calendar/numeric.h"
#include "window/calendars.h"

namespace velmora::window {

struct ConvertedDate {
    DateFields persian;         // as typed, before the arithmetic carried it
    JulianDayNumber dayNumber;  // PersianToJulianDay of persian
    TargetCalendar calendar;
    DateFields result;          // the three numbers the window shows
};

// The Gregorian button gives Julian-calendar dates up to 4 October 1582.
inline bool IsJulianCalendarResult(const ConvertedDate& date) {
    return date.calendar == TargetCalendar::Gregorian && date.dayNumber <= kLastJulianCalendarDay;
}

}  // namespace velmora::window

namespace velmora::window {

// One successful conversion of the window "به هجری شمسی": the date as typed
// in the calendar it came from, its day number and the Persian date of that
// day in the arithmetic calendar.
struct ConvertedToPersian {
    TargetCalendar from;
    DateFields typed;
    JulianDayNumber dayNumber;
    DateFields persian;
};

}  // namespace velmora::window
