// A year of Iran's public holidays as an iCalendar file (RFC 5545) that
// common calendar programs import: one all-day event a holiday. Text only:
// the toolkits save it.
#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::window {

// The moment the file is made, in UTC: every event's DTSTAMP.
using UtcTime = platform::CivilTime;

// The holidays of an official Persian year (empty calendar outside
// 1369..1498): VCALENDAR with VERSION and PRODID, one VEVENT a holiday with
// DTSTART;VALUE=DATE, DTEND the next day, a UID that stays the same from one
// file to the next, DTSTAMP, SUMMARY (the Persian name) and DESCRIPTION (the
// English name and how the day is known). CRLF line ends, long lines folded.
std::string HolidayCalendarFile(std::int16_t persianYear, const UtcTime& made);

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string EscapedText(std::string_view text);

// A content line folded to at most 75 octets a line, each continuation
// starting with a space, never inside a UTF-8 character; every line ends in
// CRLF.
std::string FoldedLine(std::string_view line);

// The name the save dialog proposes: "iran-holidays-1405.ics".
std::string HolidayCalendarFileName(std::int16_t persianYear);

}  // namespace velmora::window
