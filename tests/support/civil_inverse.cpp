#include "civil_inverse.h"

namespace velmora::test {

namespace {

// Floored division, so the formulas hold for negative years too.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Day of a year that starts on 1 March (0 = 1 March), from Hinnant's
// days_from_civil: the 153-day five-month runs of 31/30 days.
std::int64_t DayOfMarchYear(int month, int day) {
    return (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
}

// Day number of 1 March of year 0 in each calendar (2000-03-01 is 2451605
// Gregorian; 0000-03-01 Julian is 1721118).
constexpr std::int64_t kGregorianMarchZero = 1721120;
constexpr std::int64_t kJulianMarchZero = 1721118;

}  // namespace

std::int64_t GregorianToDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;  // 0..399
    const std::int64_t dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + DayOfMarchYear(month, day);
    return era * 146097 + dayOfEra + kGregorianMarchZero;
}

std::int64_t JulianToDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t cycle = FloorDiv(y, 4);
    const std::int64_t yearOfCycle = y - cycle * 4;  // 0..3
    return cycle * 1461 + yearOfCycle * 365 + DayOfMarchYear(month, day) + kJulianMarchZero;
}

}  // namespace velmora::test
