#include "window/conversion.h"

namespace velmora::window {

CalendarName ResultCalendarName(const Conversion& conversion) {
    if (conversion.direction == Direction::kToPersian) return kPersianName;
    return NameOf(conversion.calendar, conversion.day);
}

const char* ResultLabel(const Conversion& conversion) {
    if (conversion.direction == Direction::kToPersian) return kPersianName.persian;
    return TextsOf(conversion.calendar).toLabel;
}

}  // namespace velmora::window
