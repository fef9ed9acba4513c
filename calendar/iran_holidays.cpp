#include "calendar/iran_holidays.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "calendar/M_hijri.h"
#include "calendar/official_islamic.h"
#include "calendar/official_persian.h"

namespace velmora {

namespace {

using iran_holidays_table::HolidayRule;
using iran_holidays_table::kLastDayOfMonth;
using iran_holidays_table::kRules;

constexpr std::int32_t kMonthsPerYear = 12;
constexpr std::int16_t kShortLunarMonth = 29;
constexpr std::int16_t kLongLunarMonth = 30;

// Months counted straight from month 1 of year 0: one number orders every
// lunar year and month.
constexpr std::int32_t MonthOrdinal(std::int32_t year, std::int32_t month) {
    return year * kMonthsPerYear + (month - 1);
}

// The official lunar table's last month.
constexpr std::int32_t kLastTableMonth =
    MonthOrdinal(official_islamic_table::kFirstYear, official_islamic_table::kFirstMonth) +
    static_cast<std::int32_t>(official_islamic_table::kMonthCount) - 1;

HolidayDayKnown KnownFrom(OfficialMonthStatus status) {
    switch (status) {
        case OfficialMonthStatus::kRecord: return HolidayDayKnown::kRecord;
        case OfficialMonthStatus::kAnnounced: return HolidayDayKnown::kAnnounced;
        case OfficialMonthStatus::kPublished: break;
    }
    return HolidayDayKnown::kPublished;
}

struct PlacedDay {
    JulianDayNumber day;
    std::int16_t dayOfMonth;
    HolidayDayKnown known;
};

// Day `day` of a month that starts on `first` and has `length` days, or its
// last day for kLastDayOfMonth.
std::optional<PlacedDay> DayOfMonth(JulianDayNumber first, std::int16_t length, std::int16_t day,
                                    HolidayDayKnown known) {
    const std::int16_t dayOfMonth = day == kLastDayOfMonth ? length : day;
    if (dayOfMonth < 1 || dayOfMonth > length) return std::nullopt;
    return PlacedDay{first + (dayOfMonth - 1), dayOfMonth, known};
}

// The day of a lunar date in Iran's official lunar calendar where its table
// determines it, else in the computed calendar.
std::optional<PlacedDay> LunarDay(std::int16_t year, std::int16_t month, std::int16_t day) {
    const std::int32_t ordinal = MonthOrdinal(year, month);
    if (ordinal <= kLastTableMonth) {
        const std::optional<JulianDayNumber> first = OfficialIslamicToJulianDay(year, month, 1);
        if (!first) return std::nullopt;
        const std::int16_t length =
            OfficialIslamicToJulianDay(year, month, kLongLunarMonth) ? kLongLunarMonth : kShortLunarMonth;
        return DayOfMonth(*first, length, day, KnownFrom(JulianDayToOfficialIslamic(*first)->status));
    }
    const std::optional<std::int16_t> computedLength = IslamicMonthLength(year, month);
    if (!computedLength) return std::nullopt;
    if (ordinal == kLastTableMonth + 1) {
        // The month after the table starts the day after the table ends, so
        // its first 29 days are as certain as the table's last month; its
        // 30th hangs on the next crescent.
        const JulianDayNumber first = kOfficialIslamicLastDay + 1;
        if (day != kLastDayOfMonth && day <= kShortLunarMonth) {
            return DayOfMonth(first, kShortLunarMonth, day,
                              KnownFrom(JulianDayToOfficialIslamic(kOfficialIslamicLastDay)->status));
        }
        return DayOfMonth(first, *computedLength, day, HolidayDayKnown::kEstimated);
    }
    const std::optional<JulianDayNumber> first = IslamicToJulianDay(year, month, 1);
    if (!first) return std::nullopt;
    return DayOfMonth(*first, *computedLength, day, HolidayDayKnown::kEstimated);
}

bool InListYears(std::int16_t persianYear) {
    return persianYear >= kFirstIranHolidayYear && persianYear <= kLastIranHolidayYear;
}

IranHoliday HolidayOn(const HolidayRule& rule, const PlacedDay& placed) {
    return IranHoliday{placed.day,   rule.calendar,    rule.month,      placed.dayOfMonth,
                       placed.known, rule.persianName, rule.englishName};
}

}  // namespace

std::vector<IranHoliday> IranHolidaysOfYear(std::int16_t persianYear) {
    std::vector<IranHoliday> holidays;
    if (!InListYears(persianYear)) return holidays;
    const JulianDayNumber first = *OfficialPersianToJulianDay(persianYear, 1, 1);
    const JulianDayNumber last = OfficialPersianToJulianDay(persianYear, 12, 30).value_or(
        *OfficialPersianToJulianDay(persianYear, 12, 29));
    // A Persian year of 365 or 366 days overlaps two or three lunar years: one
    // that starts in the last days of lunar year L holds a date of L + 1 and
    // the same date of L + 2. L - 1 covers a computed year ahead of the
    // official one.
    std::int16_t firstLunarYear = 0, month = 0, day = 0;
    JulianDayToIslamic(first, firstLunarYear, month, day);
    for (const HolidayRule& rule : kRules) {
        if (rule.calendar == HolidayCalendar::kPersian) {
            if (const std::optional<JulianDayNumber> on =
                    OfficialPersianToJulianDay(persianYear, rule.month, rule.day)) {
                holidays.push_back(HolidayOn(rule, PlacedDay{*on, rule.day, HolidayDayKnown::kFixed}));
            }
            continue;
        }
        for (std::int16_t year = firstLunarYear - 1; year <= firstLunarYear + 2; ++year) {
            const std::optional<PlacedDay> placed = LunarDay(year, rule.month, rule.day);
            if (placed && placed->day >= first && placed->day <= last) holidays.push_back(HolidayOn(rule, *placed));
        }
    }
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const IranHoliday& a, const IranHoliday& b) { return a.day < b.day; });
    return holidays;
}

std::vector<IranHoliday> IranHolidaysOn(JulianDayNumber day) {
    const std::optional<DateFields> persian = JulianDayToOfficialPersian(day);
    if (!persian) return {};
    std::vector<IranHoliday> holidays = IranHolidaysOfYear(persian->year);
    std::erase_if(holidays, [day](const IranHoliday& holiday) { return holiday.day != day; });
    return holidays;
}

std::optional<IranLunarDate> IranLunarDateOn(JulianDayNumber day) {
    if (day < kOfficialIslamicFirstDay) return std::nullopt;
    if (const std::optional<OfficialIslamicDate> official = JulianDayToOfficialIslamic(day)) {
        return IranLunarDate{{official->year, official->month, official->day}, KnownFrom(official->status)};
    }
    const JulianDayNumber sinceTable = day - kOfficialIslamicLastDay;
    if (sinceTable <= kShortLunarMonth) {
        const std::int32_t next = kLastTableMonth + 1;
        return IranLunarDate{{static_cast<std::int16_t>(next / kMonthsPerYear),
                              static_cast<std::int16_t>(next % kMonthsPerYear + 1),
                              static_cast<std::int16_t>(sinceTable)},
                             KnownFrom(JulianDayToOfficialIslamic(kOfficialIslamicLastDay)->status)};
    }
    try {
        IranLunarDate computed{{0, 0, 0}, HolidayDayKnown::kEstimated};
        JulianDayToIslamic(day, computed.date.year, computed.date.month, computed.date.day);
        return computed;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace velmora
