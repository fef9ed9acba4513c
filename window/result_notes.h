// What a conversion's result means where the three numbers alone may
// mislead: the official Iranian calendar places the date elsewhere, Iran's
// official lunar calendar dates the day otherwise or has not yet been
// published for it, the date is read in the Julian calendar, the day lies
// before the calendar's era, or the month's start hangs on a new moon too
// close to call; and whether the day is a public holiday in Iran.
#pragma once

#include "window/conversion.h"
#include "window/note.h"

#include <string>
#include <vector>

namespace velmora::window {

// Each note that applies as a Persian line and an English line, notes
// separated by an empty line; empty when none applies. Numbers in the
// Persian lines are Persian digits, dates in left-to-right runs.
std::string ResultNoteText(const Conversion& conversion);

// One note a holiday on the day, in the data's order: «تعطیل رسمی ایران:
// تاسوعای حسینی» / "Public holiday in Iran: Tasua", saying so when the day
// is as published in advance or estimated. Empty when the day is none.
std::vector<Note> HolidayNotes(JulianDayNumber day);

}  // namespace velmora::window
