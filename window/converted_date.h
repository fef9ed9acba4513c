// One successful conversion as the window explains it: the Persian date as
// typed, its day number, the calendar converted to and the result.
#pragma once

#include "M_civil.h"
#include "numeric.h"

namespace velmora::window {

enum class TargetCalendar { Islamic, Gregorian, Hebrew };

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
