#include "calendar/M_convert.h"

#include "calendar/M_civil.h"
#include "calendar/M_hebrew.h"
#include "calendar/M_hijri.h"
#include "calendar/M_persian.h"

namespace velmora {

// Each entry point finds the day number first: an OverflowError there leaves
// all three fields holding the Persian date.

void PersianToGregorian(std::int16_t& year, std::int16_t& month, std::int16_t& day) {
    const JulianDayNumber jd = PersianToJulianDay(year, month, day);
    JulianDayToGregorian(jd, year, month, day);
}

void PersianToHebrew(std::int16_t& year, std::int16_t& month, std::int16_t& day) {
    const JulianDayNumber jd = PersianToJulianDay(year, month, day);
    JulianDayToHebrew(jd, year, month, day);
}

void PersianToIslamic(std::int16_t& year, std::int16_t& month, std::int16_t& day) {
    const JulianDayNumber jd = PersianToJulianDay(year, month, day);
    JulianDayToIslamic(jd, year, month, day);
}

}  // namespace velmora
