// The lunar series against an independent ephemeris: ICU's astronomical
// Islamic calendar ("@calendar=islamic"), which starts each month from its
// own computation of the new moon.
//
// The two calendars differ in their month-start rule. ICU begins a month on
// the first day whose midnight (UT) falls after the new moon, that is the
// day after the new moon's UT day D. Ours begins it on D + 1 only for a new
// moon between 00:00 and 03:00 UT, otherwise on D + 2. So with identical new
// moons our month starts would equal ICU's in about 3/24 = 1/8 of months and
// be one day later in the rest.
//
// The ephemerides differ too: ours is the low-precision series of 1900 with a
// quadratic delta-T, ICU's a different lunar theory without one. Both drift
// with the distance from the present, and ICU's own rule applied to our new
// moon disagrees with ICU wherever the two new moons straddle a midnight.
#include "M_hijri.h"
#include "civil_inverse.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace velmora {
namespace {

constexpr std::int32_t kEpochLunation = 1048;  // month 1 of 1405
constexpr int kEpochYear = 1405;
constexpr double kMinutesPerDay = 1440.0;

// ICU's astronomical Islamic calendar in UT, and a Gregorian calendar (Julian
// before the 1582 reform, like ours) to read its day numbers back.
class IcuIslamic {
public:
    IcuIslamic() {
        UErrorCode status = U_ZERO_ERROR;
        islamic_.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                     icu::Locale("en@calendar=islamic"), status));
        civil_ = std::make_unique<icu::GregorianCalendar>(*icu::TimeZone::getGMT(), status);
        ok_ = U_SUCCESS(status) && std::string_view(islamic_->getType()) == "islamic";
    }

    bool ok() const { return ok_; }

    // Day number of the first day of month (1..12) of year (from 1).
    std::int64_t MonthStart(int year, int month) {
        UErrorCode status = U_ZERO_ERROR;
        islamic_->clear();
        islamic_->set(UCAL_EXTENDED_YEAR, year);
        islamic_->set(UCAL_MONTH, month - 1);
        islamic_->set(UCAL_DATE, 1);
        const std::int64_t jd = islamic_->get(UCAL_JULIAN_DAY, status);
        // The same day read as a civil date and counted back independently.
        civil_->setTime(islamic_->getTime(status), status);
        const int civilYear = civil_->get(UCAL_EXTENDED_YEAR, status);
        const int civilMonth = civil_->get(UCAL_MONTH, status) + 1;
        const int civilDay = civil_->get(UCAL_DATE, status);
        const std::int64_t back =
            civil_->getTime(status) < civil_->getGregorianChange()
                ? test::JulianToDayNumber(civilYear, civilMonth, civilDay)
                : test::GregorianToDayNumber(civilYear, civilMonth, civilDay);
        if (U_FAILURE(status) || back != jd) return 0;
        return jd;
    }

private:
    std::unique_ptr<icu::Calendar> islamic_;
    std::unique_ptr<icu::GregorianCalendar> civil_;
    bool ok_ = false;
};

std::int32_t LunationOf(int year, int month) {
    return (year - kEpochYear) * 12 + (month - 1) + kEpochLunation;
}

// First day of our month: the first day whose midnight is at or after its
// start instant.
std::int64_t OurMonthStart(std::int32_t lunation) {
    return static_cast<std::int64_t>(std::ceil(MonthStartInstant(lunation) + 0.5));
}

// ICU's rule on our new moon: the day after the UT day of the new moon.
std::int64_t DayAfterNewMoon(double newMoon) {
    return static_cast<std::int64_t>(std::floor(newMoon + 0.5)) + 1;
}

// Signed minutes from the nearest midnight UT to the instant.
double MinutesFromMidnight(double instant) {
    const double sinceMidnight = instant + 0.5 - std::floor(instant + 0.5);  // 0..1 day
    return (sinceMidnight > 0.5 ? sinceMidnight - 1 : sinceMidnight) * kMinutesPerDay;
}

