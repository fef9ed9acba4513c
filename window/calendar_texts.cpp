#include "window/calendar_texts.h"

namespace velmora::window {

MonthName PersianMonthName(std::int16_t month) {
    return kPersianMonths[static_cast<std::size_t>(month - 1)];
}

MonthName MonthNameOf(CalendarId id, const DateFields& date) {
    return TextsOf(id).months[CalendarOf(id).monthNameKey(date)];
}

CalendarName NameOf(CalendarId id, JulianDayNumber day) {
    if (ReadsInJulianCalendar(CalendarOf(id), day)) return kJulianName;
    return TextsOf(id).name;
}

}  // namespace velmora::window
