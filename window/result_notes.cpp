#include "window/result_notes.h"

#include "M_hebrew.h"
#include "M_hijri.h"
#include "M_persian.h"
#include "official_persian.h"
#include "window/date_words.h"
#include "window/persian_numbers.h"

#include <cmath>
#include <optional>
#include <vector>

namespace velmora::window {

namespace {

struct Note {
    std::string persian;
    std::string english;
};

// ---- The official Iranian calendar ---------------------------------------

constexpr std::int16_t kMonthsPerYear = 12;
constexpr std::int16_t kLastLongMonth = 6;
constexpr std::int16_t kLongMonthDays = 31;
constexpr std::int16_t kShortMonthDays = 30;

// True when month and day lie within the arithmetic calendar's year: months
// 1-6 of 31 days, 7-11 of 30, and Esfand up to the next Nowruz. Other
// fields are carried through the arithmetic and have no official reading.
bool ExistsInArithmetic(const DateFields& p) {
    if (p.month < 1 || p.month > kMonthsPerYear || p.day < 1) return false;
    if (p.month <= kLastLongMonth) return p.day <= kLongMonthDays;
    if (p.month < kMonthsPerYear) return p.day <= kShortMonthDays;
    const std::int32_t esfandDays = CheckedSub32(PersianToJulianDay(CheckedAdd16(p.year, 1), 1, 1),
                                                 PersianToJulianDay(p.year, kMonthsPerYear, 1));
    return p.day <= esfandDays;
}

DateFields InTargetCalendar(TargetCalendar calendar, JulianDayNumber jd) {
    DateFields date{};
    switch (calendar) {
        case TargetCalendar::Islamic: JulianDayToIslamic(jd, date.year, date.month, date.day); break;
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
        return Note{"در تقویم رسمی ایران، " + PersianDateNumbers(p) + " روز دیگری است: " +
                        PersianDateNumbers(reading.result) + ' ' + calendar.persian +
                        ". این برنامه تاریخ\u200Cها را با تقویم حسابی می\u200Cشمارد.",
                    "In the official Iranian calendar, " + DateNumbers(p) + " is another day: " +
                        DateNumbers(reading.result) + ' ' + calendar.english +
                        ". Velmora counts with the arithmetic calendar."};
    }
    if (!ExistsInArithmetic(p)) return std::nullopt;
    return Note{"تاریخ " + PersianDateNumbers(p) +
                    " در تقویم رسمی ایران وجود ندارد؛ این برنامه آن را با تقویم حسابی می\u200Cشمارد.",
                DateNumbers(p) +
                    " does not exist in the official Iranian calendar; Velmora counts it with the arithmetic "
                    "calendar."};
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

// The month-start rule of the Islamic conversion: a new moon after midnight
// UT and no later than 03:00 UT starts its month on the next day, a later
// one on the day after. Midnight itself moves no month start.
constexpr double kMonthStartLimitMinutes = 3.0 * 60.0;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kMidnightFraction = 0.5;  // a Julian Date's fraction counts from noon UT

bool NearMonthStartLimit(double newMoon) {
    const double fromMidnight = newMoon + kMidnightFraction;
    const double minutes = (fromMidnight - std::floor(fromMidnight)) * kMinutesPerDay;
    return std::fabs(minutes - kMonthStartLimitMinutes) <= kUncertainNewMoonMinutes;
}

// The new moon that starts the result's month decides every day of it; the
// one that starts the next month decides whether the month's last day is
// its last.
std::optional<Note> UncertainIslamicMonthNote(const ConvertedDate& date) {
    if (date.calendar != TargetCalendar::Islamic) return std::nullopt;
    const std::int32_t lunation = IslamicMonthLunation(date.dayNumber);
    const std::int32_t next = CheckedAdd32(lunation, 1);
    const bool lastDayOfMonth = IslamicMonthLunation(CheckedAdd32(date.dayNumber, 1)) != lunation;
    if (!NearMonthStartLimit(NewMoonInstant(lunation)) && !(lastDayOfMonth && NearMonthStartLimit(NewMoonInstant(next))))
        return std::nullopt;
    return Note{"این تاریخ ممکن است یک روز جابه\u200Cجا باشد: ماه نو نزدیک ساعت ۳ به وقت جهانی است، همان مرزی که روز "
                "آغاز ماه را تعیین می\u200Cکند؛ محاسبه\u200Cای دقیق\u200Cتر، و تقویم\u200Cهایی که بر رؤیت هلال استوارند، ممکن است روز "
                "دیگری بدهند.",
                "This date may differ by a day: the new moon falls near 03:00 UT, the limit that decides on which "
                "day the month starts; a more accurate computation, and calendars based on sighting the crescent, "
                "may give another day."};
}

// A note is an explanation beside a result that stands: a calendar error
// while working one out leaves that note out rather than failing the
// conversion the user already sees.
template <typename Make>
void AddNote(std::vector<Note>& notes, const ConvertedDate& date, Make make) {
    try {
        if (std::optional<Note> note = make(date)) notes.push_back(std::move(*note));
    } catch (const RuntimeError&) {
    }
}

}  // namespace

std::string ResultNoteText(const ConvertedDate& date) {
    std::vector<Note> notes;
    AddNote(notes, date, OfficialCalendarNote);
    AddNote(notes, date, JulianCalendarNote);
    AddNote(notes, date, BeforeHebrewEraNote);
    AddNote(notes, date, UncertainIslamicMonthNote);
    std::string text;
    for (const Note& note : notes) {
        if (!text.empty()) text += "\n\n";
        text += note.persian + '\n' + note.english;
    }
    return text;
}

}  // namespace velmora::window
