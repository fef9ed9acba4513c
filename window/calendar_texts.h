// What the windows show and say of each calendar, one row per CalendarId:
// its name, the captions and descriptions of its buttons in both windows,
// Label5's caption after a conversion to it, and its month names in the
// order of the calendar row's month-name keys. Only words live here; every
// calendar fact comes from calendar/calendar_table.h.
#pragma once

#include "calendar/calendar_table.h"

#include <array>
#include <cstddef>
#include <span>

namespace velmora::window {

struct CalendarName {
    const char* persian;
    const char* english;
};

struct MonthName {
    const char* persian;
    const char* english;
};

// The Persian calendar, which both windows convert from or to, and the
// Julian calendar, in which the Gregorian row reads the days up to
// 4 October 1582.
inline constexpr CalendarName kPersianName{"هجری شمسی", "Persian"};
inline constexpr CalendarName kJulianName{"ژولینی", "Julian"};

inline constexpr MonthName kPersianMonths[] = {
    {"فروردین", "Farvardin"}, {"اردیبهشت", "Ordibehesht"}, {"خرداد", "Khordad"}, {"تیر", "Tir"},
    {"مرداد", "Mordad"},      {"شهریور", "Shahrivar"},     {"مهر", "Mehr"},      {"آبان", "Aban"},
    {"آذر", "Azar"},          {"دی", "Dey"},               {"بهمن", "Bahman"},   {"اسفند", "Esfand"},
};

inline constexpr MonthName kIslamicMonths[] = {
    {"محرم", "Muharram"},
    {"صفر", "Safar"},
    {"ربیع\u200Cالاول", "Rabi' al-Awwal"},
    {"ربیع\u200Cالثانی", "Rabi' al-Thani"},
    {"جمادی\u200Cالاول", "Jumada al-Awwal"},
    {"جمادی\u200Cالثانی", "Jumada al-Thani"},
    {"رجب", "Rajab"},
    {"شعبان", "Sha'ban"},
    {"رمضان", "Ramadan"},
    {"شوال", "Shawwal"},
    {"ذی\u200Cالقعده", "Dhu al-Qa'dah"},
    {"ذی\u200Cالحجه", "Dhu al-Hijjah"},
};

// The same names serve the Gregorian and the Julian calendar.
inline constexpr MonthName kWesternMonths[] = {
    {"ژانویه", "January"}, {"فوریه", "February"}, {"مارس", "March"},     {"آوریل", "April"},
    {"مه", "May"},         {"ژوئن", "June"},      {"ژوئیه", "July"},     {"اوت", "August"},
    {"سپتامبر", "September"}, {"اکتبر", "October"}, {"نوامبر", "November"}, {"دسامبر", "December"},
};

// In the order of HebrewMonthNameKey: both Adars of a leap year and the one
// Adar of a common year.
inline constexpr MonthName kHebrewMonths[] = {
    {"تشری", "Tishri"},     {"حشوان", "Heshvan"},   {"کسلو", "Kislev"}, {"طوت", "Tevet"},   {"شواط", "Shevat"},
    {"آدار", "Adar"},       {"آدار اول", "Adar I"}, {"آدار دوم", "Adar II"},
    {"نیسان", "Nisan"},     {"ایار", "Iyar"},       {"سیوان", "Sivan"}, {"تموز", "Tammuz"}, {"آب", "Av"},
    {"ایلول", "Elul"},
};

struct CalendarTexts {
    CalendarId id;
    CalendarName name;  // in a date in words and in the notes

    // Form1: the button that converts a Persian date to this calendar (its
    // control and the design's own spelling of its caption), Label5's
    // caption after it and what a screen reader says of the button.
    const char* toButton;
    const char* toCaption;
    const char* toLabel;
    const char* toDescription;

    // The window "به هجری شمسی": the button that converts a date of this
    // calendar to the Persian calendar and what a screen reader says of it.
    const char* fromButton;
    const char* fromCaption;
    const char* fromDescription;

    std::span<const MonthName> months;
};

inline constexpr std::array<CalendarTexts, kCalendarCount> kCalendarTexts{{
    {CalendarId::kIslamic, {"قمری", "Islamic"},
     "Command1", "هجري قمري", "قمري", "Convert to the Islamic lunar calendar",
     "cmdFromIslamic", "از قمری", "Convert an Islamic lunar date to the Persian calendar",
     kIslamicMonths},
    {CalendarId::kGregorian, {"میلادی", "Gregorian"},
     "Command2", "ميلادي", "ميلادي", "Convert to the Gregorian calendar (Julian up to 4 October 1582)",
     "cmdFromGregorian", "از میلادی", "Convert a Gregorian date (Julian up to 4 October 1582) to the Persian calendar",
     kWesternMonths},
    {CalendarId::kHebrew, {"عبری", "Hebrew"},
     "Command3", "هبريو", "هبريو", "Convert to the Hebrew calendar",
     "cmdFromHebrew", "از عبری", "Convert a Hebrew date to the Persian calendar",
     kHebrewMonths},
}};

// Row i names calendar i, with a name for every month-name key.
constexpr bool EveryTextsRowFitsItsCalendar() {
    for (std::size_t i = 0; i < kCalendarTexts.size(); ++i) {
        if (kCalendarTexts[i].id != kCalendars[i].id) return false;
        if (kCalendarTexts[i].months.size() != kCalendars[i].monthNameCount) return false;
    }
    return true;
}
static_assert(EveryTextsRowFitsItsCalendar());

constexpr const CalendarTexts& TextsOf(CalendarId id) { return kCalendarTexts[static_cast<std::size_t>(id)]; }

// The Persian month (1 = Farvardin) of a date of the arithmetic calendar.
MonthName PersianMonthName(std::int16_t month);

// The month of a date that the calendar has.
MonthName MonthNameOf(CalendarId id, const DateFields& date);

// The name of the calendar of day's date: the Julian calendar where the row
// reads the day in it.
CalendarName NameOf(CalendarId id, JulianDayNumber day);

}  // namespace velmora::window
