#include "M_hijri.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "M_civil.h"
#include "M_hijri_detail.h"

namespace velmora {

namespace {

// ---- The lunar-phase series ----------------------------------------------
// The published low-precision series for the instant of a new moon: a mean
// lunation from the epoch of 1900, 13 periodic corrections in the Sun's and
// the Moon's mean anomalies and the Moon's argument of latitude, and a
// quadratic delta-T from dynamical to universal time. Every quantity is a
// double stored before it is used again, each expression is evaluated left
// to right as written, and each step ends with a test of the floating-point
// status, so the result has the same bits on every conforming platform.

// Time argument T is in Julian centuries of 1236.85 lunations from 1900.
constexpr double kLunationsPerCentury = 1236.85;

// Degrees to radians by the stored constants of the series. They are not
// pi/180 in double precision (0.017453292519943295): the results depend on
// these exact literals.
constexpr double kRadiansPerDegree = 0.0174532925199433;
constexpr double kRadiansPerTwoDegrees = 0.0349065850398866;

// Mean new moon: lunation 0 falls at Julian Date 2415020.75933 (dynamical
// time, 31 December 1899 about 18:13) and a mean lunation lasts 29.53058868
// days.
constexpr double kMeanNewMoonAtEpoch = 2415020.75933;
constexpr double kMeanSynodicMonth = 29.53058868;
// The long-period term: sA days times this coefficient.
constexpr double kLongPeriodCoefficient = 0.00033;

// Delta-T comes out in minutes.
constexpr double kMinutesPerDay = 1440.0;

// The periodic corrections of the table, in days, in the order they are
// summed. Term 1 has the time-dependent coefficient 0.1734 - T * 0.000393 and
// starts the sum; every later term is added or subtracted as its sign says.
constexpr double kSunAnomalyCoefficient = 0.1734;
constexpr double kSunAnomalyCoefficientRate = 0.000393;  // per century

struct PeriodicTerm {
    double coefficient;  // days
    bool subtracted;
};

// Terms 2 to 13, in the order of detail::PeriodicSines.
constexpr std::array<PeriodicTerm, detail::kPeriodicTermCount - 1> kLaterPeriodicTerms = {{
    {0.0021, false},  //  2: 2M
    {0.4068, true},   //  3: M'
    {0.0161, false},  //  4: 2M'
    {0.0004, true},   //  5: 3M'
    {0.0104, false},  //  6: 2F
    {0.0051, true},   //  7: M' + M
    {0.0074, true},   //  8: M - M'
    {0.0004, false},  //  9: 2F + M
    {0.0004, true},   // 10: 2F - M
    {0.0006, true},   // 11: 2F + M'
    {0.0010, false},  // 12: 2F - M'
    {0.0005, false},  // 13: 2M' + M
}};

}  // namespace

double detail::SumPeriodicTerms(double T, const PeriodicSines& sines) {
    const double firstCoefficient = kSunAnomalyCoefficient - T * kSunAnomalyCoefficientRate;
    double corr = firstCoefficient * sines[0];
    for (std::size_t i = 1; i < sines.size(); ++i) {
        const PeriodicTerm& term = kLaterPeriodicTerms[i - 1];
        const double value = sines[i] * term.coefficient;
        corr = term.subtracted ? corr - value : corr + value;
    }
    CheckFloatingPointStatus();
    return corr;
}

namespace {

// The periodic correction from the sines and cosines of M, M' and 2F alone,
// by the angle-sum and multiple-angle identities: six library calls instead
// of the 13 sines of the table's arguments. The sines differ from those of
// the table's arguments by a few units in their last place; weighted by
// coefficients below 0.41 that is far below the last place of the Julian
// Date they are added to. The tests compare the new moons with the 13-sine
// form on every lunation the conversion reaches, and the conversion's dates
// with a search on 13-sine month starts day by day over the whole range.
double PeriodicCorrectionByIdentities(double T, double M, double Mp, double F2) {
    const double sM = std::sin(M), cM = std::cos(M);
    const double sP = std::sin(Mp), cP = std::cos(Mp);
    const double sF = std::sin(F2), cF = std::cos(F2);
    CheckFloatingPointStatus();
    const double s2P = 2.0 * sP * cP;        // sin 2M'
    const double c2P = 1.0 - 2.0 * sP * sP;  // cos 2M'
    return detail::SumPeriodicTerms(T, {
                                           sM,                          // M
                                           2.0 * sM * cM,               // 2M
                                           sP,                          // M'
                                           s2P,                         // 2M'
                                           sP * (3.0 - 4.0 * sP * sP),  // 3M'
                                           sF,                          // 2F
                                           sP * cM + cP * sM,           // M' + M
                                           sM * cP - cM * sP,           // M - M'
                                           sF * cM + cF * sM,           // 2F + M
                                           sF * cM - cF * sM,           // 2F - M
                                           sF * cP + cF * sP,           // 2F + M'
                                           sF * cP - cF * sP,           // 2F - M'
                                           s2P * cM + c2P * sM,         // 2M' + M
                                       });
}

// The time arguments of lunation n: k = n, and T in centuries with its
// square and cube.
struct TimeArguments {
    double k, T, T2, T3;
};

TimeArguments TimeArgumentsOf(std::int32_t n) {
    const double k = n;  // exact
    const double T = k / kLunationsPerCentury;
    CheckFloatingPointStatus();
    const double T2 = T * T;
    CheckFloatingPointStatus();
    const double T3 = T * T2;
    CheckFloatingPointStatus();
    return {k, T, T2, T3};
}

// The mean new moon without its long-period term: the lunation count, the
// epoch and the secular T2 and T3 terms, summed left to right.
double SecularMeanNewMoon(const TimeArguments& time) {
    const double secular = time.k * kMeanSynodicMonth + kMeanNewMoonAtEpoch +
                           time.T2 * 0.0001178 - time.T3 * 0.000000155;
    CheckFloatingPointStatus();
    return secular;
}

// Delta-T: dynamical time runs ahead of universal time by this many days.
double DeltaTDays(const TimeArguments& time) {
    const double dT = (time.T * 1.2053 + 0.41 + time.T2 * 0.4992) / kMinutesPerDay;
    CheckFloatingPointStatus();
    return dT;
}

// ---- A cheap lower bound of the new moon ----------------------------------
// The new moon is the secular mean plus the long-period term plus the
// periodic correction, less delta-T. Every sine lies in -1..1, so the two
// sine terms together move it by at most the sum of their coefficients'
// magnitudes; a thousandth of a day more covers the rounding of the sums
// (a few units in the last place of numbers below 2^24). Subtracting that
// from the sine-free part bounds the new moon, and so its month start
// (the new moon or a day later), from below without a single sine.
constexpr double kRoundingAllowance = 0.001;

constexpr double LaterTermsMagnitude() {
    double sum = 0.0;
    for (const PeriodicTerm& term : kLaterPeriodicTerms) sum += term.coefficient;
    return sum;
}

}  // namespace

// The series for lunation n, with the periodic correction formed by
// correction.
double detail::NewMoonWith(std::int32_t n, PeriodicCorrectionForm correction) {
    ClearFloatingPointStatus();
    const TimeArguments time = TimeArgumentsOf(n);
    const double k = time.k, T = time.T, T2 = time.T2, T3 = time.T3;

    // Long-period argument, degrees to radians.
    const double A = ((T * 132.87 + 166.56) - T2 * 0.009173) * kRadiansPerDegree;
    const double sA = std::sin(A);
    CheckFloatingPointStatus();

    // The secular sum is the left part of the mean's left-to-right sum, so
    // adding the long-period term to it gives the same bits.
    const double mean = SecularMeanNewMoon(time) + sA * kLongPeriodCoefficient;
    CheckFloatingPointStatus();

    // Sun's mean anomaly.
    const double M = (k * 29.10535608 + 359.2242 - T2 * 0.0000333 - T3 * 0.00000347) *
                     kRadiansPerDegree;
    CheckFloatingPointStatus();
    // Moon's mean anomaly.
    const double Mp = (k * 385.81691806 + 306.0253 + T2 * 0.0107306 + T3 * 0.00001236) *
                      kRadiansPerDegree;
    CheckFloatingPointStatus();
    // Twice the Moon's argument of latitude: the whole degree expression is
    // multiplied by the doubled constant, and no separate F is formed.
    const double F2 = (k * 390.67050646 + 21.2964 - T2 * 0.0016528 - T3 * 0.00000239) *
                      kRadiansPerTwoDegrees;
    CheckFloatingPointStatus();

    const double corr = correction(T, M, Mp, F2);
    const double dT = DeltaTDays(time);

    const double instant = (mean + corr) - dT;
    CheckFloatingPointStatus();
    return instant;
}

namespace {

// ---- Month starts --------------------------------------------------------
// A Julian Date's fraction counts from noon UT, so midnight UT is 0.5. The
// new moon's hour is read in a zone three hours ahead of UT; a new moon up to
// the month-start limit, 06:00 there (03:00 UT), starts its month on the next
// day, a later one on the day after.
constexpr double kMidnightFraction = 0.5;
constexpr double kHoursPerDay = 24.0;
constexpr double kMinutesPerHour = 60.0;
constexpr double kZoneHoursAheadOfUT = 3.0;
constexpr double kLatestZoneHourForNextDay =
    kMonthStartLimitMinutesUT / kMinutesPerHour + kZoneHoursAheadOfUT;
static_assert(kLatestZoneHourForNextDay == 6.0);  // exact, as the float hour is compared with it
constexpr double kOneDay = 1.0;

double DayLater(double instant) {
    const double later = instant + kOneDay;
    CheckFloatingPointStatus();
    return later;
}

// ---- Islamic dates -------------------------------------------------------
// Months are counted straight through the lunations, 12 to a year, and
// lunation 1048 begins month 1 of 1405.
constexpr std::int32_t kEpochLunation = 1048;
constexpr std::int32_t kEpochYear = 1405;
constexpr std::int32_t kMonthsPerYear = 12;
constexpr double kMonthsPerYearAsDouble = 12.0;

// The lunation estimate reads the civil date as a decimal year from 1900 and
// multiplies it by 12.3685 lunations a year, a little above the Gregorian
// rate, plus 0.6. The estimate is never below the lunation sought, so the
// search only moves downward.
constexpr double kEstimateDaysPerYear = 365.0;
constexpr double kEstimateEpochYear = 1900.0;
constexpr double kEstimateLunationsPerYear = 12.3685;
constexpr double kEstimateOffset = 0.6;

// The lunation of month (1..12) of a year other than 0.
constexpr std::int32_t LunationOfMonth(std::int16_t year, std::int16_t month) {
    const std::int32_t astronomicalYear = year > 0 ? year : year + 1;
    return (astronomicalYear - kEpochYear) * kMonthsPerYear + (month - 1) + kEpochLunation;
}

// Writes year first, then month, then both again when a negative month index
// is folded into the previous year, then the year once more when it has to
// skip year 0.
void StoreIslamicYearAndMonth(std::int32_t n, std::int16_t& year, std::int16_t& month) {
    // L lies in about -416300..380800 over the day numbers that convert.
    const std::int32_t L = CheckedSub32(n, kEpochLunation);

    // The year is RoundToInt16(Fix(L / 12) + 1405) with L / 12 divided in
    // doubles. A quotient that is not whole lies at least 1/12 from every
    // whole number, far more than its rounding error for any 32-bit L, so
    // Fix gives the truncating integer quotient, the sum is whole and the
    // rounding only checks the 16-bit range, as Narrow16 does; no
    // floating-point fault can arise.
    year = Narrow16(CheckedAdd32(L / kMonthsPerYear, kEpochYear));

    // The truncating remainder takes L's sign, so month is -10..12 here.
    month = Narrow16(CheckedAdd32(L % kMonthsPerYear, 1));
    if (month < 1) {
        month = CheckedAdd16(month, kMonthsPerYear);
        year = CheckedSub16(year, 1);
    }
    // Astronomical year 0 is shown as -1: there is no year 0.
    if (year < 1) year = CheckedSub16(year, 1);
}

// Whole days since the first midnight of the month that counts from
// monthStart, plus one.
std::int16_t DayFromMonthStart(JulianDayNumber jd, double monthStart) {
    ClearFloatingPointStatus();
    const std::int16_t day = FloorToInt16((jd - monthStart) + kMidnightFraction);
    CheckFloatingPointStatus();
    return day;
}

// ---- First days of months ------------------------------------------------
// Day jd lies in the month of lunation n when jd - 0.5, its midnight, is not
// before the month's start instant f = MonthStartInstant(n) (and the next
// month has not begun). jd - 0.5 is exact and grows with jd, so that holds
// exactly from the month's first day on: the first day whose midnight is
// not before f. Every question about months, in both directions, is asked of
// first days, and they come from one function.

// The first day of the month that counts from f: the day after floor(f)
// when that day's midnight is not before f, else the day after that.
JulianDayNumber FirstDayFromMonthStart(double f) {
    const JulianDayNumber next = CheckedAdd32(FloorToInt32(f), 1);
    const double nextDayStart = next - kMidnightFraction;
    return nextDayStart < f ? CheckedAdd32(next, 1) : next;
}

// The first day of lunation n's month, computed from its new moon.
JulianDayNumber ComputeFirstDayOfLunation(std::int32_t n) {
    return FirstDayFromMonthStart(MonthStartInstant(n));
}

// The months of the Islamic years 1300 to 1600 (1882 to 2174), the dates
// people mostly convert, computed once at first use by the function above
// and looked up from then on. A cache of a pure function, filled from the
// same sine as every other month, so it cannot disagree with the months
// computed outside it on any platform.
constexpr std::int16_t kTableFirstYear = 1300;
constexpr std::int16_t kTableLastYear = 1600;
constexpr std::int32_t kTableFirstLunation = LunationOfMonth(kTableFirstYear, 1);
constexpr std::int32_t kTableMonths = (kTableLastYear - kTableFirstYear + 1) * kMonthsPerYear;
using FirstDayTable = std::array<JulianDayNumber, kTableMonths>;
static_assert(sizeof(FirstDayTable) <= 64 * 1024, "the table stays within 64 KiB");

bool IsTabulated(std::int32_t n) {
    const std::int64_t index = std::int64_t{n} - kTableFirstLunation;
    return index >= 0 && index < kTableMonths;
}

const FirstDayTable& TabulatedFirstDays() {
    static const FirstDayTable table = [] {
        FirstDayTable firstDays{};
        for (std::int32_t i = 0; i < kTableMonths; ++i)
            firstDays[static_cast<std::size_t>(i)] =
                ComputeFirstDayOfLunation(kTableFirstLunation + i);
        return firstDays;
    }();
    return table;
}

// The first day of lunation n's month: looked up within the table, computed
// outside it.
JulianDayNumber FirstDayOfLunation(std::int32_t n) {
    if (IsTabulated(n))
        return TabulatedFirstDays()[static_cast<std::size_t>(n - kTableFirstLunation)];
    return ComputeFirstDayOfLunation(n);
}

// ---- Day numbers to Islamic dates ----------------------------------------

// The month containing a day: the latest lunation whose month has begun.
struct FoundMonth {
    std::int32_t lunation;
    JulianDayNumber firstDay;
};

// Searches down from the estimate until a month that has begun by day jd
// turns up. First days increase with the lunation, so the first such month
// is the latest one. Outside the table, the lunations whose month provably
// starts after jd's midnight are passed over without computing their new
// moon.
FoundMonth SearchMonthDownward(JulianDayNumber jd, std::int32_t n) {
    const double dayStart = jd - kMidnightFraction;
    for (;; n = CheckedSub32(n, 1)) {
        if (!IsTabulated(n) && dayStart < detail::EarliestMonthStart(n)) continue;
        const JulianDayNumber first = FirstDayOfLunation(n);
        if (first <= jd) return {n, first};
    }
}

// The month of day jd when both it and the next month lie in the table. The
// search finds the latest lunation at or below the estimate whose month has
// begun by jd, and the estimate is never below the month sought, so it
// finds the one lunation n with first day(n) <= jd < first day(n + 1); the
// table holds that pair for these days. The estimate raises only where it
// leaves 32 bits, which no 16-bit fields reach, so skipping it changes
// nothing observable.
// A mean month of 29.5306 days from the table's first month guesses the
// lunation to within one; the neighbours' first days settle it.
constexpr std::int64_t kMeanMonthTenThousandthDays = 295306;
constexpr std::int64_t kTenThousand = 10000;

std::optional<FoundMonth> LookUpMonth(JulianDayNumber jd) {
    const FirstDayTable& firstDays = TabulatedFirstDays();
    if (jd < firstDays.front() || jd >= firstDays.back()) return std::nullopt;
    auto i = static_cast<std::size_t>((std::int64_t{jd} - firstDays.front()) * kTenThousand /
                                      kMeanMonthTenThousandthDays);
    // The guess may fall a month either side, also past the last month that
    // has a successor in the table.
    i = std::min(i, firstDays.size() - 2);
    while (firstDays[i] > jd) --i;
    while (firstDays[i + 1] <= jd) ++i;
    return FoundMonth{kTableFirstLunation + static_cast<std::int32_t>(i), firstDays[i]};
}

// The month that holds day jd. The fields receive jd's civil date, which
// gives the lunation estimate the search starts from.
FoundMonth FindMonthOf(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day) {
    JulianDayToGregorian(jd, year, month, day);
    if (const std::optional<FoundMonth> found = LookUpMonth(jd)) return *found;
    return SearchMonthDownward(jd, detail::EstimateLunation(year, month, day));
}

// Month starts within this many days of Julian Date 0 carry bits below
// 2^-46 of a day; every other one is a multiple of 2^-46.
constexpr JulianDayNumber kFinestMonthStartsAfter = -64;
constexpr JulianDayNumber kFinestMonthStartsBefore = 66;

// The day of the month as FloorToInt16((jd - f) + 0.5) gives it, f the
// month's start instant, from the first day alone. The first day d has
// d - 1.5 < f <= d - 0.5, so jd - f + 0.5 lies in [jd - d + 1, jd - d + 2)
// and its floor is jd - d + 1. The doubles agree with these exact values
// when f is a multiple of 2^-46, which every f with |f| >= 64 is (d >= 66
// or d <= -64): jd - f and the sum with 0.5 are multiples of 2^-46 below
// 2^7, exact in 53 bits. The few months nearer Julian Date 0 take f itself.
std::int16_t DayOfMonth(JulianDayNumber jd, const FoundMonth& found) {
    if (found.firstDay > kFinestMonthStartsAfter && found.firstDay < kFinestMonthStartsBefore)
        return DayFromMonthStart(jd, MonthStartInstant(found.lunation));
    return Narrow16(CheckedAdd32(CheckedSub32(jd, found.firstDay), 1));
}

}  // namespace

// Far in the past the civil fields leave their usual ranges; they are used as
// they stand.
std::int32_t detail::EstimateLunation(std::int16_t year, std::int16_t month, std::int16_t day) {
    // m = RoundToInt16(month - 0.5): a tie for every whole month, rounded to
    // the even neighbour, so odd months lose 1 (months 1..12 give
    // 0,2,2,4,4,..,12) and no 16-bit month leaves the range.
    const std::int32_t m = month - (month & 1);
    ClearFloatingPointStatus();
    const std::int32_t n =
        FloorToInt32((m / kMonthsPerYearAsDouble + year + day / kEstimateDaysPerYear -
                      kEstimateEpochYear) *
                         kEstimateLunationsPerYear +
                     kEstimateOffset);
    CheckFloatingPointStatus();
    return n;
}

void detail::StoreIslamicDate(JulianDayNumber jd, std::int32_t n, double monthStart,
                              std::int16_t& year, std::int16_t& month, std::int16_t& day) {
    StoreIslamicYearAndMonth(n, year, month);
    day = DayFromMonthStart(jd, monthStart);
}

double detail::EarliestMonthStart(std::int32_t n) {
    ClearFloatingPointStatus();
    const TimeArguments time = TimeArgumentsOf(n);
    const double firstCoefficient = kSunAnomalyCoefficient - time.T * kSunAnomalyCoefficientRate;
    const double swing = std::fabs(firstCoefficient) + LaterTermsMagnitude() +
                         kLongPeriodCoefficient + kRoundingAllowance;
    const double earliest = SecularMeanNewMoon(time) - DeltaTDays(time) - swing;
    CheckFloatingPointStatus();
    return earliest;
}

double NewMoonInstant(std::int32_t n) {
    return detail::NewMoonWith(n, PeriodicCorrectionByIdentities);
}

double MonthStartInstant(std::int32_t n) {
    return detail::MonthStartFromNewMoon(NewMoonInstant(n));
}

double NewMoonMinutesFromMonthStartLimit(std::int32_t n) {
    const double fromMidnight = NewMoonInstant(n) + kMidnightFraction;
    const double minutes = (fromMidnight - std::floor(fromMidnight)) * kMinutesPerDay;
    return minutes - kMonthStartLimitMinutesUT;
}

double detail::MonthStartFromNewMoon(double t) {
    ClearFloatingPointStatus();
    // Fraction of the Julian Date past noon UT, held in single precision.
    const float frac = ToSingle(t - FloorToInt32(t));
    CheckFloatingPointStatus();
    // A new moon between noon and midnight UT (midnight itself included).
    if (frac <= kMidnightFraction) return DayLater(t);

    // Hour of the new moon in the zone ahead of UT, from the single frac.
    const float h = ToSingle((frac - kMidnightFraction) * kHoursPerDay + kZoneHoursAheadOfUT);
    CheckFloatingPointStatus();
    if (h <= kLatestZoneHourForNextDay) return t;
    return DayLater(t);
}

void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day) {
    const FoundMonth found = FindMonthOf(jd, year, month, day);
    StoreIslamicYearAndMonth(found.lunation, year, month);
    day = DayOfMonth(jd, found);
}

