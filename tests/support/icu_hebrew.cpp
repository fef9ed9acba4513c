#include "icu_hebrew.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <stdexcept>

namespace velmora::test {

namespace {

// ICU numbers the Hebrew months 0 (Tishri) to 12 (Elul) and keeps index 5
// for Adar I, which only a leap year has: a common year goes from Shevat (4)
// straight to Adar (6).
constexpr int kIcuAdarI = 5;

// The leap years of the 19-year cycle, for positive years.
bool IsLeapYearOfCycle(int year) { return (7 * year + 1) % 19 < 7; }

std::int16_t OurMonth(int icuYear, int icuMonth) {
    const bool leap = IsLeapYearOfCycle(icuYear);
    if (!leap && icuMonth == kIcuAdarI) {
        ADD_FAILURE() << "ICU gives Adar I in common year " << icuYear;
    }
    return static_cast<std::int16_t>(leap || icuMonth < kIcuAdarI ? icuMonth + 1 : icuMonth);
}

// Our month number to ICU's: the same shift back, with Adar I's index
// skipped in a common year.
int IcuMonth(const DateFields& date) {
    const bool leap = IsLeapYearOfCycle(date.year);
    return leap || date.month < kIcuAdarI + 1 ? date.month - 1 : date.month;
}

void Require(UErrorCode status, const char* what) {
    if (U_FAILURE(status)) throw std::runtime_error(std::string(what) + ": " + u_errorName(status));
}

// Reads the calendar's date for its Julian day field set to jd. ICU's Julian
// day counts local days; the calendars here run on GMT so local is civil.
void SetDayNumber(icu::Calendar& calendar, JulianDayNumber jd) {
    calendar.clear();
    calendar.set(UCAL_JULIAN_DAY, jd);
}

std::int16_t Field(icu::Calendar& calendar, UCalendarDateFields field) {
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t value = calendar.get(field, status);
    Require(status, "Calendar::get");
    return static_cast<std::int16_t>(value);
}

std::unique_ptr<icu::Calendar> MakeCalendar(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status));
    Require(status, "Calendar::createInstance");
    return calendar;
}

}  // namespace

IcuHebrewCalendar::IcuHebrewCalendar() : calendar_(MakeCalendar("en@calendar=hebrew")) {}

IcuHebrewCalendar::~IcuHebrewCalendar() = default;

DateFields IcuHebrewCalendar::DateOf(JulianDayNumber jd) {
    SetDayNumber(*calendar_, jd);
    const std::int16_t year = Field(*calendar_, UCAL_EXTENDED_YEAR);
    const std::int16_t icuMonth = Field(*calendar_, UCAL_MONTH);
    const std::int16_t day = Field(*calendar_, UCAL_DATE);
    return {year, OurMonth(year, icuMonth), day};
}

JulianDayNumber IcuHebrewCalendar::DayNumberOf(const DateFields& date) {
    calendar_->clear();
    calendar_->set(UCAL_EXTENDED_YEAR, date.year);
    calendar_->set(UCAL_MONTH, IcuMonth(date));
    calendar_->set(UCAL_DATE, date.day);
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t jd = calendar_->get(UCAL_JULIAN_DAY, status);
    Require(status, "Calendar::get");
    return jd;
}

DateFields IcuGregorianDateOf(JulianDayNumber jd) {
    const auto calendar = MakeCalendar("en@calendar=gregorian");
    SetDayNumber(*calendar, jd);
    return {Field(*calendar, UCAL_EXTENDED_YEAR),
            static_cast<std::int16_t>(Field(*calendar, UCAL_MONTH) + 1),
            Field(*calendar, UCAL_DATE)};
}

}  // namespace velmora::test
