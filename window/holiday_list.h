// What the list of a year's public holidays in Iran says: its rows, each
// text in Persian and in English, and the messages beside it. Text only:
// the toolkits show it. The note beside a result whose day is a holiday is
// one of the result notes (window/result_notes.h).
#pragma once

#include "calendar/iran_holidays.h"
#include "window/note.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::window {

// How far an estimated lunar day may be off, measured from the official
// table: "in 1423-1446 the official month began a day later than the
// computed one in 80 of 288 months".
Note MonthStartFigure();

// The columns of a row of the list, in one language.
struct HolidayColumns {
    std::string persianDate;    // the official Persian date with its weekday
    std::string gregorianDate;
    std::string lunarDate;      // in Iran's official lunar calendar
    std::string name;
    std::string known;          // how the day is known
};

// The headings of the list's columns.
HolidayColumns HolidayColumnHeadings(bool persian);

struct HolidayRow {
    IranHoliday holiday;
    HolidayColumns persian;  // Persian digits, numbers in left-to-right runs
    HolidayColumns english;
};

// The rows of an official Persian year's holidays, by day; empty outside
// kFirstIranHolidayYear..kLastIranHolidayYear.
std::vector<HolidayRow> HolidayRows(std::int16_t persianYear);

// The message that stands in for the list of a year outside
// kFirstIranHolidayYear..kLastIranHolidayYear; nothing for a year within.
std::optional<Note> HolidayYearOutOfRange(std::int16_t persianYear);

// Beside a list with estimated days: the official month may begin a day
// later, with how often it did. Nothing when no row is estimated.
std::optional<Note> EstimatedDaysNote(const std::vector<HolidayRow>& rows);

// The list as tab-separated lines, headings first, each line ending in
// "\n": what the list's Copy puts on the clipboard.
std::string HolidayCopyText(const std::vector<HolidayRow>& rows, bool persian);

}  // namespace velmora::window
