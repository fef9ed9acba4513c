// Numeric conventions shared by every calendar computation.
//
// Integers are fixed width and every add, subtract and multiply is checked:
// a result outside the operands' width raises OverflowError instead of
// wrapping. Floating-point steps are doubles in round-to-nearest, and the
// processor's exception status is tested after them: invalid operation,
// division by zero and overflow raise FloatingPointError. Underflow and
// inexact results are not errors. Errors are C++ exceptions; nothing in the
// calendar code catches them, and fields written before an error stay written.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>
#include <string_view>

#if defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>  // _mm_getcsr, _mm_setcsr: the SSE control and status register
#define VELMORA_SSE_STATUS 1
#endif

namespace velmora {

// A civil day: the Julian Day Number, whose day jd runs from the Julian Date
// jd - 0.5 (midnight UT) to jd + 0.5. 2451545 is 1 January 2000.
using JulianDayNumber = std::int32_t;

// A date as three signed 16-bit fields. It carries the Persian date into a
// conversion and the target calendar's date out of it.
struct DateFields {
    std::int16_t year;
    std::int16_t month;
    std::int16_t day;
};

// The run-time error kinds. They carry nothing but their kind; what() names it.
class RuntimeError : public std::exception {};

class OverflowError : public RuntimeError {
public:
    const char* what() const noexcept override { return "Overflow"; }
};

class TypeMismatchError : public RuntimeError {
public:
    const char* what() const noexcept override { return "Type mismatch"; }
};

class FloatingPointError : public RuntimeError {
public:
    const char* what() const noexcept override { return "Floating-point error"; }
};

// Out of line and cold, so the checked operations below stay small on their
// success path.
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseFloatingPoint();

// ---- Checked integer arithmetic ------------------------------------------
// Each returns the exact result or raises OverflowError when it does not fit
// the width of its operands. Division needs no checked form: every divisor in
// the calendar formulas is a positive constant, and C++'s / and % already
// truncate toward zero (-7 / 2 == -3, -7 % 2 == -1), as the formulas expect.

// Quotient rounded toward minus infinity and the remainder that goes with
// it (0..divisor - 1), for a positive divisor: the one floor division of the
// calendars, for negative years and day numbers.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0 ? 1 : 0); }
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

inline std::int32_t CheckedAdd32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) RaiseOverflow();
    return r;
}

inline std::int32_t CheckedSub32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) RaiseOverflow();
    return r;
}

inline std::int32_t CheckedMul32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) RaiseOverflow();
    return r;
}

inline std::int16_t CheckedAdd16(std::int16_t a, std::int16_t b) {
    std::int16_t r;
    if (__builtin_add_overflow(a, b, &r)) RaiseOverflow();
    return r;
}

inline std::int16_t CheckedSub16(std::int16_t a, std::int16_t b) {
    std::int16_t r;
    if (__builtin_sub_overflow(a, b, &r)) RaiseOverflow();
    return r;
}

// 32-bit to 16-bit, keeping the value or raising OverflowError.
inline std::int16_t Narrow16(std::int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) RaiseOverflow();
    return static_cast<std::int16_t>(value);
}

// ---- Floating point ------------------------------------------------------

// Rounding to whole numbers is written out with integer conversions, which
// truncate toward zero in every rounding mode, instead of calling trunc,
// floor and round: without SSE4.1 those are library calls, and the calendar
// rounds in almost every step. Every double of magnitude 2^52 or more is a
// whole number already.
constexpr double kAllWholeFrom = 0x1p52;

// Truncation toward zero (-2.5 -> -2.0, -0.9999 -> -0.0).
inline double Fix(double x) noexcept {
    if (!(std::fabs(x) < kAllWholeFrom)) return x;  // whole, infinite or NaN
    return std::copysign(static_cast<double>(static_cast<std::int64_t>(x)), x);
}

// Largest whole number not above x, for |x| < 2^52.
inline std::int64_t FloorOfSmall(double x) noexcept {
    const auto whole = static_cast<std::int64_t>(x);  // toward zero
    return static_cast<double>(whole) > x ? whole - 1 : whole;
}

