#include "calendar/M_hebrew.h"

#include <array>
#include <cstddef>

#include "calendar/M_hebrew_detail.h"

namespace velmora {

namespace {

// Time is counted in parts: 1080 parts make an hour, 24 hours a day.
constexpr std::int32_t kPartsPerHour = 1080;
constexpr std::int32_t kHoursPerDay = 24;
constexpr std::int32_t kPartsPerDay = kPartsPerHour * kHoursPerDay;  // 25920
static_assert(kPartsPerDay == 25920);

// The mean synodic month: 29 days 12 hours 793 parts.
constexpr std::int32_t kMeanMonthDays = 29;
constexpr std::int32_t kMeanMonthHours = 12;
constexpr std::int32_t kMeanMonthParts = 793;

// The mean conjunction that opens year 1: day index 1 at 5 hours 204 parts.
constexpr std::int32_t kEpochMoladDay = 1;
constexpr std::int32_t kEpochMoladHours = 5;
constexpr std::int32_t kEpochMoladParts = 204;

// The 19-year cycle of 235 months: 12 common years of 12 months and 7 leap
// years of 13. (7 * year + 1) rem 19 < 7 picks the leap years, and
// (7 * yearOfCycle + 1) / 19 counts the leap years of the cycle before a year.
constexpr std::int32_t kYearsPerCycle = 19;
constexpr std::int32_t kMonthsPerCycle = 235;
constexpr std::int32_t kMonthsPerCommonYear = 12;
constexpr std::int16_t kLeapYearMonths = 13;
constexpr std::int32_t kLeapYearsPerCycle = 7;
constexpr std::int32_t kLeapCyclePhase = 1;

// Postponements of 1 Tishri, as a conjunction's time in parts after the start
// of its day. A conjunction at or after noon moves the year to the next day.
constexpr std::int32_t kLateConjunction = 18 * kPartsPerHour;              // 19440
// A Tuesday conjunction from 9 h 204 p in a common year would make the year
// 356 days long; one on Monday from 15 h 589 p right after a leap year would
// leave the year before 382 days.
constexpr std::int32_t kTuesdayCommonYearLimit = 9 * kPartsPerHour + 204;  // 9924
constexpr std::int32_t kMondayAfterLeapLimit = 15 * kPartsPerHour + 589;   // 16789
static_assert(kLateConjunction == 19440 && kTuesdayCommonYearLimit == 9924 &&
              kMondayAfterLeapLimit == 16789);

// A day index's remainder by 7 is its weekday (day index 1 is a Monday).
// 1 Tishri never falls on Sunday, Wednesday or Friday.
constexpr std::int32_t kDaysPerWeek = 7;
constexpr std::int32_t kSunday = 0;
constexpr std::int32_t kMonday = 1;
constexpr std::int32_t kTuesday = 2;
constexpr std::int32_t kWednesday = 3;
constexpr std::int32_t kFriday = 5;

// The last digit of a year's length (353..355, 383..385) tells which of
// Heshvan and Kislev deviate from their usual 29 and 30 days.
constexpr std::int32_t kYearLengthDigitBase = 10;
constexpr std::int32_t kLongHeshvanDigit = 5;
constexpr std::int32_t kShortKislevDigit = 3;

constexpr std::int16_t kShortMonth = 29;
constexpr std::int16_t kFullMonth = 30;
constexpr std::int16_t kHeshvan = 2;
constexpr std::int16_t kKislev = 3;
// Month 6 is Adar I in a leap year and Adar in a common one; from month 7 on
// a common year's months are numbered one below the leap-year months of the
// same length.
constexpr std::int16_t kAdar = 6;

// Day number of the day before 1 Tishri of year 1: day index = jd - epoch.
constexpr JulianDayNumber kHebrewEpoch = kHebrewFirstDay - 1;
// The year field first receives the day index over 365 days, plus one, which
// fixes the day numbers that raise OverflowError before any field changes.
constexpr std::int32_t kEstimateDaysPerYear = 365;

}  // namespace

bool HebrewLeapYear(std::int32_t year) {
    return CheckedAdd32(CheckedMul32(kLeapYearsPerCycle, year), kLeapCyclePhase) %
               kYearsPerCycle <
           kLeapYearsPerCycle;
}

namespace {

// 1 Tishri of year from the day and time of its conjunction: the first
// postponement moves it a day for a late conjunction, or for the two
// weekday cases; the second moves it off Sunday, Wednesday and Friday.
// Both weekday tests look at the conjunction's own day.
std::int32_t YearStartAfterPostponements(std::int32_t year, std::int32_t moladDay,
                                         std::int32_t moladTime) {
    const std::int32_t moladWeekday = moladDay % kDaysPerWeek;
    const bool postponed =
        moladTime >= kLateConjunction ||
        (moladWeekday == kTuesday && moladTime >= kTuesdayCommonYearLimit &&
         !HebrewLeapYear(year)) ||
        (moladWeekday == kMonday && moladTime >= kMondayAfterLeapLimit &&
         HebrewLeapYear(CheckedSub32(year, 1)));
    const std::int32_t startDay = postponed ? CheckedAdd32(moladDay, 1) : moladDay;

    const std::int32_t startWeekday = startDay % kDaysPerWeek;
    if (startWeekday == kSunday || startWeekday == kWednesday || startWeekday == kFriday) {
        return CheckedAdd32(startDay, 1);
    }
    return startDay;
}

}  // namespace

std::int32_t HebrewElapsedDays(std::int32_t year) {
    // For years -32769..32769 every value below stays within 11969132 in
    // magnitude; the checks matter only for wider years.
    const std::int32_t yearsBefore = CheckedSub32(year, 1);
    const std::int32_t yearOfCycle = yearsBefore % kYearsPerCycle;  // -18..18
    // Months from the epoch's conjunction to the conjunction of Tishri of year.
    const std::int32_t monthCount = CheckedAdd32(
        CheckedAdd32(CheckedMul32(kMonthsPerCycle, yearsBefore / kYearsPerCycle),
                     CheckedMul32(kMonthsPerCommonYear, yearOfCycle)),
        CheckedAdd32(CheckedMul32(kLeapYearsPerCycle, yearOfCycle), kLeapCyclePhase) /
            kYearsPerCycle);
    const std::int32_t partCount = CheckedAdd32(
        kEpochMoladParts, CheckedMul32(kMeanMonthParts, monthCount % kPartsPerHour));
    const std::int32_t hourCount = CheckedAdd32(
        CheckedAdd32(CheckedAdd32(kEpochMoladHours, CheckedMul32(kMeanMonthHours, monthCount)),
                     CheckedMul32(kMeanMonthParts, monthCount / kPartsPerHour)),
        partCount / kPartsPerHour);
    const std::int32_t moladDay = CheckedAdd32(
        CheckedAdd32(kEpochMoladDay, CheckedMul32(kMeanMonthDays, monthCount)),
        hourCount / kHoursPerDay);
    // 0..25919 from year 1 on; negative for some years before it.
    const std::int32_t moladTime = CheckedAdd32(
        CheckedMul32(kPartsPerHour, hourCount % kHoursPerDay), partCount % kPartsPerHour);

    return YearStartAfterPostponements(year, moladDay, moladTime);
}

std::int32_t DaysInHebrewYear(std::int32_t year) {
    return CheckedSub32(HebrewElapsedDays(CheckedAdd32(year, 1)), HebrewElapsedDays(year));
}

namespace {

constexpr bool IsLongHeshvanLength(std::int32_t yearLength) {
    return yearLength % kYearLengthDigitBase == kLongHeshvanDigit;
}

constexpr bool IsShortKislevLength(std::int32_t yearLength) {
    return yearLength % kYearLengthDigitBase == kShortKislevDigit;
}

// The length of month in a year of the given kind. yearLength is read only
// for Heshvan and Kislev, so a caller may pass a callable that computes it on
// demand.
template <typename YearLength>
constexpr std::int16_t MonthLength(std::int16_t month, bool leap, YearLength yearLength) {
    // Renumber a common year's months after Adar to the leap-year months of
    // the same length; month is at most 32767, so the sum fits 32 bits.
    const std::int32_t shiftedMonth = month > kAdar && !leap ? month + 1 : month;
    switch (shiftedMonth) {
        case kHeshvan:
            return IsLongHeshvanLength(yearLength()) ? kFullMonth : kShortMonth;
        case kKislev:
            return IsShortKislevLength(yearLength()) ? kShortMonth : kFullMonth;
        case kAdar:
            return leap ? kFullMonth : kShortMonth;
        case 4:   // Teveth
        case 7:   // Adar II
        case 9:   // Iyyar
        case 11:  // Tammuz
        case 13:  // Elul
            return kShortMonth;
        default:  // the other months, and numbers outside 1..13
            return kFullMonth;
    }
}

// Walks the months of a year from Tishri: month ends in the month that holds
// the day dayIndex days after 1 Tishri, and the returned value is the day's
// offset within that month.
template <typename YearLength>
std::int32_t WalkMonths(std::int32_t dayIndex, bool leap, YearLength yearLength,
                        std::int16_t& month) {
    month = 1;
    for (;;) {
        const std::int16_t length = MonthLength(month, leap, yearLength);
        if (dayIndex < length) return dayIndex;
        dayIndex = CheckedSub32(dayIndex, length);
        month = CheckedAdd16(month, 1);
    }
}

}  // namespace

bool LongHeshvan(std::int32_t year) { return IsLongHeshvanLength(DaysInHebrewYear(year)); }

bool ShortKislev(std::int32_t year) { return IsShortKislevLength(DaysInHebrewYear(year)); }

std::int16_t LastDayOfHebrewMonth(std::int32_t year, std::int16_t month) {
    return MonthLength(month, HebrewLeapYear(year), [year] { return DaysInHebrewYear(year); });
}

std::optional<std::int16_t> HebrewMonthLength(std::int16_t year, std::int16_t month) {
    if (year < 1 || month < 1) return std::nullopt;
    try {
        if (month > (HebrewLeapYear(year) ? kLeapYearMonths : kMonthsPerCommonYear)) return std::nullopt;
        return LastDayOfHebrewMonth(year, month);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::size_t HebrewMonthNameKey(std::int16_t year, std::int16_t month) {
    // Tishri to Shevat keep their places; a leap year's months from Adar I
    // on sit one place after the common year's Adar, and a common year's
    // months after Adar two places on (Nisan, 7, is place 8).
    constexpr std::size_t kCommonAdarKey = 5;
    const auto index = static_cast<std::size_t>(month - 1);
    if (month < kAdar) return index;
    if (HebrewLeapYear(year)) return index + 1;
    return month == kAdar ? kCommonAdarKey : index + 2;
}

namespace {

// A whole month is 765433 parts: 29 days, 12 hours and 793 parts.
constexpr std::int64_t kPartsPerMonth =
    kMeanMonthDays * kPartsPerDay + kMeanMonthHours * kPartsPerHour + kMeanMonthParts;
constexpr std::int64_t kEpochMoladPartsOfDay = kEpochMoladHours * kPartsPerHour + kEpochMoladParts;

}  // namespace

// HebrewElapsedDays for years from 1 on, with the conjunction counted in
// parts in 64 bits instead of days, hours and parts in three 32-bit steps.
// For such years every remainder is non-negative, the month count is
// (235 * (year - 1) + 1) / 19 (235 = 12 * 19 + 7), and the two forms give the
// same day and time of the conjunction; a test compares them on every year
// the conversion reaches.
std::int32_t detail::HebrewYearStart(std::int32_t year) {
    const std::int64_t yearsBefore = year - 1;  // 0..32768
    const std::int64_t monthCount = (kMonthsPerCycle * yearsBefore + kLeapCyclePhase) / kYearsPerCycle;
    const std::int64_t parts = monthCount * kPartsPerMonth + kEpochMoladPartsOfDay;
    const std::int64_t moladDay = kEpochMoladDay + parts / kPartsPerDay;
    const std::int64_t moladTime = parts % kPartsPerDay;

    // Day and time fit 32 bits: the day is below 12 million, the time below 25920.
    return YearStartAfterPostponements(year, static_cast<std::int32_t>(moladDay),
                                       static_cast<std::int32_t>(moladTime));
}

namespace {

// Where the year that holds a day begins, and how long it is.
struct LocatedYear {
    std::int32_t start;   // day index of its 1 Tishri
    std::int32_t length;  // days
};

// The mean Hebrew year, 235 / 19 months of 29 d 12 h 793 p, is
// 35975351 / 98496 days. dayIndex over it lands within a year of the year
// that holds the day, where the estimate by 365 days lies up to 23 years high.
constexpr std::int64_t kMeanYearDays = 35975351;
constexpr std::int64_t kMeanYearUnits = 98496;

std::int16_t MeanYearGuess(std::int32_t dayIndex) {
    // dayIndex is below 12307952 - 347997 here, so the product fits 64 bits
    // and the quotient 16 bits.
    return static_cast<std::int16_t>(dayIndex * kMeanYearUnits / kMeanYearDays + 1);
}

// Finds the year from the mean-year guess with year starts in the 64-bit
// form, keeping the start of the year after it, which gives the length.
LocatedYear LocateFromMeanYear(std::int32_t dayIndex, std::int16_t& year) {
    std::int16_t y = MeanYearGuess(dayIndex);
    std::int32_t yearStart = detail::HebrewYearStart(y);
    std::int32_t nextYearStart;
    if (yearStart > dayIndex) {
        do {
            nextYearStart = yearStart;
            y = CheckedSub16(y, 1);
            yearStart = detail::HebrewYearStart(y);
        } while (yearStart > dayIndex);
    } else {
        nextYearStart = detail::HebrewYearStart(CheckedAdd32(y, 1));
        while (nextYearStart <= dayIndex) {
            y = CheckedAdd16(y, 1);
            yearStart = nextYearStart;
            nextYearStart = detail::HebrewYearStart(CheckedAdd32(y, 1));
        }
    }
    year = y;
    return {yearStart, CheckedSub32(nextYearStart, yearStart)};
}

}  // namespace

// The search starts from the mean-year guess, evaluates year starts in the
// 64-bit form, and takes the year's length from the two year starts it has
// computed. The year field first receives the 365-day estimate, which raises
// OverflowError from day number 12307952 on, before any field is written.
void JulianDayToHebrew(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day) {
    if (jd <= kHebrewEpoch) {
        year = 0;
        month = 0;
        day = 0;
        return;
    }
    const std::int32_t dayIndex = CheckedSub32(jd, kHebrewEpoch);  // at least 1
    year = Narrow16(CheckedAdd32(dayIndex / kEstimateDaysPerYear, 1));
    const LocatedYear located = LocateFromMeanYear(dayIndex, year);
    const std::int32_t dayOfMonth =
        WalkMonths(CheckedSub32(dayIndex, located.start), HebrewLeapYear(year),
                   [&located] { return located.length; }, month);
    day = Narrow16(CheckedAdd32(dayOfMonth, 1));
}

// Days from 1 Tishri to day 1 of each month (index 1..13) in a year whose
// Heshvan has 29 days and Kislev 30, as MonthLength counts them, summed
// while compiling; a long Heshvan adds a day from month 3 on, a short
// Kislev takes one away from month 4 on.
constexpr std::int32_t kRegularYearLength = 354;  // neither digit 3 nor 5
using DaysBeforeMonths = std::array<std::int32_t, kLeapYearMonths + 1>;

constexpr DaysBeforeMonths RegularDaysBeforeMonths(bool leap) {
    DaysBeforeMonths before{};
    for (std::int16_t month = 2; month <= kLeapYearMonths; ++month)
        before[static_cast<std::size_t>(month)] =
            before[static_cast<std::size_t>(month - 1)] +
            MonthLength(static_cast<std::int16_t>(month - 1), leap, [] { return kRegularYearLength; });
    return before;
}

constexpr DaysBeforeMonths kCommonYearDaysBefore = RegularDaysBeforeMonths(false);
constexpr DaysBeforeMonths kLeapYearDaysBefore = RegularDaysBeforeMonths(true);
static_assert(kCommonYearDaysBefore[12] == 325 && kLeapYearDaysBefore[13] == 355);

// The inverse of JulianDayToHebrew: the day index of 1 Tishri of the year
// (HebrewElapsedDays, in its 64-bit form), plus the lengths of the months
// before the month as LastDayOfHebrewMonth counts them, plus the day less
// one, from the epoch. The year's length, which Heshvan and Kislev depend
// on, comes from the start of the next year. For years 1..32767 no checked
// operation can fail; a failure would still give nullopt, never an error.
std::optional<JulianDayNumber> HebrewToJulianDay(std::int16_t year, std::int16_t month,
                                                 std::int16_t day) {
    constexpr std::int16_t kFirstYear = 1;
    if (year < kFirstYear || month < 1 || day < 1) return std::nullopt;
    try {
        const bool leap = HebrewLeapYear(year);
        if (month > (leap ? kLeapYearMonths : kMonthsPerCommonYear)) return std::nullopt;
        const std::int32_t start = detail::HebrewYearStart(year);
        // Computed once, and only for a month past Tishri.
        std::int32_t length = 0;
        const auto yearLength = [year, start, &length] {
            if (length == 0)
                length = CheckedSub32(detail::HebrewYearStart(CheckedAdd32(year, 1)), start);
            return length;
        };
        if (day > MonthLength(month, leap, yearLength)) return std::nullopt;
        const auto index = static_cast<std::size_t>(month);
        std::int32_t daysBefore = (leap ? kLeapYearDaysBefore : kCommonYearDaysBefore)[index];
        if (month > kHeshvan && IsLongHeshvanLength(yearLength())) ++daysBefore;
        if (month > kKislev && IsShortKislevLength(yearLength())) --daysBefore;
        return CheckedAdd32(CheckedAdd32(kHebrewEpoch, start),
                            CheckedAdd32(daysBefore, day - 1));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace velmora