struct Comparison {
    int months = 0;
    int sameDay = 0;           // our month starts on ICU's day
    int dayLater = 0;          // our month starts one day after ICU's
    int ruleAgrees = 0;        // ICU's rule on our new moon gives ICU's day
    double worstMinutes = 0;   // largest distance from midnight of a disagreeing new moon
};

Comparison Compare(IcuIslamic& icu, int firstYear, int lastYear) {
    Comparison c;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month, ++c.months) {
            const std::int64_t theirs = icu.MonthStart(year, month);
            EXPECT_NE(theirs, 0) << year << "/" << month;
            const std::int32_t n = LunationOf(year, month);
            const std::int64_t ours = OurMonthStart(n);
            const std::int64_t difference = ours - theirs;
            EXPECT_TRUE(difference == 0 || difference == 1) << year << "/" << month;
            // The conversion itself names that day the first of the month.
            std::int16_t y = 0, m = 0, d = 0;
            JulianDayToIslamic(static_cast<JulianDayNumber>(ours), y, m, d);
            EXPECT_TRUE(y == year && m == month && d == 1) << year << "/" << month;
            c.sameDay += difference == 0;
            c.dayLater += difference == 1;

            const double newMoon = NewMoonInstant(n);
            if (DayAfterNewMoon(newMoon) == theirs) {
                ++c.ruleAgrees;
            } else {
                c.worstMinutes =
                    std::max(c.worstMinutes, std::fabs(MinutesFromMidnight(newMoon)));
            }
        }
    }
    std::printf("Islamic years %d..%d: %d months; ours on ICU's day %d, a day later %d; "
                "ICU's rule on our new moons agrees in %d, the others within %.1f minutes "
                "of midnight\n",
                firstYear, lastYear, c.months, c.sameDay, c.dayLater, c.ruleAgrees,
                c.worstMinutes);
    return c;
}

double Share(int part, int whole) { return static_cast<double>(part) / whole; }

// Our month starts are ICU's or one day later, as the rules predict, as long
// as the two new moons lie within 3 hours of each other: a month of ours two
// days later, or one earlier, would need them 3 or 21 hours apart. The new
// moon falls between 00:00 and 03:00 UT, where the rules coincide, in about
// 1/8 of months. Applying ICU's rule to our new moons isolates the
// ephemerides: they disagree only where the two new moons straddle a
// midnight, so only for new moons of ours that close to midnight.
TEST(IslamicAgainstIcu, MonthStartsDifferByTheRuleAndTheNewMoonsAgree) {
    struct Span {
        int firstYear, lastYear;
        double ruleAgreesShare;   // lowest share of months agreeing under ICU's rule
        double worstMinutes;      // bound on the disagreeing new moons' distance from midnight
    };
    const Span spans[] = {
        // 622 to 2175. Measured: 2534 months on ICU's day, 16666 a day later;
        // ICU's rule agrees in 18754 of 19200, the rest within 131 minutes of
        // midnight, most in the first centuries, where the series drift apart
        // by up to about two hours. Farther out they drift by hours (3.6 by
        // year 3000, 12 by 5000) and agreement would say nothing about either.
        {1, 1600, 0.95, 180.0},
        // 1922 to 2077, where both are good to minutes. Measured: 1910 of
        // 1920 agree under ICU's rule, the rest within 10 minutes of midnight.
        {1341, 1500, 0.99, 30.0},
    };
    IcuIslamic icu;
    ASSERT_TRUE(icu.ok());
    for (const auto& span : spans) {
        const Comparison c = Compare(icu, span.firstYear, span.lastYear);
        EXPECT_EQ(c.sameDay + c.dayLater, c.months) << span.firstYear;
        EXPECT_GT(Share(c.sameDay, c.months), 0.10) << span.firstYear;
        EXPECT_LT(Share(c.sameDay, c.months), 0.15) << span.firstYear;
        EXPECT_GT(Share(c.ruleAgrees, c.months), span.ruleAgreesShare) << span.firstYear;
        EXPECT_LT(c.worstMinutes, span.worstMinutes) << span.firstYear;
    }
}

}  // namespace
}  // namespace velmora
