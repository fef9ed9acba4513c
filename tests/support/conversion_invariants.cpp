#include "conversion_invariants.h"

#include "M_civil.h"
#include "M_convert.h"
#include "M_hebrew.h"
#include "M_persian.h"
#include "civil_inverse.h"

#include <optional>
#include <sstream>

namespace velmora::test {

namespace {

// Convertible day numbers of each conversion.
constexpr JulianDayNumber kFirstRealCivilDay = -1401;        // earlier fields are no dates
constexpr JulianDayNumber kLastGregorianDay = 13689325;      // 31 December 32767
constexpr JulianDayNumber kLastDayBeforeHebrewEra = 347997;
constexpr JulianDayNumber kLastHebrewDay = 12307951;
constexpr JulianDayNumber kFirstIslamicDay = -9663479;
constexpr JulianDayNumber kLastIslamicDay = 13559958;

std::string Describe(const DateFields& d) {
    std::ostringstream out;
    out << d.year << "/" << d.month << "/" << d.day;
    return out.str();
}

bool IsRealCivilDate(JulianDayNumber jd, const DateFields& d) {
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) return false;
    return jd > kLastJulianCalendarDay ? GregorianToDayNumber(d.year, d.month, d.day) == jd
                                       : JulianToDayNumber(d.year, d.month, d.day) == jd;
}

bool IsHebrewDate(const DateFields& d) {
    const std::int16_t lastMonth = HebrewLeapYear(d.year) ? 13 : 12;
    return d.year >= 1 && d.month >= 1 && d.month <= lastMonth && d.day >= 1 &&
           d.day <= LastDayOfHebrewMonth(d.year, d.month);
}

bool IsIslamicDate(const DateFields& d) {
    return d.year != 0 && d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 30;
}

// Whether the conversion must succeed (true), must raise (false), or may do
// either (nullopt: Gregorian fields below day -1401 can leave 16 bits).
std::optional<bool> MustConvert(Conversion conversion, JulianDayNumber jd) {
    switch (conversion) {
        case Conversion::Gregorian:
            if (jd > kLastGregorianDay) return false;
            if (jd >= kFirstRealCivilDay) return true;
            return std::nullopt;
        case Conversion::Hebrew: return jd <= kLastHebrewDay;
        case Conversion::Islamic: return jd >= kFirstIslamicDay && jd <= kLastIslamicDay;
    }
    return std::nullopt;
}

std::string CheckResult(Conversion conversion, JulianDayNumber jd, const DateFields& d) {
    bool sound = true;
    switch (conversion) {
        case Conversion::Gregorian:
            sound = jd < kFirstRealCivilDay || IsRealCivilDate(jd, d);
            break;
        case Conversion::Hebrew:
            sound = jd <= kLastDayBeforeHebrewEra ? (d.year == 0 && d.month == 0 && d.day == 0)
                                                  : IsHebrewDate(d);
            break;
        case Conversion::Islamic: sound = IsIslamicDate(d); break;
    }
    return sound ? "" : "day " + std::to_string(jd) + " gives no valid date: " + Describe(d);
}

}  // namespace

const char* ConversionName(Conversion conversion) {
    switch (conversion) {
        case Conversion::Islamic: return "Islamic";
        case Conversion::Gregorian: return "Gregorian";
        case Conversion::Hebrew: return "Hebrew";
    }
    return "?";
}

void Convert(Conversion conversion, DateFields& d) {
    switch (conversion) {
        case Conversion::Islamic: PersianToIslamic(d.year, d.month, d.day); break;
        case Conversion::Gregorian: PersianToGregorian(d.year, d.month, d.day); break;
        case Conversion::Hebrew: PersianToHebrew(d.year, d.month, d.day); break;
    }
}

std::string CheckConversion(Conversion conversion, DateFields persian) {
    const std::string what = std::string(ConversionName(conversion)) + " of " + Describe(persian);
    std::optional<JulianDayNumber> jd;
    try {
        jd = PersianToJulianDay(persian.year, persian.month, persian.day);
    } catch (const OverflowError&) {
    }

    DateFields d = persian;
    try {
        Convert(conversion, d);
    } catch (const OverflowError&) {
        if (!jd) {
            if (d.year != persian.year || d.month != persian.month || d.day != persian.day)
                return what + ": fields written before the day number existed";
            return "";
        }
        if (MustConvert(conversion, *jd) == true) return what + ": unexpected OverflowError";
        // The Hebrew conversion raises before it writes any field.
        const bool untouched =
            d.year == persian.year && d.month == persian.month && d.day == persian.day;
        if (conversion == Conversion::Hebrew && !untouched)
            return what + ": fields written before the OverflowError";
        return "";
    } catch (const std::exception& e) {
        return what + ": unexpected exception " + e.what();
    }
    if (!jd) return what + ": converted although its day number overflows";
    if (MustConvert(conversion, *jd) == false) return what + ": converted outside its range";
    const std::string fault = CheckResult(conversion, *jd, d);
    return fault.empty() ? "" : what + ": " + fault;
}

}  // namespace velmora::test
