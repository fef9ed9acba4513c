#include "window/result_notes.h"

#include "calendar/M_persian.h"
#include "calendar/official_islamic.h"
#include "calendar/official_persian.h"
#include "calendar/iran_holidays.h"
#include "window/date_words.h"
#include "window/holiday_list.h"
#include "window/persian_numbers.h"

#include <optional>
#include <vector>

namespace velmora::window {

namespace {

bool SameDate(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// Months of the official lunar calendar that have not yet begun, or whose
// start no public record confirms yet, are as the Center for Calendar
// published them in advance.
void AddPublishedInAdvance(Note& note, DateSource source) {
    if (source != DateSource::kPublished) return;
    note.persian += " این تاریخ همان است که مرکز تقویم از پیش منتشر کرده است.";
    note.english += " The official date is as published in advance by the Center for Calendar.";
}

const char* const kArithmeticPersian = "این برنامه تاریخ\u200Cها را با تقویم حسابی می\u200Cشمارد.";
const char* const kArithmeticEnglish = "Velmora counts with the arithmetic calendar.";
const char* const kSightingPersian =
    "این برنامه ماه\u200Cهای قمری را از ماه نو می\u200Cشمارد و تقویم رسمی ایران از رؤیت هلال.";
const char* const kSightingEnglish =
    "Velmora counts the Islamic months from the new moon, Iran's official calendar from the sighting of the "
    "crescent.";

// ---- The official Iranian calendar ---------------------------------------

// Form1: the typed Persian date names another day in the official calendar,
// or none; the note gives that day's date as Iran officially reads it.
std::optional<Note> TypedOfficialDateNote(const Conversion& c) {
    const DateFields& p = c.typed;
    if (!InOfficialPersianYears(p.year)) return std::nullopt;
    const std::optional<JulianDayNumber> official = OfficialPersianToJulianDay(p.year, p.month, p.day);
    if (official) {
        if (*official == c.day) return std::nullopt;
        const OfficialReading reading = CalendarOf(c.calendar).officialReading(*official);
        const CalendarName calendar = NameOf(c.calendar, *official);
        Note note{"در تقویم رسمی ایران، " + PersianDateNumbers(p) + " روز دیگری است: " +
                      PersianDateNumbers(reading.date) + ' ' + calendar.persian + ". " + kArithmeticPersian,
                  "In the official Iranian calendar, " + DateNumbers(p) + " is another day: " +
                      DateNumbers(reading.date) + ' ' + calendar.english + ". " + kArithmeticEnglish};
        if (FromOfficialTable(reading.source)) {
            note.persian += " تاریخ قمری از تقویم قمری رسمی ایران است.";
            note.english += " The Islamic date is from Iran's official lunar calendar.";
            AddPublishedInAdvance(note, reading.source);
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

// «به هجری شمسی»: the window shows the arithmetic calendar's date; in the
// years that the official calendar covers, it may give the day another date.
std::optional<Note> ResultOfficialDateNote(const Conversion& c) {
    const std::optional<DateFields> official = JulianDayToOfficialPersian(c.day);
    if (!official || SameDate(*official, c.result)) return std::nullopt;
    return Note{"در تقویم رسمی ایران این روز " + PersianDateNumbers(*official) + " است. " + kArithmeticPersian,
                "In the official Iranian calendar this day is " + DateNumbers(*official) + ". " +
                    kArithmeticEnglish};
}

// ---- Iran's official lunar calendar ----------------------------------------

// Form1: a result whose day Iran's official lunar calendar, set by the
// sighting of the crescent, dates otherwise. A typed date that is another
// day in the official Iranian calendar has its note above, which gives the
// official date of that day.
std::optional<Note> ResultOfficialLunarNote(const Conversion& c) {
    const DateFields& p = c.typed;
    if (InOfficialPersianYears(p.year) && OfficialPersianToJulianDay(p.year, p.month, p.day) != c.day)
        return std::nullopt;
    const OfficialReading official = CalendarOf(c.calendar).officialReading(c.day);
    if (!FromOfficialTable(official.source) || SameDate(official.date, c.result)) return std::nullopt;
    // An official date, which the computed calendar may not have on that day.
    const DateInWords words =
        InWords(c.day, official.date, MonthNameOf(c.calendar, official.date), NameOf(c.calendar, c.day));
    Note note{"در تقویم قمری رسمی ایران این روز " + PersianDateNumbers(official.date) + " (" + words.persian +
                  ") است؛ " + kSightingPersian,
              "In Iran's official lunar calendar this day is " + DateNumbers(official.date) + " (" + words.english +
                  "); " + kSightingEnglish};
    AddPublishedInAdvance(note, official.source);
    return note;
}

// «به هجری شمسی»: Iran's official lunar calendar may give a typed date to
// another day than the computed months do.
std::optional<Note> TypedOfficialLunarNote(const Conversion& c) {
    const CalendarRow& calendar = CalendarOf(c.calendar);
    if (calendar.officialToDayNumber == nullptr) return std::nullopt;
    const DateFields& typed = c.typed;
    const std::optional<JulianDayNumber> official = calendar.officialToDayNumber(typed.year, typed.month, typed.day);
    if (!official || *official == c.day) return std::nullopt;
    const std::optional<DateFields> persian = JulianDayToPersian(*official);
    if (!persian) return std::nullopt;
    Note note{"در تقویم قمری رسمی ایران، " + PersianDateNumbers(typed) + " روز دیگری است: " +
                  PersianDateNumbers(*persian) + ' ' + kPersianName.persian + "؛ " + kSightingPersian,
              "In Iran's official lunar calendar, " + DateNumbers(typed) + " is another day: " + DateNumbers(*persian) +
                  ' ' + kPersianName.english + "; " + kSightingEnglish};
    AddPublishedInAdvance(note, calendar.officialReading(*official).source);
    return note;
}

// A result after the official lunar table's last day; the share of months
// that began a day late is counted from the table's yearbook years.
std::optional<Note> NotYetPublishedNote(const Conversion& c) {
    if (CalendarOf(c.calendar).officialReading(c.day).source != DateSource::kNotYetPublished) return std::nullopt;
    static const MonthStartComparison kYearbooks = CompareWithComputedMonths(kYearbookFirstYear, kYearbookLastYear);
    const auto later = static_cast<std::int16_t>(kYearbooks.later);
    const auto months = static_cast<std::int16_t>(kYearbooks.months);
    return Note{"تقویم قمری رسمی ایران برای این ماه هنوز منتشر نشده است. در سال\u200Cهای " +
                    PersianNumber(kYearbookFirstYear) + " تا " + PersianNumber(kYearbookLastYear) +
                    " ماه رسمی در " + PersianNumber(later) + " ماه از " + PersianNumber(months) +
                    " ماه، حدود یک ماه از هر چهار ماه، یک روز دیرتر از تاریخ محاسبه\u200Cشده آغاز شد.",
                "Iran's official lunar calendar for this month is not yet published. In " +
                    FormatInt16(kYearbookFirstYear) + "-" + FormatInt16(kYearbookLastYear) +
                    " the official month began a day later than the computed date in " + FormatInt16(later) +
                    " of " + FormatInt16(months) + " months, about one month in four."};
}

// ---- Julian dates and the era ----------------------------------------------

std::optional<Note> JulianResultNote(const Conversion& c) {
    if (!ReadsInJulianCalendar(CalendarOf(c.calendar), c.day)) return std::nullopt;
    return Note{"این تاریخ به تقویم ژولینی است؛ تقویم گرگوری از ۱۵ اکتبر ۱۵۸۲ آغاز می\u200Cشود.",
                "This is a date of the Julian calendar; the Gregorian calendar starts on 15 October 1582."};
}

std::optional<Note> JulianTypedNote(const Conversion& c) {
    if (!ReadsInJulianCalendar(CalendarOf(c.calendar), c.day)) return std::nullopt;
    return Note{"تاریخ\u200Cهای میلادی تا ۴ اکتبر ۱۵۸۲ به تقویم ژولینی خوانده می\u200Cشوند؛ تقویم گرگوری از "
                "۱۵ اکتبر ۱۵۸۲ آغاز می\u200Cشود.",
                "Dates up to 4 October 1582 are read in the Julian calendar; the Gregorian calendar starts on "
                "15 October 1582."};
}

// Form1 shows 0 0 0 for such a day.
std::optional<Note> BeforeEraNote(const Conversion& c) {
    if (!BeforeEra(CalendarOf(c.calendar), c.day)) return std::nullopt;
    const CalendarName& name = TextsOf(c.calendar).name;
    return Note{std::string("این روز پیش از آغاز تقویم ") + name.persian + " است و تاریخ " + name.persian + " ندارد.",
                std::string("This day lies before the ") + name.english + " era and has no " + name.english +
                    " date."};
}

// ---- Months that start on a close call ------------------------------------

// Within the official lunar table the official calendar has settled the
// day, and its note speaks instead.
std::optional<Note> CloseCallNote(const Conversion& c) {
    const CalendarRow& calendar = CalendarOf(c.calendar);
    if (calendar.onCloseCall == nullptr || FromOfficialTable(calendar.officialReading(c.day).source))
        return std::nullopt;
    if (!calendar.onCloseCall(c.day)) return std::nullopt;
    return Note{"این تاریخ ممکن است یک روز جابه\u200Cجا باشد: ماه نو نزدیک ساعت ۳ به وقت جهانی است، همان مرزی که روز "
                "آغاز ماه را تعیین می\u200Cکند؛ محاسبه\u200Cای دقیق\u200Cتر، و تقویم\u200Cهایی که بر رؤیت هلال استوارند، ممکن است روز "
                "دیگری بدهند.",
                "This date may differ by a day: the new moon falls near 03:00 UT, the limit that decides on which "
                "day the month starts; a more accurate computation, and calendars based on sighting the crescent, "
                "may give another day."};
}

using MakeNote = std::optional<Note> (*)(const Conversion&);

// In the order the window shows them.
constexpr MakeNote kFromPersianNotes[] = {TypedOfficialDateNote, JulianResultNote, BeforeEraNote,
                                          ResultOfficialLunarNote, CloseCallNote, NotYetPublishedNote};
constexpr MakeNote kToPersianNotes[] = {ResultOfficialDateNote, JulianTypedNote, TypedOfficialLunarNote};

}  // namespace

// ---- Iran's public holidays -------------------------------------------------

std::vector<Note> HolidayNotes(JulianDayNumber day) {
    std::vector<Note> notes;
    for (const IranHoliday& holiday : IranHolidaysOn(day)) {
        Note note{"تعطیل رسمی ایران: " + std::string(holiday.persianName),
                  "Public holiday in Iran: " + std::string(holiday.englishName)};
        if (holiday.known == HolidayDayKnown::kPublished) {
            note.persian += " (روز آن در تقویم قمری رسمی ایران از پیش منتشر شده و هنوز تأیید نشده است)";
            note.english += " (its day as Iran's official lunar calendar was published in advance, not yet confirmed)";
        } else if (holiday.known == HolidayDayKnown::kEstimated) {
            const Note figure = MonthStartFigure();
            note.persian += " (روز آن برآوردی است و ماه رسمی ممکن است یک روز دیرتر آغاز شود؛ " + figure.persian + ")";
            note.english += " (its day is estimated, and Iran's official month may begin a day later; " +
                            figure.english + ")";
        }
        notes.push_back(std::move(note));
    }
    return notes;
}

std::string ResultNoteText(const Conversion& conversion) {
    const std::span<const MakeNote> makers =
        conversion.direction == Direction::kFromPersian ? std::span<const MakeNote>(kFromPersianNotes)
                                                        : std::span<const MakeNote>(kToPersianNotes);
    std::string text;
    for (const MakeNote make : makers) {
        // A note is an explanation beside a result that stands: a calendar
        // error while working one out leaves that note out rather than
        // failing the conversion the user already sees.
        std::optional<Note> note;
        try {
            note = make(conversion);
        } catch (const RuntimeError&) {
        }
        if (!note) continue;
        if (!text.empty()) text += "\n\n";
        text += note->persian + '\n' + note->english;
    }
    // Whichever way it was converted, the typed date's day.
    std::vector<Note> holidays;
    try {
        holidays = HolidayNotes(conversion.day);
    } catch (const RuntimeError&) {
    }
    for (const Note& note : holidays) {
        if (!text.empty()) text += "\n\n";
        text += note.persian + '\n' + note.english;
    }
    return text;
}

}  // namespace velmora::window
