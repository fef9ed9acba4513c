#include "window/holiday_list.h"

#include "calendar/M_civil.h"
#include "calendar/official_islamic.h"
#include "calendar/official_persian.h"
#include "window/calendar_texts.h"
#include "window/date_words.h"
#include "window/persian_numbers.h"

namespace velmora::window {

namespace {

struct Wording {
    const char* persian;
    const char* english;
};

Wording KnownWording(HolidayDayKnown known) {
    switch (known) {
        case HolidayDayKnown::kFixed:
            return {"تاریخ ثابت در تقویم رسمی هجری شمسی", "A fixed date of the official Persian calendar"};
        case HolidayDayKnown::kRecord:
            return {"ثبت\u200Cشده در تقویم قمری رسمی ایران", "As recorded in Iran's official lunar calendar"};
        case HolidayDayKnown::kAnnounced:
            return {"اعلام\u200Cشده پس از رؤیت هلال", "As announced after sighting the crescent"};
        case HolidayDayKnown::kPublished:
            return {"منتشرشده از پیش، هنوز تأییدنشده", "As published in advance, not yet confirmed"};
        case HolidayDayKnown::kEstimated: break;
    }
    return {"برآوردشده از تقویم محاسبه\u200Cشده", "Estimated from the computed calendar"};
}

// "21 March 2026", in Persian «۲۱ مارس ۲۰۲۶».
std::string DayMonthYear(const DateFields& date, MonthName month, bool persian) {
    if (persian) return PersianNumber(date.day) + ' ' + month.persian + ' ' + PersianNumber(date.year);
    return FormatInt16(date.day) + ' ' + month.english + ' ' + FormatInt16(date.year);
}

HolidayColumns Columns(const IranHoliday& holiday, bool persian) {
    HolidayColumns columns;
    if (const std::optional<DateFields> official = JulianDayToOfficialPersian(holiday.day)) {
        const DateInWords words = InWords(holiday.day, *official, PersianMonthName(official->month), kPersianName);
        columns.persianDate = persian ? words.persian : words.english;
    }
    DateFields gregorian{};
    JulianDayToGregorian(holiday.day, gregorian.year, gregorian.month, gregorian.day);
    columns.gregorianDate = DayMonthYear(gregorian, MonthNameOf(CalendarId::kGregorian, gregorian), persian);
    if (const std::optional<IranLunarDate> lunar = IranLunarDateOn(holiday.day)) {
        columns.lunarDate = DayMonthYear(lunar->date, MonthNameOf(CalendarId::kIslamic, lunar->date), persian);
        if (lunar->known == HolidayDayKnown::kEstimated) columns.lunarDate += persian ? " (برآوردی)" : " (estimated)";
    }
    columns.name = std::string(persian ? holiday.persianName : holiday.englishName);
    const Wording known = KnownWording(holiday.known);
    columns.known = persian ? known.persian : known.english;
    return columns;
}

void AddLine(std::string& text, const HolidayColumns& c) {
    text += c.persianDate + '\t' + c.gregorianDate + '\t' + c.lunarDate + '\t' + c.name + '\t' + c.known + '\n';
}

}  // namespace

Note MonthStartFigure() {
    static const MonthStartComparison f = CompareWithComputedMonths(kYearbookFirstYear, kYearbookLastYear);
    const auto later = static_cast<std::int16_t>(f.later);
    const auto months = static_cast<std::int16_t>(f.months);
    return {"در سال\u200Cهای " + PersianNumber(kYearbookFirstYear) + " تا " + PersianNumber(kYearbookLastYear) +
                " ماه رسمی در " + PersianNumber(later) + " ماه از " + PersianNumber(months) +
                " ماه یک روز دیرتر از ماه محاسبه\u200Cشده آغاز شد",
            "in " + FormatInt16(kYearbookFirstYear) + "-" + FormatInt16(kYearbookLastYear) +
                " the official month began a day later than the computed one in " + FormatInt16(later) + " of " +
                FormatInt16(months) + " months"};
}

HolidayColumns HolidayColumnHeadings(bool persian) {
    if (persian) return {"تاریخ هجری شمسی", "تاریخ میلادی", "تاریخ قمری رسمی ایران", "مناسبت", "روز چگونه معلوم است"};
    return {"Persian date", "Gregorian date", "Iran's official lunar date", "Holiday", "How the day is known"};
}

std::vector<HolidayRow> HolidayRows(std::int16_t persianYear) {
    std::vector<HolidayRow> rows;
    for (const IranHoliday& holiday : IranHolidaysOfYear(persianYear))
        rows.push_back({holiday, Columns(holiday, true), Columns(holiday, false)});
    return rows;
}

std::optional<Note> HolidayYearOutOfRange(std::int16_t persianYear) {
    if (persianYear >= kFirstIranHolidayYear && persianYear <= kLastIranHolidayYear) return std::nullopt;
    return Note{"تعطیلات رسمی فقط برای سال\u200Cهای " + PersianNumber(kFirstIranHolidayYear) + " تا " +
                    PersianNumber(kLastIranHolidayYear) + " فهرست می\u200Cشود: فهرست کنونی تعطیلات از سال " +
                    PersianNumber(kFirstIranHolidayYear) + " برقرار است و تقویم رسمی هجری شمسی تا سال " +
                    PersianNumber(kLastIranHolidayYear) + " منتشر شده است.",
                "Public holidays are listed for the years " + FormatInt16(kFirstIranHolidayYear) + " to " +
                    FormatInt16(kLastIranHolidayYear) + " only: today's list of holidays is in force from " +
                    FormatInt16(kFirstIranHolidayYear) + ", and the official Persian calendar is published up to " +
                    FormatInt16(kLastIranHolidayYear) + "."};
}

std::optional<Note> EstimatedDaysNote(const std::vector<HolidayRow>& rows) {
    bool estimated = false;
    for (const HolidayRow& row : rows) estimated = estimated || row.holiday.known == HolidayDayKnown::kEstimated;
    if (!estimated) return std::nullopt;
    const Note figure = MonthStartFigure();
    return Note{"روز تعطیلات قمری برآوردی از تقویم محاسبه\u200Cشده است و ماه رسمی ممکن است یک روز دیرتر آغاز شود: " +
                    figure.persian + ".",
                "The estimated lunar holidays come from the computed calendar, and Iran's official month may begin "
                "a day later: " + figure.english + "."};
}

std::string HolidayCopyText(const std::vector<HolidayRow>& rows, bool persian) {
    std::string text;
    AddLine(text, HolidayColumnHeadings(persian));
    for (const HolidayRow& row : rows) AddLine(text, persian ? row.persian : row.english);
    return text;
}

}  // namespace velmora::window
