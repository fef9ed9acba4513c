#include "reference_hebrew.h"

#include "M_hebrew.h"

namespace velmora::reference {

namespace {

// Day number of the day before 1 Tishri of year 1: day index = jd - epoch.
constexpr JulianDayNumber kHebrewEpoch = 347997;
// The year estimate divides the day index by this. It is shorter than the
// mean year, so the estimate lies at or above the year sought except in the
// first 93 years, where it can lie one below.
constexpr std::int32_t kEstimateDaysPerYear = 365;

// 1 Tishri of year as a day index and the number of HebrewElapsedDays
// evaluations the year search has made.
struct YearSearch {
    std::int32_t yearStart;
    std::int32_t evaluations;
};

// Finds the year holding dayIndex, starting from the estimate already in
// year and writing year at each step. The search steps down while the year
// starts after the day; when the estimate holds on the first test it steps
// up while the next year has already begun, which only happens in the first
// 93 years.
YearSearch FindHebrewYear(std::int32_t dayIndex, std::int16_t& year) {
    YearSearch search{HebrewElapsedDays(year), 1};
    if (search.yearStart > dayIndex) {
        do {
            year = CheckedSub16(year, 1);
            search.yearStart = HebrewElapsedDays(year);
            ++search.evaluations;
        } while (search.yearStart > dayIndex);
        return search;
    }
    for (;;) {
        const std::int32_t nextYearStart = HebrewElapsedDays(CheckedAdd32(year, 1));
        ++search.evaluations;
        if (nextYearStart > dayIndex) return search;
        year = CheckedAdd16(year, 1);
        search.yearStart = nextYearStart;
    }
}

}  // namespace

void JulianDayToHebrew(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day, std::int32_t& yearSearchEvaluations) {
    if (jd <= kHebrewEpoch) {
        year = 0;
        month = 0;
        day = 0;
        return;
    }
    const std::int32_t dayIndex = CheckedSub32(jd, kHebrewEpoch);  // at least 1
    // Raises OverflowError from day number 12307952 on, before any field is
    // written.
    year = Narrow16(CheckedAdd32(dayIndex / kEstimateDaysPerYear, 1));
    const YearSearch search = FindHebrewYear(dayIndex, year);
    yearSearchEvaluations = CheckedAdd32(yearSearchEvaluations, search.evaluations);

    // Walk the months from Tishri until the day falls within one.
    std::int32_t dayOfMonth = CheckedSub32(dayIndex, search.yearStart);
    month = 1;
    for (std::int16_t length = LastDayOfHebrewMonth(year, month); dayOfMonth >= length;
         length = LastDayOfHebrewMonth(year, month)) {
        dayOfMonth = CheckedSub32(dayOfMonth, length);
        month = CheckedAdd16(month, 1);
    }
    day = Narrow16(CheckedAdd32(dayOfMonth, 1));
}

}  // namespace velmora::reference
