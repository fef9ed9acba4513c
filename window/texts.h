// The words the windows show and say, apart from the design's captions:
// the calendar names of the conversion buttons, the error report's Persian
// sentences and what screen readers say of each control.
#pragma once

#include "window/calendar_texts.h"
#include "window/date_words.h"
#include "window/window_design.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora::window {

// "Write a whole number from -32768 to 32767 in the <heading> box." The
// lower bound sits in a left-to-right embedding so that its minus sign
// stays in front of the digits in a right-to-left paragraph.
std::string PersianInputSentence(std::string_view heading);

// "This date cannot be converted to this calendar."
inline constexpr const char* kPersianConversionSentence = "این تاریخ را نمی‌توان به این تقویم تبدیل کرد.";

// The report on a typed date that its calendar does not have: "Not a date of
// the Islamic calendar: see the DAY box", then the Persian sentence with the
// date. heading names the box to correct.
std::string InvalidDateText(const CalendarName& calendar, const DateFields& typed, std::string_view heading);

// The report on a date whose day lies outside the Persian years the
// program counts.
std::string PersianYearOutOfRangeText();

// What a screen reader says of each control of the windows beyond its
// caption.
std::span<const AccessibleText> Form1AccessibleTexts();
std::span<const AccessibleText> AboutAccessibleTexts();
std::span<const AccessibleText> ToPersianAccessibleTexts();

// The result as the copy command puts it on the clipboard, one line: the
// numbers, then the date in words where there are words,
// "2003/6/9 Monday 9 June 2003 (Gregorian), دوشنبه ۹ ژوئن ۲۰۰۳ میلادی".
std::string ClipboardLine(const DateFields& result, const CalendarName& calendar,
                          const std::optional<DateInWords>& words);

// The result boxes' descriptions after a conversion to calendarName
// (English): "Year of the date in the Gregorian calendar". With the date in
// words, they read it out, Persian line first:
// "دوشنبه ۹ ژوئن ۲۰۰۳ میلادی\nYear of the date in the Gregorian calendar: Monday 9 June 2003".
std::string ResultDescription(std::string_view field, std::string_view calendarName,
                              const std::optional<DateInWords>& words);

}  // namespace velmora::window
