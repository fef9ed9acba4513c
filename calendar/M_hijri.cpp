#include "M_hijri.h"

#include <array>
#include <cfloat>
#include <cmath>

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

// Whether the steps of the series test the floating-point status. The
// series as the conversions evaluate it does; the polynomial reading of a
// month's first day below, whose every value is finite and moderate for the
// lunations it is used on, skips the tests, which wait for the arithmetic
// before them to finish.
struct Checked {
    static void Begin() { ClearFloatingPointStatus(); }
    static void Step() { CheckFloatingPointStatus(); }
};
struct Unchecked {
    static constexpr void Begin() {}
    static constexpr void Step() {}
};

template <typename Status>
constexpr double SumTerms(double T, const detail::PeriodicSines& sines) {
    const double firstCoefficient = kSunAnomalyCoefficient - T * kSunAnomalyCoefficientRate;
    double corr = firstCoefficient * sines[0];
    for (std::size_t i = 1; i < sines.size(); ++i) {
        const PeriodicTerm& term = kLaterPeriodicTerms[i - 1];
        const double value = sines[i] * term.coefficient;
        corr = term.subtracted ? corr - value : corr + value;
    }
    Status::Step();
    return corr;
}

}  // namespace

double detail::SumPeriodicTerms(double T, const PeriodicSines& sines) {
    return SumTerms<Checked>(T, sines);
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
constexpr detail::PeriodicSines SinesByIdentities(double sM, double cM, double sP, double cP, double sF,
                                        double cF) {
    const double s2P = 2.0 * sP * cP;       // sin 2M'
    const double c2P = 1.0 - 2.0 * sP * sP;  // cos 2M'
    return {
        sM,                           // M
        2.0 * sM * cM,                // 2M
        sP,                           // M'
        s2P,                          // 2M'
        sP * (3.0 - 4.0 * sP * sP),   // 3M'
        sF,                           // 2F
        sP * cM + cP * sM,            // M' + M
        sM * cP - cM * sP,            // M - M'
        sF * cM + cF * sM,            // 2F + M
        sF * cM - cF * sM,            // 2F - M
        sF * cP + cF * sP,            // 2F + M'
        sF * cP - cF * sP,            // 2F - M'
        s2P * cM + c2P * sM,          // 2M' + M
    };
}

double PeriodicCorrectionByIdentities(double T, double M, double Mp, double F2) {
    const double sM = std::sin(M), cM = std::cos(M);
    const double sP = std::sin(Mp), cP = std::cos(Mp);
    const double sF = std::sin(F2), cF = std::cos(F2);
    CheckFloatingPointStatus();
    return detail::SumPeriodicTerms(T, SinesByIdentities(sM, cM, sP, cP, sF, cF));
}

// The time arguments of lunation n: k = n, and T in centuries with its
// square and cube.
struct TimeArguments {
    double k, T, T2, T3;
};

template <typename Status = Checked>
constexpr TimeArguments TimeArgumentsOf(std::int32_t n) {
    const double k = n;  // exact
    const double T = k / kLunationsPerCentury;
    Status::Step();
    const double T2 = T * T;
    Status::Step();
    const double T3 = T * T2;
    Status::Step();
    return {k, T, T2, T3};
}

// The mean new moon without its long-period term: the lunation count, the
// epoch and the secular T2 and T3 terms, summed left to right.
template <typename Status = Checked>
constexpr double SecularMeanNewMoon(const TimeArguments& time) {
    const double secular = time.k * kMeanSynodicMonth + kMeanNewMoonAtEpoch +
                           time.T2 * 0.0001178 - time.T3 * 0.000000155;
    Status::Step();
    return secular;
}

// Delta-T: dynamical time runs ahead of universal time by this many days.
template <typename Status = Checked>
constexpr double DeltaTDays(const TimeArguments& time) {
    const double dT = (time.T * 1.2053 + 0.41 + time.T2 * 0.4992) / kMinutesPerDay;
    Status::Step();
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

// The series for lunation n, with the long-period sine taken by sine and the
// periodic correction formed by correction.
template <typename Status, typename Sine, typename Correction>
constexpr double NewMoonOf(std::int32_t n, Sine sine, Correction correction) {
    Status::Begin();
    const TimeArguments time = TimeArgumentsOf<Status>(n);
    const double k = time.k, T = time.T, T2 = time.T2, T3 = time.T3;

    // Long-period argument, degrees to radians.
    const double A = ((T * 132.87 + 166.56) - T2 * 0.009173) * kRadiansPerDegree;
    const double sA = sine(A);
    Status::Step();

    // The secular sum is the left part of the mean's left-to-right sum, so
    // adding the long-period term to it gives the same bits.
    const double mean = SecularMeanNewMoon<Status>(time) + sA * kLongPeriodCoefficient;
    Status::Step();

    // Sun's mean anomaly.
    const double M = (k * 29.10535608 + 359.2242 - T2 * 0.0000333 - T3 * 0.00000347) *
                     kRadiansPerDegree;
    Status::Step();
    // Moon's mean anomaly.
    const double Mp = (k * 385.81691806 + 306.0253 + T2 * 0.0107306 + T3 * 0.00001236) *
                      kRadiansPerDegree;
    Status::Step();
    // Twice the Moon's argument of latitude: the whole degree expression is
    // multiplied by the doubled constant, and no separate F is formed.
    const double F2 = (k * 390.67050646 + 21.2964 - T2 * 0.0016528 - T3 * 0.00000239) *
                      kRadiansPerTwoDegrees;
    Status::Step();

    const double corr = correction(T, M, Mp, F2);
    const double dT = DeltaTDays<Status>(time);

    const double instant = (mean + corr) - dT;
    Status::Step();
    return instant;
}

double LibrarySine(double x) { return std::sin(x); }

}  // namespace

double detail::NewMoonWith(std::int32_t n, PeriodicCorrectionForm correction) {
    return NewMoonOf<Checked>(n, LibrarySine, correction);
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
constexpr double kEpochYear = 1405.0;
constexpr std::int32_t kMonthsPerYear = 12;
constexpr double kMonthsPerYearAsDouble = 12.0;

// The lunation estimate reads the civil date as a decimal year from 1900 and
// multiplies it by 12.3685 lunations a year, a little above the Gregorian
// rate, plus 0.6. The estimate is never below the lunation sought, so the
// search only moves downward.
constexpr double kMonthRoundingShift = 0.5;  // months 1..12 round to 0,2,2,4,4,..,12
constexpr double kEstimateDaysPerYear = 365.0;
constexpr double kEstimateEpochYear = 1900.0;
constexpr double kEstimateLunationsPerYear = 12.3685;
constexpr double kEstimateOffset = 0.6;

// The month containing a day: the latest month start f with f <= dayStart.
struct FoundMonth {
    std::int32_t lunation;
    double start;  // f, Julian Date
};

// Searches down from the estimate until a month start at or before dayStart
// turns up, passing over every lunation whose month provably starts after
// dayStart without computing its new moon. Month starts increase with the
// lunation, so the first start at or before dayStart is the latest one.
FoundMonth SearchMonthDownward(double dayStart, std::int32_t n) {
    for (;; n = CheckedSub32(n, 1)) {
        if (dayStart < detail::EarliestMonthStart(n)) continue;
        const double f = MonthStartInstant(n);
        if (!(dayStart < f)) return {n, f};
    }
}

// The month that holds day jd. The fields receive jd's civil date, which
// gives the lunation estimate the search starts from.
FoundMonth FindMonthOf(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                       std::int16_t& day) {
    JulianDayToGregorian(jd, year, month, day);
    const std::int32_t estimate = detail::EstimateLunation(year, month, day);

    // Day jd begins at midnight UT, Julian Date jd - 0.5 (exact).
    const double dayStart = jd - kMidnightFraction;
    return SearchMonthDownward(dayStart, estimate);
}

}  // namespace

// Far in the past the civil fields leave their usual ranges; they are used as
// they stand.
std::int32_t detail::EstimateLunation(std::int16_t year, std::int16_t month, std::int16_t day) {
    ClearFloatingPointStatus();
    const std::int16_t m = RoundToInt16(month - kMonthRoundingShift);
    CheckFloatingPointStatus();
    const std::int32_t n =
        FloorToInt32((m / kMonthsPerYearAsDouble + year + day / kEstimateDaysPerYear -
                      kEstimateEpochYear) *
                         kEstimateLunationsPerYear +
                     kEstimateOffset);
    CheckFloatingPointStatus();
    return n;
}

// Writes year first, then month, then both again when a negative month index
// is folded into the previous year, then the year once more when it has to
// skip year 0, and last the day.
void detail::StoreIslamicDate(JulianDayNumber jd, std::int32_t n, double monthStart,
                              std::int16_t& year, std::int16_t& month, std::int16_t& day) {
    // L lies in about -416300..380800 over the day numbers that convert.
    const std::int32_t L = CheckedSub32(n, kEpochLunation);

    ClearFloatingPointStatus();
    // Fix(L / 12) + 1405 is whole; the rounding only checks the 16-bit range.
    year = RoundToInt16(Fix(L / kMonthsPerYearAsDouble) + kEpochYear);
    CheckFloatingPointStatus();

    // The truncating remainder takes L's sign, so month is -10..12 here.
    month = Narrow16(CheckedAdd32(L % kMonthsPerYear, 1));
    if (month < 1) {
        month = CheckedAdd16(month, kMonthsPerYear);
        year = CheckedSub16(year, 1);
    }
    // Astronomical year 0 is shown as -1: there is no year 0.
    if (year < 1) year = CheckedSub16(year, 1);

    // Whole days since the month's first midnight, plus one.
    ClearFloatingPointStatus();
    day = FloorToInt16((jd - monthStart) + kMidnightFraction);
    CheckFloatingPointStatus();
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
    detail::StoreIslamicDate(jd, found.lunation, found.start, year, month, day);
}

std::int32_t IslamicMonthLunation(JulianDayNumber jd) {
    std::int16_t year = 0, month = 0, day = 0;
    return FindMonthOf(jd, year, month, day).lunation;
}

// ---- Islamic dates to day numbers ------------------------------------------
// The inverse of JulianDayToIslamic. Its month of lunation n holds the days
// from the first day whose midnight, jd - 0.5, is not before
// MonthStartInstant(n), up to the day before the next month's first day;
// year and month number the lunation n = 1048 + 12 * (Y - 1405) + month - 1,
// Y the astronomical year (Y = year for year >= 1, year + 1 before the era).

namespace {

constexpr std::int16_t kShortestMonthDays = 29;
constexpr std::int16_t kLongestMonthDays = 30;

// The lunation of month (1..12) of a year other than 0.
constexpr std::int32_t LunationOfMonth(std::int16_t year, std::int16_t month) {
    const std::int32_t astronomicalYear = year > 0 ? year : year + 1;
    return (astronomicalYear - static_cast<std::int32_t>(kEpochYear)) * kMonthsPerYear +
           (month - 1) + kEpochLunation;
}

// The first day of lunation n's month from its start instant f: the day
// after floor(f) when that day's midnight is not before f, else the day after.
// The comparison is the one the search of JulianDayToIslamic makes.
JulianDayNumber FirstDayOfMonthExactly(std::int32_t n) {
    const double f = MonthStartInstant(n);
    const JulianDayNumber next = CheckedAdd32(FloorToInt32(f), 1);
    const double nextDayStart = next - kMidnightFraction;
    return nextDayStart < f ? CheckedAdd32(next, 1) : next;
}

// ---- The first day of a month without the library's sines ----------------
// MonthStartInstant's day depends on the new moon t only through where t
// falls in its Julian day (fraction from noon UT): with W = floor(t), the
// month begins on day W + 2 when the fraction is at most 0.625 (03:00 UT)
// and on day W + 3 after it. Across a whole number the two readings meet
// (W + 3 either way), so only the fractions 0.625 and 0.5 (midnight UT,
// where the single-precision fraction may round onto 0.5 and shift the day)
// are edges. A new moon computed with the series' own arguments and
// polynomial sines in place of the library's lies within about 1e-9 days of
// the series' value: far enough from both edges, its reading is the exact
// one. Closer to an edge, about one new moon in 250000, the library's sines
// decide. The whole-range test compares every month's first day with the
// conversion's.

// sin and cos of x: x reduced by whole quarter turns (pi/2 split in two
// parts, the first with 33 bits, so that its product with a quarter-turn
// count below 2^20 is exact and with the largest here, about 3.6 million
// for 2F, off by less than 1e-9) to [-pi/4, pi/4], then the Taylor
// polynomials to the 11th and 12th power, off by less than 1e-11.
struct SineCosine {
    double sine, cosine;
};

constexpr SineCosine PolynomialSineCosine(double x) {
    constexpr double kTwoOverPi = 0.636619772367581343076;
    constexpr double kHalfPiHigh = 1.57079632673412561417;     // first 33 bits of pi/2
    constexpr double kHalfPiLow = 6.07710050650619224932e-11;  // pi/2 less the above
    // Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a
    // whole number without a branch, provided doubles are evaluated as
    // doubles (SSE2, not the x87 unit's wider registers).
    static_assert(FLT_EVAL_METHOD == 0);
    constexpr double kRoundingShift = 0x1.8p52;
    const double q = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const double r = (x - q * kHalfPiHigh) - q * kHalfPiLow;
    const double r2 = r * r;
    const double s =
        r + r * r2 *
                (-1.0 / 6 + r2 * (1.0 / 120 + r2 * (-1.0 / 5040 + r2 * (1.0 / 362880 +
                                                                      r2 * (-1.0 / 39916800)))));
    const double c =
        1.0 + r2 * (-1.0 / 2 +
                    r2 * (1.0 / 24 +
                          r2 * (-1.0 / 720 +
                                r2 * (1.0 / 40320 + r2 * (-1.0 / 3628800 + r2 / 479001600)))));
    // Each quarter turn maps (sin, cos) to (cos, -sin). Selected by index,
    // not by branches, which the random quarters would mostly mispredict.
    const auto quarter = static_cast<std::size_t>(static_cast<std::int64_t>(q) & 3);
    const double values[2] = {s, c};
    constexpr double kSigns[2] = {1.0, -1.0};
    const std::size_t odd = quarter & 1;
    return {kSigns[quarter >> 1] * values[odd], kSigns[((quarter + 1) >> 1) & 1] * values[odd ^ 1]};
}

constexpr double PolynomialSine(double x) { return PolynomialSineCosine(x).sine; }

constexpr double PolynomialCorrection(double T, double M, double Mp, double F2) {
    const SineCosine m = PolynomialSineCosine(M);
    const SineCosine p = PolynomialSineCosine(Mp);
    const SineCosine f = PolynomialSineCosine(F2);
    return SumTerms<Unchecked>(
        T, SinesByIdentities(m.sine, m.cosine, p.sine, p.cosine, f.sine, f.cosine));
}

// How near an edge the polynomial new moon may lie and still be read: a
// thousand times its largest error.
constexpr double kEdgeMargin = 1e-6;
constexpr double kLatestFractionForNextDay = 0.625;  // 03:00 UT
constexpr JulianDayNumber kDaysToFirstDayByNight = 2;
constexpr JulianDayNumber kDaysToFirstDayByMorning = 3;

// The first day of lunation n's month from the polynomial new moon, or
// kNearAnEdge when the new moon lies too near an edge to be read.
constexpr JulianDayNumber kNearAnEdge = 0;  // no month of the table begins on it

constexpr JulianDayNumber FirstDayFromPolynomialNewMoon(std::int32_t n) {
    const double t = NewMoonOf<Unchecked>(n, PolynomialSine, PolynomialCorrection);
    const auto truncated = static_cast<std::int64_t>(t);
    const std::int64_t whole = static_cast<double>(truncated) > t ? truncated - 1 : truncated;
    const double fraction = t - static_cast<double>(whole);
    const auto distance = [](double a, double b) { return a > b ? a - b : b - a; };
    if (distance(fraction, kLatestFractionForNextDay) < kEdgeMargin ||
        distance(fraction, kMidnightFraction) < kEdgeMargin)
        return kNearAnEdge;
    return static_cast<JulianDayNumber>(whole) + (fraction <= kLatestFractionForNextDay
                                                      ? kDaysToFirstDayByNight
                                                      : kDaysToFirstDayByMorning);
}

// The months of the Islamic years 1300 to 1600 (1882 to 2174), the dates
// people mostly convert, read from the polynomial new moon while compiling:
// the same first days as above, looked up instead of computed.
constexpr std::int16_t kTableFirstYear = 1300;
constexpr std::int16_t kTableLastYear = 1600;
constexpr std::int32_t kTableFirstLunation = LunationOfMonth(kTableFirstYear, 1);
constexpr std::size_t kTableMonths =
    static_cast<std::size_t>(kTableLastYear - kTableFirstYear + 1) * kMonthsPerYear;

constexpr std::array<JulianDayNumber, kTableMonths> BuildFirstDayTable() {
    std::array<JulianDayNumber, kTableMonths> firstDays{};
    for (std::size_t i = 0; i < kTableMonths; ++i)
        firstDays[i] =
            FirstDayFromPolynomialNewMoon(kTableFirstLunation + static_cast<std::int32_t>(i));
    return firstDays;
}

constexpr std::array<JulianDayNumber, kTableMonths> kFirstDays = BuildFirstDayTable();
static_assert(kFirstDays[(1424 - kTableFirstYear) * kMonthsPerYear + 3] + 7 == 2452800,
              "1424/4/8 is day number 2452800");

JulianDayNumber FirstDayOfMonth(std::int32_t n) {
    const std::int64_t index = std::int64_t{n} - kTableFirstLunation;
    JulianDayNumber first = kNearAnEdge;
    if (index >= 0 && index < static_cast<std::int64_t>(kTableMonths))
        first = kFirstDays[static_cast<std::size_t>(index)];
    else
        first = FirstDayFromPolynomialNewMoon(n);
    return first != kNearAnEdge ? first : FirstDayOfMonthExactly(n);
}

bool IsIslamicMonth(std::int16_t year, std::int16_t month) {
    return year != 0 && month >= 1 && month <= kMonthsPerYear;
}

}  // namespace

std::optional<JulianDayNumber> IslamicToJulianDay(std::int16_t year, std::int16_t month,
                                                  std::int16_t day) {
    if (!IsIslamicMonth(year, month) || day < 1 || day > kLongestMonthDays) return std::nullopt;
    try {
        const std::int32_t n = LunationOfMonth(year, month);
        const JulianDayNumber first = FirstDayOfMonth(n);
        // Every month has at least 29 days; only a 30th needs the next month.
        if (day > kShortestMonthDays &&
            CheckedSub32(FirstDayOfMonth(CheckedAdd32(n, 1)), first) < day)
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
            CheckedSub32(FirstDayOfMonth(CheckedAdd32(n, 1)), FirstDayOfMonth(n)));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace velmora