std::int32_t IslamicMonthLunation(JulianDayNumber jd) {
    std::int16_t year = 0, month = 0, day = 0;
    return FindMonthOf(jd, year, month, day).lunation;
}

namespace {

// A new moon within kCloseCallMinutes of the month-start limit, either side.
bool NewMoonOnCloseCall(std::int32_t n) {
    return std::fabs(NewMoonMinutesFromMonthStartLimit(n)) <= kCloseCallMinutes;
}

}  // namespace

bool IslamicDateOnCloseCall(JulianDayNumber day) {
    try {
        // Converting the day raises OverflowError for every day without an
        // Islamic date.
        std::int16_t year = 0, month = 0, dayOfMonth = 0;
        const FoundMonth found = FindMonthOf(day, year, month, dayOfMonth);
        StoreIslamicYearAndMonth(found.lunation, year, month);
        if (NewMoonOnCloseCall(found.lunation)) return true;
        const std::int32_t next = CheckedAdd32(found.lunation, 1);
        return FirstDayOfLunation(next) == CheckedAdd32(day, 1) && NewMoonOnCloseCall(next);
    } catch (const RuntimeError&) {
        return false;
    }
}

// ---- Islamic dates to day numbers ------------------------------------------
// The inverse of JulianDayToIslamic. Its month of lunation n holds the days
// from the month's first day up to the day before the next month's first
// day; year and month number the lunation n = 1048 + 12 * (Y - 1405) +
// month - 1, Y the astronomical year (Y = year for year >= 1, year + 1
// before the era).

