// ICU's Hebrew calendar as an oracle, read on civil days named by day number.
#pragma once

#include <unicode/calendar.h>

#include <memory>

#include "numeric.h"

namespace velmora::test {

class IcuHebrewCalendar {
public:
    IcuHebrewCalendar();
    ~IcuHebrewCalendar();
    IcuHebrewCalendar(const IcuHebrewCalendar&) = delete;
    IcuHebrewCalendar& operator=(const IcuHebrewCalendar&) = delete;

    // The Hebrew date of day number jd, with months numbered from Tishri = 1
    // through Elul = 12 in a common year and 13 in a leap year.
    DateFields DateOf(JulianDayNumber jd);

    // The day number ICU gives a Hebrew date numbered as DateOf numbers it,
    // from its year, month and day fields.
    JulianDayNumber DayNumberOf(const DateFields& date);

private:
    std::unique_ptr<icu::Calendar> calendar_;
};

// The Gregorian date ICU gives for its Julian day field set to jd, to check
// that the field follows our day numbers (2451545 is 1 January 2000).
DateFields IcuGregorianDateOf(JulianDayNumber jd);

}  // namespace velmora::test
