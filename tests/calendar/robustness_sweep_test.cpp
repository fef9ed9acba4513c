// Every 16-bit Persian year, with months and days that cover the usual and
// the odd values, through all three conversions: each outcome must be a
// sound date or the error its range allows. Run under the sanitizers too,
// where any undefined behaviour or memory fault on the way fails the run.
#include "conversion_invariants.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace velmora::test {
namespace {

constexpr std::int16_t kMonths[] = {-32768, -1, 0, 1, 6, 7, 8, 12, 13, 14, 32767};
constexpr std::int16_t kDays[] = {-32768, -1, 0, 1, 29, 30, 31, 32767};

// The 65536 years in shards, so the sweep spreads over the test runner's jobs.
constexpr int kShards = 8;
constexpr int kYearsPerShard = 65536 / kShards;

class RobustnessSweep : public testing::TestWithParam<std::tuple<Conversion, int>> {};

TEST_P(RobustnessSweep, EveryOutcomeIsSound) {
    const auto [conversion, shard] = GetParam();
    const int firstYear = -32768 + shard * kYearsPerShard;
    int failures = 0;
    for (int year = firstYear; year < firstYear + kYearsPerShard; ++year) {
        for (const std::int16_t month : kMonths) {
            for (const std::int16_t day : kDays) {
                const std::string fault =
                    CheckConversion(conversion, {static_cast<std::int16_t>(year), month, day});
                if (!fault.empty() && ++failures <= 10) ADD_FAILURE() << fault;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllYears, RobustnessSweep,
    testing::Combine(testing::ValuesIn(kAllConversions), testing::Range(0, kShards)),
    [](const auto& info) {
        const int firstYear = -32768 + std::get<1>(info.param) * kYearsPerShard;
        return std::string(ConversionName(std::get<0>(info.param))) + "_from" +
               (firstYear < 0 ? "Minus" : "") + std::to_string(std::abs(firstYear));
    });

}  // namespace
}  // namespace velmora::test
