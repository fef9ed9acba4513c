#include "window/result_notes.h"

#include "M_hebrew.h"
#include "M_hijri.h"
#include "M_persian.h"
#include "calendar/official_islamic.h"
#include "official_persian.h"
#include "window/date_words.h"
#include "window/holiday_list.h"
#include "window/note_text.h"
#include "window/persian_numbers.h"

#include <cmath>
#include <optional>
#include <vector>

namespace velmora::window {

namespace {

// ---- The official Iranian calendar ---------------------------------------

// Months of the official lunar calendar that have not yet begun, or whose
// start no public record confirms yet, are as the Center for Calendar
// published them in advance.
void AddPublishedInAdvance(Note& note) {
    note.persian += " این تاریخ همان است که مرکز تقویم از پیش منتشر کرده است.";
    note.english += " The official date is as published in advance by the Center for Calendar.";
}


DateFields FieldsOf(const OfficialIslamicDate& date) { return DateFields{date.year, date.month, date.day}; }

// The date of day jd as Iran officially reads it in the target calendar:
// Islamic dates from the official lunar calendar where its table covers
// them, every other date as computed.
DateFields InTargetCalendar(TargetCalendar calendar, JulianDayNumber jd) {
    DateFields date{};
    switch (calendar) {
        case TargetCalendar::Islamic:
            if (const std::optional<OfficialIslamicDate> official = JulianDayToOfficialIslamic(jd)) return FieldsOf(*official);
            JulianDayToIslamic(jd, date.year, date.month, date.day);
            break;
        case TargetCalendar::Gregorian: JulianDayToGregorian(jd, date.year, date.month, date.day); break;
        case TargetCalendar::Hebrew: JulianDayToHebrew(jd, date.year, date.month, date.day); break;
    }
    return date;
}

std::optional<Note> OfficialCalendarNote(const ConvertedDate& date) {
    const DateFields& p = date.persian;
    if (p.year < kOfficialPersianFirstYear || p.year > kOfficialPersianLastYear) return std::nullopt;
    const std::optional<JulianDayNumber> official = OfficialPersianToJulianDay(p.year, p.month, p.day);
    if (official) {
        if (*official == date.dayNumber) return std::nullopt;
        const ConvertedDate reading{p, *official, date.calendar, InTargetCalendar(date.calendar, *official)};
        const CalendarName calendar = CalendarNameOf(reading);
        Note note{"در تقویم رسمی ایران، " + PersianDateNumbers(p) + " روز دیگری است: " +
                      PersianDateNumbers(reading.result) + ' ' + calendar.persian +
                      ". این برنامه تاریخ\u200Cها را با تقویم حسابی می\u200Cشمارد.",
                  "In the official Iranian calendar, " + DateNumbers(p) + " is another day: " +
                      DateNumbers(reading.result) + ' ' + calendar.english +
                      ". Velmora counts with the arithmetic calendar."};
        if (date.calendar == TargetCalendar::Islamic) {
            if (const std::optional<OfficialIslamicDate> lunar = JulianDayToOfficialIslamic(*official)) {
                note.persian += " تاریخ قمری از تقویم قمری رسمی ایران است.";
                note.english += " The Islamic date is from Iran's official lunar calendar.";
                if (lunar->status == OfficialMonthStatus::kPublished) AddPublishedInAdvance(note);
            }
        }
        return note;
    }
    // Fields carried through the arithmetic, outside the arithmetic
    // calendar's months and days, have no official reading.
    if (!IsPersianDate(p.year, p.month, p.day)) return std::nullopt;
    return Note{"تاریخ " + PersianDateNumbers(p) +
                    " در تقویم رسمی ایران وجود ندارد؛ این برنامه آن را با تقویم حسابی می\u200Cشمارد.",
                DateNumbers(p) +
                    " does not exist in the official Iranian calendar; Velmora counts it with the arithmetic "
                    "calendar."};
}

// ---- Iran's official lunar calendar ----------------------------------------

// The day the typed date names in the official Iranian calendar where its
// table covers the year, the arithmetic day otherwise; nothing when the
// official calendar has no such date (the note above says so).
std::optional<JulianDayNumber> OfficialDayOf(const ConvertedDate& date) {
    const DateFields& p = date.persian;
    if (p.year < kOfficialPersianFirstYear || p.year > kOfficialPersianLastYear) return date.dayNumber;
    return OfficialPersianToJulianDay(p.year, p.month, p.day);
}

bool SameDate(const OfficialIslamicDate& official, const DateFields& shown) {
    return official.year == shown.year && official.month == shown.month && official.day == shown.day;
}

// An Islamic result whose day Iran's official lunar calendar, set by the
// sighting of the crescent, dates otherwise. A typed date that is another
// day in the official Iranian calendar has its note above, which gives the
// official lunar date of that day.
std::optional<Note> OfficialLunarCalendarNote(const ConvertedDate& date) {
    if (date.calendar != TargetCalendar::Islamic) return std::nullopt;
    const std::optional<JulianDayNumber> day = OfficialDayOf(date);
    if (!day || *day != date.dayNumber) return std::nullopt;
    const std::optional<OfficialIslamicDate> official = JulianDayToOfficialIslamic(*day);
    if (!official || SameDate(*official, date.result)) return std::nullopt;
    const ConvertedDate reading{date.persian, *day, date.calendar, FieldsOf(*official)};
    // An official date, which the computed calendar may not have on that day.
    const std::optional<DateInWords> words =
        InWords(*day, reading.result, IslamicMonthName(reading.result), CalendarNameOf(reading));
    const std::string persianWords = words ? " (" + words->persian + ")" : "";
    const std::string englishWords = words ? " (" + words->english + ")" : "";
    Note note{"در تقویم قمری رسمی ایران این روز " + PersianDateNumbers(reading.result) + persianWords +
                  " است؛ این برنامه ماه\u200Cهای قمری را از ماه نو می\u200Cشمارد و تقویم رسمی ایران از رؤیت هلال.",
              "In Iran's official lunar calendar this day is " + DateNumbers(reading.result) + englishWords +
                  "; Velmora counts the Islamic months from the new moon, Iran's official calendar from the "
                  "sighting of the crescent."};
    if (official->status == OfficialMonthStatus::kPublished) AddPublishedInAdvance(note);
    return note;
}

// Measured against the computed months over the years of the Center for
// Calendar's yearbooks: of the 288 official months of 1423-1446, 80 began a
// day later than the computed month of the same name (3 a day earlier).
constexpr std::int16_t kYearbookFirstYear = 1423;
constexpr std::int16_t kYearbookLastYear = 1446;
constexpr std::int16_t kMonthsBegunLater = 80;
constexpr std::int16_t kYearbookMonths = 288;

// An Islamic result after the official lunar table's last day.
std::optional<Note> UnpublishedLunarMonthNote(const ConvertedDate& date) {
    if (date.calendar != TargetCalendar::Islamic || date.dayNumber <= kOfficialIslamicLastDay) return std::nullopt;
    return Note{"تقویم قمری رسمی ایران برای این ماه هنوز منتشر نشده است. در سال\u200Cهای " +
                    PersianNumber(kYearbookFirstYear) + " تا " + PersianNumber(kYearbookLastYear) +
                    " ماه رسمی در " + PersianNumber(kMonthsBegunLater) + " ماه از " + PersianNumber(kYearbookMonths) +
                    " ماه، حدود یک ماه از هر چهار ماه، یک روز دیرتر از تاریخ محاسبه\u200Cشده آغاز شد.",
                "Iran's official lunar calendar for this month is not yet published. In " +
                    FormatInt16(kYearbookFirstYear) + "-" + FormatInt16(kYearbookLastYear) +
                    " the official month began a day later than the computed date in " +
                    FormatInt16(kMonthsBegunLater) + " of " + FormatInt16(kYearbookMonths) +
                    " months, about one month in four."};
}

// ---- Julian dates and the Hebrew era --------------------------------------

std::optional<Note> JulianCalendarNote(const ConvertedDate& date) {
    if (!IsJulianCalendarResult(date)) return std::nullopt;
    return Note{"این تاریخ به تقویم ژولینی است؛ تقویم گرگوری از ۱۵ اکتبر ۱۵۸۲ آغاز می\u200Cشود.",
                "This is a date of the Julian calendar; the Gregorian calendar starts on 15 October 1582."};
}

std::optional<Note> BeforeHebrewEraNote(const ConvertedDate& date) {
    const DateFields& r = date.result;
    if (date.calendar != TargetCalendar::Hebrew || r.year != 0 || r.month != 0 || r.day != 0) return std::nullopt;
    return Note{"این روز پیش از آغاز تقویم عبری است و تاریخ عبری ندارد.",
                "This day lies before the Hebrew era and has no Hebrew date."};
}

// ---- Islamic months that start on a close call ----------------------------

bool NearMonthStartLimit(std::int32_t lunation) {
    return std::fabs(NewMoonMinutesFromMonthStartLimit(lunation)) <= kUncertainNewMoonMinutes;
}

// The new moon that starts the result's month decides every day of it; the
// one that starts the next month decides whether the month's last day is
// its last. Within the official lunar table the official calendar has
// settled the day, and its note speaks instead.
std::optional<Note> UncertainIslamicMonthNote(const ConvertedDate& date) {
    if (date.calendar != TargetCalendar::Islamic) return std::nullopt;
    if (date.dayNumber >= kOfficialIslamicFirstDay && date.dayNumber <= kOfficialIslamicLastDay) return std::nullopt;
    const std::int32_t lunation = IslamicMonthLunation(date.dayNumber);
    const std::int32_t next = CheckedAdd32(lunation, 1);
    const bool lastDayOfMonth = IslamicMonthLunation(CheckedAdd32(date.dayNumber, 1)) != lunation;
    if (!NearMonthStartLimit(lunation) && !(lastDayOfMonth && NearMonthStartLimit(next)))
        return std::nullopt;
    return Note{"این تاریخ ممکن است یک روز جابه\u200Cجا باشد: ماه نو نزدیک ساعت ۳ به وقت جهانی است، همان مرزی که روز "
                "آغاز ماه را تعیین می\u200Cکند؛ محاسبه\u200Cای دقیق\u200Cتر، و تقویم\u200Cهایی که بر رؤیت هلال استوارند، ممکن است روز "
                "دیگری بدهند.",
                "This date may differ by a day: the new moon falls near 03:00 UT, the limit that decides on which "
                "day the month starts; a more accurate computation, and calendars based on sighting the crescent, "
                "may give another day."};
}

}  // namespace

std::string ResultNoteText(const ConvertedDate& date) {
    std::vector<Note> notes;
    AddNote(notes, date, OfficialCalendarNote);
    AddNote(notes, date, JulianCalendarNote);
    AddNote(notes, date, BeforeHebrewEraNote);
    AddNote(notes, date, OfficialLunarCalendarNote);
    AddNote(notes, date, UncertainIslamicMonthNote);
    AddNote(notes, date, UnpublishedLunarMonthNote);
    AddHolidayNotes(notes, date.dayNumber);
    return NotesText(notes);
}

}  // namespace velmora::window
