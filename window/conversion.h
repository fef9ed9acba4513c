// One successful conversion as a window explains it, in either direction:
// the date as typed, the day it names and the three numbers the window
// shows.
#pragma once

#include "calendar/calendar_table.h"
#include "calendar/numeric.h"
#include "window/calendar_texts.h"

#include <cstdint>

namespace velmora::window {

// Form1 converts a Persian date to a calendar; «به هجری شمسی» a date of a
// calendar to the Persian calendar.
enum class Direction : std::uint8_t { kFromPersian, kToPersian };

struct Conversion {
    Direction direction;
    CalendarId calendar;  // the calendar other than the Persian one
    DateFields typed;     // as typed, before the arithmetic carried it
    JulianDayNumber day;  // the day the typed date names
    DateFields result;    // the three numbers the window shows

    // The Persian date and the other calendar's, whichever was typed.
    const DateFields& Persian() const { return direction == Direction::kFromPersian ? typed : result; }
    const DateFields& Other() const { return direction == Direction::kFromPersian ? result : typed; }
};

// The name of the result's calendar: the Persian calendar, or the target's,
// Julian for the days that the Gregorian row reads in it.
CalendarName ResultCalendarName(const Conversion& conversion);

// The caption of the label beside the result boxes after the conversion.
const char* ResultLabel(const Conversion& conversion);

}  // namespace velmora::window
