// Velmora's three conversions against ICU4C on the same dates in the same
// run, the three conversions back to the Persian calendar against ICU4C on
// the same days, and whole-range sweeps of each conversion.
#include "M_civil.h"
#include "M_convert.h"
#include "M_hebrew.h"
#include "M_hijri.h"
#include "M_persian.h"
#include "icu_converter.h"
#include "persian_dates.h"

#include <benchmark/benchmark.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace velmora::bench {
namespace {

using EntryPoint = void (*)(std::int16_t&, std::int16_t&, std::int16_t&);

// Every day of Persian years 1300 to 1500, cycled, so that neither side is
// flattered by repeating one date.
const std::vector<DateFields>& Workload() {
    static const std::vector<DateFields> dates = PersianDaysOfYears(1300, 1500);
    return dates;
}

// Every day of Persian years 800 to 1000 (Islamic years about 824 to 1030),
// whose Islamic months lie outside the table of first days and are computed
// from the series.
const std::vector<DateFields>& OutsideIslamicTable() {
    static const std::vector<DateFields> dates = PersianDaysOfYears(800, 1000);
    return dates;
}

using Dates = const std::vector<DateFields>& (*)();

bool SameDate(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

void KeepResult(const DateFields& d) {
    benchmark::DoNotOptimize(d.year);
    benchmark::DoNotOptimize(d.month);
    benchmark::DoNotOptimize(d.day);
}

void RunVelmora(benchmark::State& state, EntryPoint convert, Dates workload) {
    const auto& dates = workload();
    std::size_t i = 0;
    for (auto _ : state) {
        DateFields d = dates[i];
        convert(d.year, d.month, d.day);
        KeepResult(d);
        if (++i == dates.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void RunIcu(benchmark::State& state, const char* target, Dates workload) {
    const auto& dates = workload();
    IcuConverter icu(target);
    std::size_t i = 0;
    for (auto _ : state) {
        KeepResult(icu.Convert(dates[i]));
        if (++i == dates.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void RunIcuFresh(benchmark::State& state, const char* target) {
    const auto& dates = Workload();
    std::size_t i = 0;
    for (auto _ : state) {
        IcuConverter icu(target);
        KeepResult(icu.Convert(dates[i]));
        if (++i == dates.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

// The convertible day numbers of each conversion: below them or above them
// the conversion raises OverflowError.
struct Range {
    JulianDayNumber lowest, highest;
};
constexpr Range kGregorianRange{-9847175, 13689325};
constexpr Range kHebrewRange{-9847175, 12307951};
constexpr Range kIslamicRange{-9663479, 13559958};

void Sweep(benchmark::State& state, EntryPoint convert, Range range) {
    std::int64_t dates = 0;
    for (auto _ : state) {
        dates = 0;
        ForEachPersianDate(range.lowest, range.highest, [&](DateFields d) {
            convert(d.year, d.month, d.day);
            KeepResult(d);
            ++dates;
        });
    }
    state.counters["dates"] = static_cast<double>(dates);
    state.SetItemsProcessed(state.iterations() * dates);
}

// Where both sides share a rule, the Gregorian calendar with its 1582
// reform, they must agree on every day of the workload: checked once, before
// anything is timed, on the day number of each Persian date. ICU's Persian
// calendar follows another leap rule than the 2820-year arithmetic, so the
// Persian dates on which the two whole conversions differ are only counted.
void CheckAgreement() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> gregorian(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=gregorian"), status));
    IcuConverter icu("@calendar=gregorian");
    int persianRuleDifferences = 0;
    for (const DateFields& persian : Workload()) {
        DateFields ours = persian;
        PersianToGregorian(ours.year, ours.month, ours.day);
        gregorian->clear();
        gregorian->set(UCAL_JULIAN_DAY, PersianToJulianDay(persian.year, persian.month, persian.day));
        const DateFields theirs{static_cast<std::int16_t>(gregorian->get(UCAL_EXTENDED_YEAR, status)),
                                static_cast<std::int16_t>(gregorian->get(UCAL_MONTH, status) + 1),
                                static_cast<std::int16_t>(gregorian->get(UCAL_DATE, status))};
        if (U_FAILURE(status) || !SameDate(ours, theirs)) {
            std::fprintf(stderr, "Gregorian disagrees with ICU on %d/%d/%d\n", persian.year,
                         persian.month, persian.day);
            std::exit(1);
        }
        persianRuleDifferences += !SameDate(ours, icu.Convert(persian));
    }
    std::printf("Gregorian agrees with ICU on all %zu days; the Persian leap rules differ on %d "
                "of these Persian dates\n", Workload().size(), persianRuleDifferences);
}

// ---- Back to the Persian calendar ------------------------------------------
// The days of the same workload, as dates of the source calendar: each side
// gets the dates in its own numbering of months (ICU counts from 0 and
// numbers Hebrew months its own way) and, for the Islamic calendar, its own
// months, which ICU computes from another ephemeris and month-start rule.

using Inverse = std::optional<JulianDayNumber> (*)(std::int16_t, std::int16_t, std::int16_t);
using Forward = void (*)(JulianDayNumber, std::int16_t&, std::int16_t&, std::int16_t&);

std::vector<DateFields> SourceDates(Forward toSource, Dates workload = Workload) {
    std::vector<DateFields> dates;
    for (const DateFields& p : workload()) {
        DateFields d{};
        toSource(PersianToJulianDay(p.year, p.month, p.day), d.year, d.month, d.day);
        dates.push_back(d);
    }
    return dates;
}

std::vector<DateFields> IcuSourceDates(const char* source, Dates workload = Workload) {
    IcuToPersianConverter icu(source);
    std::vector<DateFields> dates;
    for (const DateFields& p : workload())
        dates.push_back(icu.SourceFieldsOf(PersianToJulianDay(p.year, p.month, p.day)));
    return dates;
}

// The inverse of the source calendar, then the arithmetic Persian calendar.
std::optional<DateFields> ToPersian(Inverse inverse, const DateFields& d) {
    const std::optional<JulianDayNumber> jd = inverse(d.year, d.month, d.day);
    if (!jd) return std::nullopt;
    return JulianDayToPersian(*jd);
}

void RunVelmoraToPersian(benchmark::State& state, Inverse inverse, Forward toSource,
                         Dates workload) {
    const std::vector<DateFields> dates = SourceDates(toSource, workload);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<DateFields> persian = ToPersian(inverse, dates[i]);
        KeepResult(*persian);
        if (++i == dates.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void RunIcuToPersian(benchmark::State& state, const char* source, Dates workload) {
    const std::vector<DateFields> dates = IcuSourceDates(source, workload);
    IcuToPersianConverter icu(source);
    std::size_t i = 0;
    for (auto _ : state) {
        KeepResult(icu.Convert(dates[i]));
        if (++i == dates.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

struct Source {
    const char* name;
    Inverse inverse;
    Forward toSource;
    const char* icuLocale;
};

const Source kSources[] = {
    {"GregorianToPersian", GregorianToJulianDay, JulianDayToGregorian, "@calendar=gregorian"},
    {"HebrewToPersian", HebrewToJulianDay, JulianDayToHebrew, "@calendar=hebrew"},
    {"IslamicToPersian", IslamicToJulianDay, JulianDayToIslamic, "@calendar=islamic"},
};

// Before timing: every source date of the workload leads Velmora back to
// its Persian date, and ICU, given its own dates of the same days, gives the
// Persian date of its own leap rule, counted where it differs.
void CheckWayBack() {
    for (const Source& source : kSources) {
        const std::vector<DateFields> ours = SourceDates(source.toSource);
        const std::vector<DateFields> theirs = IcuSourceDates(source.icuLocale);
        IcuToPersianConverter icu(source.icuLocale);
        int differences = 0;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const std::optional<DateFields> persian = ToPersian(source.inverse, ours[i]);
            if (!persian || !SameDate(*persian, Workload()[i])) {
                std::fprintf(stderr, "%s does not lead back to %d/%d/%d\n", source.name,
                             Workload()[i].year, Workload()[i].month, Workload()[i].day);
                std::exit(1);
            }
            differences += !SameDate(*persian, icu.Convert(theirs[i]));
        }
        std::printf("%s: all %zu dates lead back; ICU's Persian date differs on %d\n",
                    source.name, ours.size(), differences);
    }
}

constexpr int kRepetitions = 5;

void Register() {
    struct Pair {
        const char* name;
        EntryPoint convert;
        const char* icuTarget;
        Range range;
    };
    const Pair pairs[] = {
        {"PersianToGregorian", PersianToGregorian, "@calendar=gregorian", kGregorianRange},
        {"PersianToHebrew", PersianToHebrew, "@calendar=hebrew", kHebrewRange},
        {"PersianToIslamic", PersianToIslamic, "@calendar=islamic", kIslamicRange},
    };
    for (const Pair& p : pairs) {
        const std::string name = p.name;
        benchmark::RegisterBenchmark((name + "/velmora").c_str(), RunVelmora, p.convert, Workload)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark((name + "/icu").c_str(), RunIcu, p.icuTarget, Workload)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark((name + "/icu_fresh").c_str(), RunIcuFresh, p.icuTarget)
            ->Repetitions(kRepetitions);
    }
    for (const Source& source : kSources) {
        const std::string name = source.name;
        benchmark::RegisterBenchmark((name + "/velmora").c_str(), RunVelmoraToPersian,
                                     source.inverse, source.toSource, Workload)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark((name + "/icu").c_str(), RunIcuToPersian, source.icuLocale,
                                     Workload)
            ->Repetitions(kRepetitions);
    }
    // The Islamic months outside the table, both ways.
    benchmark::RegisterBenchmark("PersianToIslamic/velmora_outside_table", RunVelmora,
                                 PersianToIslamic, OutsideIslamicTable)
        ->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("PersianToIslamic/icu_outside_table", RunIcu,
                                 "@calendar=islamic", OutsideIslamicTable)
        ->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("IslamicToPersian/velmora_outside_table", RunVelmoraToPersian,
                                 IslamicToJulianDay, JulianDayToIslamic, OutsideIslamicTable)
        ->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("IslamicToPersian/icu_outside_table", RunIcuToPersian,
                                 "@calendar=islamic", OutsideIslamicTable)
        ->Repetitions(kRepetitions);
    const char* sweepNames[] = {"Sweep/Gregorian", "Sweep/Hebrew", "Sweep/Islamic"};
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        benchmark::RegisterBenchmark(sweepNames[i], Sweep, pairs[i].convert, pairs[i].range)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3);
    }
}

// The first Islamic conversion in the table's years fills the table of the
// months' first days; measured once, first thing in the process, since a
// cache filled at first use cannot be timed twice.
void ReportFirstUseOfTheIslamicTable() {
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::int16_t> days = IslamicMonthLength(1446, 1);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(days);
    std::printf("first Islamic conversion, filling the table of first days: %.0f us\n",
                std::chrono::duration<double, std::micro>(end - start).count());
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
    velmora::bench::ReportFirstUseOfTheIslamicTable();
    velmora::bench::CheckAgreement();
    velmora::bench::CheckWayBack();
    velmora::bench::Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
