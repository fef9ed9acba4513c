#include "window/calendars.h"

#include <cstddef>

namespace velmora::window {

namespace {

constexpr std::array<MonthName, 12> kPersianMonths = {{
    {"فروردین", "Farvardin"},
    {"اردیبهشت", "Ordibehesht"},
    {"خرداد", "Khordad"},
    {"تیر", "Tir"},
    {"مرداد", "Mordad"},
    {"شهریور", "Shahrivar"},
    {"مهر", "Mehr"},
    {"آبان", "Aban"},
    {"آذر", "Azar"},
    {"دی", "Dey"},
    {"بهمن", "Bahman"},
    {"اسفند", "Esfand"},
}};

// The same names serve the Gregorian and the Julian calendar.
constexpr std::array<MonthName, 12> kWesternMonths = {{
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

constexpr std::array<MonthName, 12> kIslamicMonths = {{
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
constexpr std::array<MonthName, 13> kHebrewLeapYearMonths = {{
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
constexpr MonthName kHebrewCommonYearAdar{"آدار", "Adar"};

// Month m (1-based) of a table of month names.
template <std::size_t N>
MonthName Month(const std::array<MonthName, N>& months, std::int16_t m) {
    return months.at(static_cast<std::size_t>(m - 1));
}

}  // namespace

MonthName PersianMonthName(std::int16_t month) { return Month(kPersianMonths, month); }

MonthName IslamicMonthName(const DateFields& date) { return Month(kIslamicMonths, date.month); }

MonthName WesternMonthName(const DateFields& date) { return Month(kWesternMonths, date.month); }

MonthName HebrewMonthName(const DateFields& date) {
    if (HebrewLeapYear(date.year)) return Month(kHebrewLeapYearMonths, date.month);
    if (date.month == kHebrewAdar) return kHebrewCommonYearAdar;
    // A common year's months after Adar are the leap year's one place on.
    const auto leapMonth = static_cast<std::int16_t>(date.month > kHebrewAdar ? date.month + 1 : date.month);
    return Month(kHebrewLeapYearMonths, leapMonth);
}

}  // namespace velmora::window
