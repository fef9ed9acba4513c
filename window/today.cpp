#include "window/today.h"

#include "calendar/M_civil.h"
#include "calendar/M_persian.h"
#include "calendar/official_persian.h"

#include <stdexcept>

namespace velmora::window {

JulianDayNumber Today(platform::Clock& clock) {
    const platform::CivilTime now = clock.LocalNow();
    const std::optional<JulianDayNumber> day = GregorianToJulianDay(now.year, now.month, now.day);
    if (!day) throw std::runtime_error("The system clock gives no date");
    return *day;
}

std::int16_t CurrentPersianYear(platform::Clock& clock) {
    const JulianDayNumber today = Today(clock);
    if (const std::optional<DateFields> official = JulianDayToOfficialPersian(today)) return official->year;
    if (const std::optional<DateFields> arithmetic = JulianDayToPersian(today)) return arithmetic->year;
    throw std::runtime_error("The system clock gives no date");
}

}  // namespace velmora::window
