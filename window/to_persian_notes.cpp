#include "window/to_persian_notes.h"

#include "calendar/M_persian.h"
#include "calendar/official_islamic.h"
#include "calendar/official_persian.h"
#include "window/holiday_list.h"
#include "window/note_text.h"
#include "window/persian_numbers.h"

namespace velmora::window {

namespace {

// The window shows the arithmetic calendar's date; in the years that the
// official calendar covers, it may give the same day another date.
std::optional<Note> OfficialCalendarNote(const ConvertedToPersian& date) {
    const std::optional<DateFields> official = JulianDayToOfficialPersian(date.dayNumber);
    if (!official) return std::nullopt;
    const DateFields& p = date.persian;
    if (official->year == p.year && official->month == p.month && official->day == p.day) return std::nullopt;
    return Note{"در تقویم رسمی ایران این روز " + PersianDateNumbers(*official) +
                    " است. این برنامه تاریخ\u200Cها را با تقویم حسابی می\u200Cشمارد.",
                "In the official Iranian calendar this day is " + DateNumbers(*official) +
                    ". Velmora counts with the arithmetic calendar."};
}

std::optional<Note> JulianCalendarNote(const ConvertedToPersian& date) {
    if (date.from != TargetCalendar::Gregorian || date.dayNumber > kLastJulianCalendarDay) return std::nullopt;
    return Note{"تاریخ\u200Cهای میلادی تا ۴ اکتبر ۱۵۸۲ به تقویم ژولینی خوانده می\u200Cشوند؛ تقویم گرگوری از "
                "۱۵ اکتبر ۱۵۸۲ آغاز می\u200Cشود.",
                "Dates up to 4 October 1582 are read in the Julian calendar; the Gregorian calendar starts on "
                "15 October 1582."};
}

// Iran's official lunar calendar, set by the sighting of the crescent, may
// give a typed Islamic date to another day than the computed months do.
std::optional<Note> OfficialLunarCalendarNote(const ConvertedToPersian& date) {
    if (date.from != TargetCalendar::Islamic) return std::nullopt;
    const DateFields& typed = date.typed;
    const std::optional<JulianDayNumber> official = OfficialIslamicToJulianDay(typed.year, typed.month, typed.day);
    if (!official || *official == date.dayNumber) return std::nullopt;
    const std::optional<DateFields> persian = JulianDayToPersian(*official);
    if (!persian) return std::nullopt;
    Note note{"در تقویم قمری رسمی ایران، " + PersianDateNumbers(typed) + " روز دیگری است: " +
                  PersianDateNumbers(*persian) + " هجری شمسی؛ این برنامه ماه\u200Cهای قمری را از ماه نو می\u200Cشمارد "
                  "و تقویم رسمی ایران از رؤیت هلال.",
              "In Iran's official lunar calendar, " + DateNumbers(typed) + " is another day: " + DateNumbers(*persian) +
                  " Persian; Velmora counts the Islamic months from the new moon, Iran's official calendar from the "
                  "sighting of the crescent."};
    const std::optional<OfficialIslamicDate> lunar = JulianDayToOfficialIslamic(*official);
    if (lunar && lunar->status == OfficialMonthStatus::kPublished) {
        note.persian += " این تاریخ همان است که مرکز تقویم از پیش منتشر کرده است.";
        note.english += " The official date is as published in advance by the Center for Calendar.";
    }
    return note;
}

}  // namespace

std::string ToPersianNoteText(const ConvertedToPersian& date) {
    std::vector<Note> notes;
    AddNote(notes, date, OfficialCalendarNote);
    AddNote(notes, date, JulianCalendarNote);
    AddNote(notes, date, OfficialLunarCalendarNote);
    AddHolidayNotes(notes, date.dayNumber);
    return NotesText(notes);
}

}  // namespace velmora::window