// Nearest whole number, ties to even, for |x| < 2^52 (2.5 -> 2, 3.5 -> 4,
// -0.5 -> 0). The distance to the floor is exact wherever it can be 0.5;
// only for -0.5 < x < 0 may it round, to a value from 0.5 to 1 that still
// gives 0.
inline std::int64_t RoundHalfEvenOfSmall(double x) noexcept {
    const std::int64_t below = FloorOfSmall(x);
    const double above = x - static_cast<double>(below);  // 0 <= above <= 1
    if (above > 0.5 || (above == 0.5 && below % 2 != 0)) return below + 1;
    return below;
}

// Double to single precision: round to nearest, ties to even.
inline float ToSingle(double x) noexcept { return static_cast<float>(x); }

// x converted to a whole number by rounding (ties to even) or flooring, which
// must fit the target type or raise OverflowError; NaN never fits. The range
// test comes first and keeps the integer conversions defined.
template <typename Int, std::int64_t (*Whole)(double)>
Int CheckedWhole(double x) {
    constexpr double kSlack = 1.0;  // values within one of the range still may fit
    if (!(x > static_cast<double>(std::numeric_limits<Int>::min()) - kSlack &&
          x < static_cast<double>(std::numeric_limits<Int>::max()) + kSlack))
        RaiseOverflow();
    const std::int64_t whole = Whole(x);
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        RaiseOverflow();
    return static_cast<Int>(whole);
}

inline std::int16_t RoundToInt16(double x) {
    return CheckedWhole<std::int16_t, RoundHalfEvenOfSmall>(x);
}
inline std::int32_t RoundToInt32(double x) {
    return CheckedWhole<std::int32_t, RoundHalfEvenOfSmall>(x);
}
inline std::int16_t FloorToInt16(double x) { return CheckedWhole<std::int16_t, FloorOfSmall>(x); }
inline std::int32_t FloorToInt32(double x) { return CheckedWhole<std::int32_t, FloorOfSmall>(x); }

// A checked floating-point step begins by clearing the status, so a flag left
// by earlier code never leaks in, and ends by testing it. The flags are
// sticky, so one test at the end of a run of steps sees a fault of any of
// them; the calendar code tests at the end of every step it lists.
//
// On x86-64 every double operation, the C library's sine included, runs on
// SSE, so its status register holds all the flags; reading and writing it
// directly costs a few cycles where <cfenv> also saves and restores the
// unused x87 environment. Elsewhere (32-bit x86, whose libm computes on the
// x87 unit, and other processors) <cfenv> covers every unit.
#ifdef VELMORA_SSE_STATUS
// Exception flags in the low six bits: invalid 0x01, denormal 0x02,
// divide-by-zero 0x04, overflow 0x08, underflow 0x10, inexact 0x20. Only the
// three fault flags are ever tested, so only they need clearing, and the
// register is written only when one of them is set: writing it stalls the
// pipeline, and almost every step would otherwise pay that for the inexact
// flag that nearly every operation raises.
constexpr unsigned kSseFaultFlags = 0x01 | 0x04 | 0x08;

inline void ClearFloatingPointStatus() noexcept {
    const unsigned status = _mm_getcsr();
    if ((status & kSseFaultFlags) != 0) _mm_setcsr(status & ~kSseFaultFlags);
}

inline bool FloatingPointFaultPending() noexcept {
    return (_mm_getcsr() & kSseFaultFlags) != 0;
}
#else
inline void ClearFloatingPointStatus() noexcept { std::feclearexcept(FE_ALL_EXCEPT); }

inline bool FloatingPointFaultPending() noexcept {
    return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0;
}
#endif

// Raises FloatingPointError when invalid operation, division by zero or
// overflow happened since the status was last cleared.
inline void CheckFloatingPointStatus() {
    if (FloatingPointFaultPending()) RaiseFloatingPoint();
}

// ---- Text conversions ----------------------------------------------------

// Converts the text of an input box to a 16-bit integer. Accepts an
// optionally signed decimal number with ASCII, Persian or Arabic-Indic digits
// and an optional fraction, rounded to the nearest integer with ties to even
// on its exact decimal value. Surrounding blanks and direction marks are
// ignored. Raises TypeMismatchError for text that is not such a number
// (empty text and invalid UTF-8 included) and OverflowError for a number
// outside -32768..32767 after rounding.
std::int16_t ParseInt16(std::string_view utf8);

// Decimal ASCII digits with a leading "-" for negative values; no sign,
// blank, grouping or leading zero otherwise (-5 -> "-5", 1382 -> "1382").
std::string FormatInt16(std::int16_t value);

}  // namespace velmora
