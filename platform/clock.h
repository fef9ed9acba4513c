// Today's date and the time of day: asked of the platform each time, so that
// tests can fix "today".
#pragma once

#include <cstdint>

namespace velmora::platform {

// A moment as a clock shows it: a Gregorian date and the time of day.
struct CivilTime {
    std::int16_t year;
    std::int16_t month;
    std::int16_t day;
    std::int16_t hour;
    std::int16_t minute;
    std::int16_t second;
};

class Clock {
public:
    virtual ~Clock() = default;

    // Now in the user's time zone: its date is today's local day.
    virtual CivilTime LocalNow() = 0;

    // Now in UTC, as an iCalendar file stamps its events.
    virtual CivilTime UtcNow() = 0;
};

}  // namespace velmora::platform
