// What a conversion's result means where the three numbers alone may
// mislead: the official Iranian calendar places the typed date elsewhere,
// Iran's official lunar calendar dates the Islamic result otherwise or has
// not yet been published for it, the result is a Julian-calendar date, the
// day lies before the Hebrew era, or the Islamic month's start hangs on a
// new moon too close to call.
#pragma once

#include "window/converted_date.h"

#include <string>

namespace velmora::window {

// Each note that applies as a Persian line and an English line, notes
// separated by an empty line; empty when none applies. Numbers in the
// Persian lines are Persian digits, dates in left-to-right runs.
std::string ResultNoteText(const ConvertedDate& date);

// The new moons within this many minutes of 03:00 UT, the hour that decides
// on which day a month starts, may fall on the other side of it: the
// lunar-phase series is off by up to about 3.5 minutes near the present
// against a modern ephemeris, and the margin leaves room for delta-T.
inline constexpr double kUncertainNewMoonMinutes = 10.0;

}  // namespace velmora::window
