#include "numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace velmora {
namespace {

TEST(CheckedIntegers, NarrowAndSubtractAtTheBorders) {
    EXPECT_EQ(Narrow16(32767), 32767);
    EXPECT_EQ(Narrow16(-32768), -32768);
    EXPECT_THROW(Narrow16(32768), OverflowError);
    EXPECT_THROW(Narrow16(-32769), OverflowError);

    EXPECT_EQ(CheckedSub16(-32295, 473), -32768);
    EXPECT_THROW(CheckedSub16(-32296, 473), OverflowError);
    EXPECT_THROW(CheckedAdd16(32767, 1), OverflowError);

    EXPECT_EQ(CheckedAdd32(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_THROW(CheckedAdd32(INT32_MAX, 1), OverflowError);
    EXPECT_THROW(CheckedSub32(INT32_MIN, 1), OverflowError);
    EXPECT_EQ(CheckedMul32(46340, 46340), 2147395600);
    EXPECT_THROW(CheckedMul32(46341, 46341), OverflowError);
    EXPECT_THROW(CheckedMul32(-1, INT32_MIN), OverflowError);
}

struct RoundingCase {
    double input;
    std::optional<int> round;  // nullopt: OverflowError
    std::optional<int> floor;
};

TEST(FloatToInteger, RoundsTiesToEvenAndFloorsDownward) {
    const RoundingCase cases[] = {
        {2.5, 2, 2},          {3.5, 4, 3},          {-0.5, 0, -1},
        {-2.5, -2, -3},       {-3.5, -4, -4},       {0.49999999999999994, 0, 0},
        {-0.0001, 0, -1},     {32766.5, 32766, 32766},
        {32767.5, std::nullopt, 32767},             {32767.4, 32767, 32767},
        {-32768.5, -32768, std::nullopt},           {32768.0, std::nullopt, std::nullopt},
        {std::nan(""), std::nullopt, std::nullopt}, {1e300, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        if (c.round) EXPECT_EQ(RoundToInt16(c.input), *c.round);
        else EXPECT_THROW(RoundToInt16(c.input), OverflowError);
        if (c.floor) EXPECT_EQ(FloorToInt16(c.input), *c.floor);
        else EXPECT_THROW(FloorToInt16(c.input), OverflowError);
    }
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
    EXPECT_THROW(RoundToInt32(2147483647.5), OverflowError);
    EXPECT_EQ(FloorToInt32(-2147483647.5), INT32_MIN);
    EXPECT_THROW(FloorToInt32(-2147483648.5), OverflowError);
}

TEST(FloatToInteger, FixTruncatesAndToSingleRoundsToNearestEven) {
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_TRUE(std::signbit(Fix(-0.9999)));
    EXPECT_EQ(Fix(-0.9999), 0.0);
    // 1 + 2^-24 lies halfway between two singles; the even one is 1.0f.
    EXPECT_EQ(ToSingle(1.0 + 0x1p-24), 1.0f);
    EXPECT_EQ(ToSingle(1.0 + 0x1p-24 + 0x1p-40), 1.0f + 0x1p-23f);
}

TEST(FloatingPointStatus, RaisesOnInvalidDivideByZeroAndOverflowOnly) {
    volatile double big = 1e308, zero = 0.0, one = 1.0, tiny = 1e-308;
    const auto faultOf = [](auto operation) {
        ClearFloatingPointStatus();
        volatile double result = operation();
        (void)result;
        try {
            CheckFloatingPointStatus();
        } catch (const FloatingPointError&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(faultOf([&] { return big * 10.0; }));         // overflow
    EXPECT_TRUE(faultOf([&] { return one / zero; }));         // divide by zero
    EXPECT_TRUE(faultOf([&] { return zero / zero; }));        // invalid
    EXPECT_FALSE(faultOf([&] { return tiny * 1e-100; }));     // underflow
    EXPECT_FALSE(faultOf([&] { return one / 3.0; }));         // inexact
    // A flag left by earlier code does not leak into a step that clears first.
    volatile double stale = big * 10.0;
    (void)stale;
    EXPECT_FALSE(faultOf([&] { return one + one; }));
}

TEST(FormatInt16, WritesPlainDecimal) {
    EXPECT_EQ(FormatInt16(-32768), "-32768");
    EXPECT_EQ(FormatInt16(32767), "32767");
    EXPECT_EQ(FormatInt16(0), "0");
    EXPECT_EQ(FormatInt16(-5), "-5");
    EXPECT_EQ(FormatInt16(1382), "1382");
}

enum class Outcome { Value, Mismatch, Overflow };

struct ParseCase {
    const char* text;
    Outcome outcome;
    int value = 0;
};

constexpr Outcome V = Outcome::Value, M = Outcome::Mismatch, O = Outcome::Overflow;

void ExpectParses(const ParseCase& c, std::string_view text) {
    SCOPED_TRACE(c.text);
    switch (c.outcome) {
        case Outcome::Value: EXPECT_EQ(ParseInt16(text), c.value); break;
        case Outcome::Mismatch: EXPECT_THROW(ParseInt16(text), TypeMismatchError); break;
        case Outcome::Overflow: EXPECT_THROW(ParseInt16(text), OverflowError); break;
    }
}

TEST(ParseInt16, AcceptsSignedDecimalsInEveryDigitSet) {
    const ParseCase cases[] = {
        {"1382", V, 1382}, {"-7", V, -7}, {"+7", V, 7}, {"\u22127", V, -7},
        {"0", V, 0}, {"-0", V, 0}, {"000000000000000000001382", V, 1382},
        {"32767", V, 32767}, {"-32768", V, -32768},
        {"32768", O}, {"-32769", O}, {"40000", O}, {"99999999999999999999999", O},
        // Persian and Arabic-Indic digits, alone and mixed with ASCII.
        {"\u06F1\u06F3\u06F8\u06F2", V, 1382}, {"\u0661\u0663\u0668\u0662", V, 1382},
        {"1\u06F3\u06688", V, 1388},
        {"\u06F3\u06F2\u06F7\u06F6\u06F7", V, 32767}, {"-\u06F3\u06F2\u06F7\u06F6\u06F8", V, -32768},
        {"\u06F3\u06F2\u06F7\u06F6\u06F8", O}, {"\u0663\u0662\u0667\u0666\u0668", O},
        {"-\u0663\u0662\u0667\u0666\u0669", O}, {"\u0663\u0662\u0667\u0666\u0667", V, 32767},
    };
    for (const auto& c : cases) ExpectParses(c, c.text);
}

TEST(ParseInt16, RoundsFractionsOnTheirExactDecimalValue) {
    const ParseCase cases[] = {
        {"2.5", V, 2}, {"3.5", V, 4}, {"-0.5", V, 0}, {"-2.5", V, -2}, {"-3.5", V, -4},
        {"2.5000000000000000001", V, 3}, {"2.4999999999999999999", V, 2},
        {"2.50000000000000000000", V, 2}, {"0.6", V, 1}, {"-0.6", V, -1},
        {"5.", V, 5}, {".5", V, 0}, {".51", V, 1}, {"-.5", V, 0}, {"1\u066B5", V, 2},
        {"\u06F2\u066B\u06F5", V, 2}, {"32767.4999", V, 32767}, {"32767.5", O},
        {"-32768.5", V, -32768}, {"-32768.5000001", O}, {"-32767.5", V, -32768},
    };
    for (const auto& c : cases) ExpectParses(c, c.text);
}

TEST(ParseInt16, IgnoresOnlyTheListedBlanksAroundTheNumber) {
    const ParseCase cases[] = {
        {" 12 ", V, 12}, {"\t12\r\n", V, 12}, {"\u00A012\u00A0", V, 12},
        {"\u200F-12\u200E", V, -12}, {"\u061C12", V, 12},
        {"\u200312", M},           // em space is not in the list
        {"\u202B12", M},           // embedding controls are not either
        {"1 2", M}, {"- 5", M}, {"1\u00A02", M}, {"1\u200E2", M},
    };
    for (const auto& c : cases) ExpectParses(c, c.text);
}

TEST(ParseInt16, RejectsEverythingElse) {
    const ParseCase cases[] = {
        {"", M}, {"   ", M}, {"-", M}, {"+", M}, {".", M}, {"-.", M}, {"\u066B", M},
        {"--5", M}, {"+-5", M}, {"5-", M}, {"1e3", M}, {"1E3", M}, {"1,000", M},
        {"1\u066C000", M}, {"0x10", M}, {"&H10", M}, {"1.2.3", M}, {"1..2", M},
        {"abc", M}, {"\u0661\u0662a", M}, {"\uFF11", M},  // fullwidth digit
        {"\xF0\x9D\x9F\x8E", M},                          // mathematical digit zero
        {"99999999999999999999x", M},                     // syntax decides before range
    };
    for (const auto& c : cases) ExpectParses(c, c.text);
    ExpectParses({"NUL", M}, std::string_view("1\0" "2", 3));
    ExpectParses({"trailing NUL", M}, std::string_view("12\0", 3));
}

TEST(ParseInt16, DecodesUtf8Strictly) {
    const ParseCase cases[] = {
        {"\xC0\xB1", M},              // overlong "1"
        {"\xE0\x80\xB1", M},          // overlong "1" in three bytes
        {"\xF0\x80\x80\xB1", M},      // overlong "1" in four bytes
        {"\xED\xA0\x80" "1", M},      // surrogate
        {"1\xDB", M},                 // truncated Persian digit
        {"\xDB\xB1\xDB", M},
        {"\x80" "1", M},              // lone continuation byte
        {"\xF4\x90\x80\x80", M},      // above U+10FFFF
        {"\xFF", M},
        {"\xDB\xB1", V, 1},           // U+06F1, well formed
    };
    for (const auto& c : cases) ExpectParses(c, c.text);
}

TEST(ParseInt16, LongInputKeepsItsOutcome) {
    EXPECT_THROW(ParseInt16(std::string(100000, '9')), OverflowError);
    EXPECT_EQ(ParseInt16(std::string(100000, '0') + "17"), 17);
    EXPECT_EQ(ParseInt16("3." + std::string(100000, '0') + "1"), 3);
    EXPECT_THROW(ParseInt16(std::string(100000, ' ')), TypeMismatchError);
}

}  // namespace
}  // namespace velmora
