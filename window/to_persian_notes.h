// What a conversion to the Persian calendar means where the three numbers
// alone may mislead: the official Iranian calendar gives the day another
// date, a typed Gregorian date was read in the Julian calendar, or Iran's
// official lunar calendar has the typed Islamic date on another day.
#pragma once

#include "window/converted_date.h"

#include <string>

namespace velmora::window {

// Each note that applies as a Persian line and an English line, notes
// separated by an empty line; empty when none applies.
std::string ToPersianNoteText(const ConvertedToPersian& date);

}  // namespace velmora::window
