// What every conversion of a Persian date must do, whatever the input: give
// a date that meets its calendar's invariants, or raise the one error that
// its range allows, with the fields it leaves as its write order says.
#pragma once

#include "numeric.h"

#include <ostream>
#include <string>

namespace velmora::test {

enum class Conversion { Islamic, Gregorian, Hebrew };

inline constexpr Conversion kAllConversions[] = {Conversion::Islamic, Conversion::Gregorian,
                                                 Conversion::Hebrew};

const char* ConversionName(Conversion conversion);

// Names the conversion in test output.
inline void PrintTo(Conversion conversion, std::ostream* out) { *out << ConversionName(conversion); }

// Converts the Persian date in place with the conversion's entry point.
void Convert(Conversion conversion, DateFields& fields);

// Runs the conversion on persian and returns an empty text when its outcome
// is sound, otherwise a description of what went wrong.
std::string CheckConversion(Conversion conversion, DateFields persian);

}  // namespace velmora::test
