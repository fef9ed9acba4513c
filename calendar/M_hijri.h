// The astronomical Islamic calendar: new moons from a lunar-phase series and
// the month starts and dates derived from them.
#pragma once

#include <optional>

#include "numeric.h"

namespace velmora {

// Julian Date (UT) of the new moon of lunation n; lunation 0 is the new moon
// of 1 January 1900. The 13 periodic sines are formed from the sines and
// cosines of M, M' and 2F; they differ from the sines of the table's own
// arguments only in their last bits.
double NewMoonInstant(std::int32_t n);

// The instant from which the month of lunation n counts: the new moon itself
// when it falls after midnight and no later than 03:00 UT, otherwise one day
// later. A month's first day is the first day whose midnight is at or after
// this instant.
double MonthStartInstant(std::int32_t n);

// The month-start limit: a new moon after midnight UT and no later than this
// many minutes past it (03:00 UT) starts its month on the next day, a later
// one on the day after.
inline constexpr double kMonthStartLimitMinutesUT = 180.0;

// Minutes from the month-start limit of its UT day to the new moon of
// lunation n: negative before 03:00 UT, positive after. A new moon a few
// minutes either side of 0 starts its month on a close call.
double NewMoonMinutesFromMonthStartLimit(std::int32_t n);

// Minutes either side of the month-start limit within which the series cannot settle the day: the
// lunar-phase series is off by up to about 3.5 minutes near the present against a modern ephemeris,
// and the margin leaves room for delta-T.
inline constexpr double kCloseCallMinutes = 10.0;

// True when the computed Islamic date of day number day hangs on a close call: the new moon that starts
// its month lies within kCloseCallMinutes of the limit, or day is its month's last day and the new moon
// that starts the next month does. False for days that have no Islamic date. Never raises.
bool IslamicDateOnCloseCall(JulianDayNumber day);

// The Islamic date of day number jd; lunation 1048 begins month 1 of 1405,
// years have 12 months and there is no year 0. The fields first receive the
// civil date of jd (JulianDayToGregorian), which estimates the lunation; then
// year, month, the corrected month and year, the year past 0 and last the day
// are written. Outside day numbers -9663479..13559958 the year leaves 16 bits
// and OverflowError is raised with the fields written so far kept.
void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day);

// The lunation n whose month holds day number jd, found by the same search
// as JulianDayToIslamic: for every day it converts, its month is
// (n - 1048) mod 12 + 1 (floored), and its first day the first day whose
// midnight is at or after MonthStartInstant(n). Days outside that range
// still give their lunation while they have a civil date; days without one
// raise OverflowError.
std::int32_t IslamicMonthLunation(JulianDayNumber jd);

// The day number that JulianDayToIslamic turns into exactly this date: year
// not 0 (-1 precedes 1), month 1..12, day 1..29, or 30 in a month that has
// a 30th day. nullopt for every other date; every date of a 16-bit year
// other than those lies within the convertible days -9663479..13559958, and
// 32767/12 has 29 days. The month's lunation follows from year and month
// directly; its first day is the first day whose midnight is at or after
// MonthStartInstant. Never raises.
std::optional<JulianDayNumber> IslamicToJulianDay(std::int16_t year, std::int16_t month,
                                                  std::int16_t day);

// Days in month (1..12) of the Islamic year (not 0), 29 or 30, as
// JulianDayToIslamic counts them; nullopt for other fields. Never raises.
std::optional<std::int16_t> IslamicMonthLength(std::int16_t year, std::int16_t month);

}  // namespace velmora
