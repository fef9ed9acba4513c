#include "reference_hijri.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "M_civil.h"
#include "M_hijri_detail.h"

namespace velmora::reference {

namespace {

// A Julian Date's fraction at midnight UT: day jd begins at jd - 0.5.
constexpr double kMidnightFraction = 0.5;

// The periodic correction from the sines of the table's 13 arguments, formed
// in radians from the stored anomalies M (Sun) and Mp (Moon) and the doubled
// argument of latitude F2 and grouped as the table writes them.
double PeriodicCorrectionBy13Sines(double T, double M, double Mp, double F2) {
    const std::array<double, detail::kPeriodicTermCount> arguments = {
        M,      M + M,  Mp,     Mp + Mp, Mp * 3,  F2,           Mp + M,
        M - Mp, F2 + M, F2 - M, F2 + Mp, F2 - Mp, (Mp + Mp) + M,
    };
    CheckFloatingPointStatus();
    detail::PeriodicSines sines;
    for (std::size_t i = 0; i < arguments.size(); ++i) sines[i] = std::sin(arguments[i]);
    CheckFloatingPointStatus();
    return detail::SumPeriodicTerms(T, sines);
}

}  // namespace

double NewMoonInstant(std::int32_t n) {
    return detail::NewMoonWith(n, PeriodicCorrectionBy13Sines);
}

double MonthStartInstant(std::int32_t n) {
    return detail::MonthStartFromNewMoon(NewMoonInstant(n));
}

void JulianDayToIslamic(JulianDayNumber jd, std::int16_t& year, std::int16_t& month,
                        std::int16_t& day, std::int32_t& monthStartsComputed) {
    // The fields first hold the civil date; it gives the lunation estimate.
    JulianDayToGregorian(jd, year, month, day);
    std::int32_t n = detail::EstimateLunation(year, month, day);

    // Search down from the estimate until a month start at or before the
    // day's midnight turns up. n ends one below the
    // lunation of the last start computed and is moved back up, each step a
    // checked 32-bit operation.
    const double dayStart = jd - kMidnightFraction;
    double f;
    do {
        f = MonthStartInstant(n);
        ++monthStartsComputed;
        n = CheckedSub32(n, 1);
    } while (dayStart < f);
    n = CheckedAdd32(n, 1);

    detail::StoreIslamicDate(jd, n, f, year, month, day);
}

}  // namespace velmora::reference
