#include "window/date_words.h"

#include "M_hebrew.h"
#include "window/persian_numbers.h"

#include <array>
#include <cstdint>

namespace velmora::window {

namespace {

struct Name {
    const char* persian;
    const char* english;
};

// Sunday first.
constexpr std::array<Name, 7> kWeekdays = {{
    {"یکشنبه", "Sunday"},
    {"دوشنبه", "Monday"},
    {"سه\u200Cشنبه", "Tuesday"},
    {"چهارشنبه", "Wednesday"},
    {"پنجشنبه", "Thursday"},
    {"جمعه", "Friday"},
    {"شنبه", "Saturday"},
}};

// The same names serve the Gregorian and the Julian calendar.
constexpr std::array<Name, 12> kWesternMonths = {{
    {"ژانویه", "January"},
    {"فوریه", "February"},
    {"مارس", "March"},
    {"آوریل", "April"},
    {"مه", "May"},
    {"ژوئن", "June"},
    {"ژوئیه", "July"},
    {"اوت", "August"},
    {"سپتامبر", "September"},
    {"اکتبر", "October"},
    {"نوامبر", "November"},
    {"دسامبر", "December"},
}};

constexpr std::array<Name, 12> kIslamicMonths = {{
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
}};

// Months count from Tishri = 1. A leap year has Adar I (6) and Adar II (7);
// a common year has one Adar (6), and its later months are numbered one
// lower (Nisan = 7 ... Elul = 12).
constexpr std::array<Name, 13> kHebrewLeapYearMonths = {{
    {"تشری", "Tishri"},
    {"حشوان", "Heshvan"},
    {"کسلو", "Kislev"},
    {"طوت", "Tevet"},
    {"شواط", "Shevat"},
    {"آدار اول", "Adar I"},
    {"آدار دوم", "Adar II"},
    {"نیسان", "Nisan"},
    {"ایار", "Iyar"},
    {"سیوان", "Sivan"},
    {"تموز", "Tammuz"},
    {"آب", "Av"},
    {"ایلول", "Elul"},
}};
constexpr std::int16_t kHebrewAdar = 6;
constexpr Name kHebrewCommonYearAdar{"آدار", "Adar"};

constexpr std::int16_t kMonthsPerYear = 12;
constexpr std::int16_t kHebrewLeapYearMonthCount = 13;
constexpr std::int16_t kLongestIslamicMonth = 30;

// ---- Western dates, checked by their own day number ------------------------
// Far in the past the civil conversion's fields leave their usual ranges
// and no longer name the day (-4716/2/30 for day number -1402). A result is
// read out only when the standard day-number formula of its calendar
// (astronomical years, months counted from March) leads back to its day.

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

constexpr std::int64_t kYearsBeforeEpoch = 4800;  // the formula counts from -4800/3/1
constexpr std::int64_t kJulianEpochShift = 32083;
constexpr std::int64_t kGregorianEpochShift = 32045;
constexpr std::int64_t kDaysInFiveMonthsTimesThree = 153;  // months from March: 31 30 31 30 31

std::int64_t WesternDayNumber(const DateFields& date, bool julian) {
    // 1 for January and February, which count as months 11 and 12 of the
    // year before; March is month 0.
    const std::int64_t beforeMarch = FloorDiv(14 - date.month, kMonthsPerYear);
    const std::int64_t y = date.year + kYearsBeforeEpoch - beforeMarch;
    const std::int64_t m = date.month + kMonthsPerYear * beforeMarch - 3;
    const std::int64_t days = date.day + FloorDiv(kDaysInFiveMonthsTimesThree * m + 2, 5) + 365 * y + FloorDiv(y, 4);
    if (julian) return days - kJulianEpochShift;
    return days - FloorDiv(y, 100) + FloorDiv(y, 400) - kGregorianEpochShift;
}

bool IsWesternDate(const ConvertedDate& date) {
    const DateFields& r = date.result;
    constexpr std::int16_t kLongestWesternMonth = 31;
    if (r.month < 1 || r.month > kMonthsPerYear || r.day < 1 || r.day > kLongestWesternMonth) return false;
    return WesternDayNumber(r, IsJulianCalendarResult(date)) == date.dayNumber;
}

// ---- Month names of each calendar, or none for fields out of range -------

std::optional<Name> WesternMonth(const ConvertedDate& date) {
    if (!IsWesternDate(date)) return std::nullopt;
    return kWesternMonths[static_cast<std::size_t>(date.result.month - 1)];
}

std::optional<Name> IslamicMonth(const DateFields& r) {
    // There is no Islamic year 0.
    if (r.year == 0 || r.month < 1 || r.month > kMonthsPerYear || r.day < 1 || r.day > kLongestIslamicMonth)
        return std::nullopt;
    return kIslamicMonths[static_cast<std::size_t>(r.month - 1)];
}

std::optional<Name> HebrewMonth(const DateFields& r) {
    if (r.year < 1 || r.month < 1 || r.day < 1) return std::nullopt;  // 0 0 0 before the era
    const bool leap = HebrewLeapYear(r.year);
    if (r.month > (leap ? kHebrewLeapYearMonthCount : kMonthsPerYear)) return std::nullopt;
    if (r.day > LastDayOfHebrewMonth(r.year, r.month)) return std::nullopt;
    if (leap) return kHebrewLeapYearMonths[static_cast<std::size_t>(r.month - 1)];
    if (r.month == kHebrewAdar) return kHebrewCommonYearAdar;
    // A common year's months after Adar are the leap year's one place on.
    const std::int16_t leapMonth = r.month > kHebrewAdar ? static_cast<std::int16_t>(r.month + 1) : r.month;
    return kHebrewLeapYearMonths[static_cast<std::size_t>(leapMonth - 1)];
}

std::optional<Name> MonthName(const ConvertedDate& date) {
    switch (date.calendar) {
        case TargetCalendar::Gregorian: return WesternMonth(date);
        case TargetCalendar::Islamic: return IslamicMonth(date.result);
        case TargetCalendar::Hebrew: return HebrewMonth(date.result);
    }
    return std::nullopt;
}

// Day number 0 was a Monday: (jd + 1) mod 7 is 0 on Sundays.
const Name& Weekday(JulianDayNumber jd) {
    constexpr std::int64_t kDaysPerWeek = 7;
    const std::int64_t sinceSunday = std::int64_t{jd} + 1 - kDaysPerWeek * FloorDiv(std::int64_t{jd} + 1, kDaysPerWeek);
    return kWeekdays[static_cast<std::size_t>(sinceSunday)];
}

}  // namespace

CalendarName CalendarNameOf(const ConvertedDate& date) {
    if (IsJulianCalendarResult(date)) return {"ژولینی", "Julian"};
    switch (date.calendar) {
        case TargetCalendar::Gregorian: return {"میلادی", "Gregorian"};
        case TargetCalendar::Islamic: return {"قمری", "Islamic"};
        case TargetCalendar::Hebrew: return {"عبری", "Hebrew"};
    }
    return {"", ""};
}

std::optional<DateInWords> DateWords(const ConvertedDate& date) {
    // The words only explain a result already shown: a calendar error while
    // checking the fields (a Hebrew month's length) costs the words, never
    // the conversion.
    std::optional<Name> month;
    try {
        month = MonthName(date);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    if (!month) return std::nullopt;
    const Name& weekday = Weekday(date.dayNumber);
    const DateFields& r = date.result;
    DateInWords words;
    words.persian = std::string(weekday.persian) + ' ' + PersianNumber(r.day) + ' ' + month->persian + ' ' +
                    PersianNumber(r.year) + ' ' + CalendarNameOf(date).persian;
    words.english = std::string(weekday.english) + ' ' + FormatInt16(r.day) + ' ' + month->english + ' ' +
                    FormatInt16(r.year);
    return words;
}

}  // namespace velmora::window
