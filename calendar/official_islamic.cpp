#include "calendar/official_islamic.h"

#include "calendar/M_hijri.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace velmora {

namespace {

using official_islamic_table::kMonthCount;
using official_islamic_table::kMonths;

constexpr std::int32_t kShortMonthDays = 29;
constexpr std::int32_t kMonthsPerYear = 12;

constexpr std::int32_t MonthLength(std::size_t index) {
    return kShortMonthDays + ((kMonths[index] & official_islamic_table::kLongMonthBit) != 0 ? 1 : 0);
}

constexpr OfficialMonthStatus MonthStatus(std::size_t index) {
    return static_cast<OfficialMonthStatus>(kMonths[index] >> official_islamic_table::kStatusShift);
}

// The first day of every month, and one past the last month the day after
// the last covered day: the month of a day is found by binary search.
constexpr std::array<JulianDayNumber, kMonthCount + 1> BuildMonthStarts() {
    std::array<JulianDayNumber, kMonthCount + 1> starts{};
    starts[0] = official_islamic_table::kFirstDay;
    for (std::size_t i = 0; i < kMonthCount; ++i) starts[i + 1] = starts[i] + MonthLength(i);
    return starts;
}

constexpr std::array<JulianDayNumber, kMonthCount + 1> kMonthStarts = BuildMonthStarts();

constexpr bool EveryStatusKnown() {
    for (std::size_t i = 0; i < kMonthCount; ++i) {
        if (MonthStatus(i) > OfficialMonthStatus::kPublished) return false;
    }
    return true;
}

// The lengths add up to the generated last day, and every byte is a length
// and a known status.
static_assert(kMonthStarts[kMonthCount] == official_islamic_table::kLastDay + 1);
static_assert(EveryStatusKnown());
static_assert(official_islamic_table::kFirstMonth >= 1 &&
              official_islamic_table::kFirstMonth <= kMonthsPerYear);

// Months counted straight from month 1 of year 0: one number orders every
// year and month.
constexpr std::int32_t MonthOrdinal(std::int32_t year, std::int32_t month) {
    return year * kMonthsPerYear + (month - 1);
}

constexpr std::int32_t kFirstOrdinal =
    MonthOrdinal(official_islamic_table::kFirstYear, official_islamic_table::kFirstMonth);

}  // namespace

std::optional<OfficialIslamicDate> JulianDayToOfficialIslamic(JulianDayNumber day) {
    if (day < kOfficialIslamicFirstDay || day > kOfficialIslamicLastDay) return std::nullopt;
    // The first month start after day, less one, is day's month.
    const auto after = std::upper_bound(kMonthStarts.begin(), kMonthStarts.end(), day);
    const auto index = static_cast<std::size_t>(after - kMonthStarts.begin() - 1);
    const std::int32_t ordinal = kFirstOrdinal + static_cast<std::int32_t>(index);
    return OfficialIslamicDate{static_cast<std::int16_t>(ordinal / kMonthsPerYear),
                               static_cast<std::int16_t>(ordinal % kMonthsPerYear + 1),
                               static_cast<std::int16_t>(day - kMonthStarts[index] + 1),
                               MonthStatus(index)};
}

std::optional<JulianDayNumber> OfficialIslamicToJulianDay(std::int16_t year, std::int16_t month,
                                                          std::int16_t day) {
    if (month < 1 || month > kMonthsPerYear) return std::nullopt;
    const std::int32_t offset = MonthOrdinal(year, month) - kFirstOrdinal;
    if (offset < 0 || offset >= static_cast<std::int32_t>(kMonthCount)) return std::nullopt;
    const auto index = static_cast<std::size_t>(offset);
    if (day < 1 || day > MonthLength(index)) return std::nullopt;
    return kMonthStarts[index] + (day - 1);
}

MonthStartComparison CompareWithComputedMonths(std::int16_t firstYear, std::int16_t lastYear) {
    MonthStartComparison comparison{0, 0, 0};
    for (std::int32_t year = firstYear; year <= lastYear; ++year) {
        const auto y = static_cast<std::int16_t>(year);
        if (!OfficialIslamicToJulianDay(y, 1, 1) || !OfficialIslamicToJulianDay(y, kMonthsPerYear, 1)) continue;
        for (std::int16_t month = 1; month <= kMonthsPerYear; ++month) {
            const std::optional<JulianDayNumber> official = OfficialIslamicToJulianDay(y, month, 1);
            const std::optional<JulianDayNumber> computed = IslamicToJulianDay(y, month, 1);
            if (!official || !computed) continue;
            ++comparison.months;
            if (*official > *computed) ++comparison.later;
            if (*official < *computed) ++comparison.earlier;
        }
    }
    return comparison;
}

}  // namespace velmora
