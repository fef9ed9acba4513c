// Numbers inside Persian text: Persian digits, kept reading left to right
// inside a right-to-left paragraph.
#pragma once

#include "numeric.h"

#include <string>
#include <string_view>

namespace velmora::window {

// Left-to-right embedding and its end (LRE ... PDF). A minus sign or a run
// of numbers and slashes inside them keeps its left-to-right order in a
// right-to-left paragraph ("-78", not "78-"). Win32's and Qt's text layout
// both know these two marks; the isolates (LRI ... PDI) are younger.
inline constexpr const char* kLeftToRightEmbedding = "\u202A";
inline constexpr const char* kPopDirectionalFormatting = "\u202C";

std::string LeftToRightRun(std::string_view text);

// ASCII digits 0-9 replaced by the Persian digits U+06F0-U+06F9; every
// other byte is kept.
std::string PersianDigits(std::string_view ascii);

// A number in Persian digits; a negative one in a left-to-right run, so
// that its minus sign stays in front.
std::string PersianNumber(std::int16_t value);

// year/month/day with ASCII digits ("2025/8/1", "-78/3/25").
std::string DateNumbers(const DateFields& date);

// The same in Persian digits, as one left-to-right run.
std::string PersianDateNumbers(const DateFields& date);

}  // namespace velmora::window