namespace {

constexpr std::int16_t kShortestMonthDays = 29;
constexpr std::int16_t kLongestMonthDays = 30;

bool IsIslamicMonth(std::int16_t year, std::int16_t month) {
    return year != 0 && month >= 1 && month <= kMonthsPerYear;
}

}  // namespace

std::optional<JulianDayNumber> IslamicToJulianDay(std::int16_t year, std::int16_t month,
                                                  std::int16_t day) {
    if (!IsIslamicMonth(year, month) || day < 1 || day > kLongestMonthDays) return std::nullopt;
    try {
        const std::int32_t n = LunationOfMonth(year, month);
        const JulianDayNumber first = FirstDayOfLunation(n);
        // Every month has at least 29 days; only a 30th needs the next month.
        if (day > kShortestMonthDays &&
            CheckedSub32(FirstDayOfLunation(CheckedAdd32(n, 1)), first) < day)
            return std::nullopt;
        return CheckedAdd32(first, day - 1);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::optional<std::int16_t> IslamicMonthLength(std::int16_t year, std::int16_t month) {
    if (!IsIslamicMonth(year, month)) return std::nullopt;
    try {
        const std::int32_t n = LunationOfMonth(year, month);
        return static_cast<std::int16_t>(
            CheckedSub32(FirstDayOfLunation(CheckedAdd32(n, 1)), FirstDayOfLunation(n)));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace velmora
