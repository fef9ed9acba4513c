// What the windows say of Iran's public holidays: the note beside a result
// whose day is one, and the rows of the list of a year's holidays, each
// text in Persian and in English. Text only: the toolkits show it.
#pragma once

#include "calendar/iran_holidays.h"
#include "window/note_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::window {

// One note a holiday on the day, in the data's order: «تعطیل رسمی ایران:
// تاسوعای حسینی» / "Public holiday in Iran: Tasua", saying so when the day
// is as published in advance or estimated. Empty when the day is none.
std::vector<Note> HolidayNotes(JulianDayNumber day);

// Adds the holiday notes of the day to a result's notes; a calendar error
// while working them out leaves them out, as for every note.
void AddHolidayNotes(std::vector<Note>& notes, JulianDayNumber day);

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
