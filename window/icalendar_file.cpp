#include "window/icalendar_file.h"

#include "calendar/M_civil.h"
#include "calendar/iran_holidays.h"
#include "window/holiday_list.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace velmora::window {

namespace {

constexpr std::size_t kMaxLineOctets = 75;
constexpr const char* kLineEnd = "\r\n";

bool ContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// "20260321", the form of a DATE value.
std::string DateValue(JulianDayNumber day) {
    DateFields date{};
    JulianDayToGregorian(day, date.year, date.month, date.day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

std::string TimeValue(const UtcTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

// Stable from one file to the next: the day and the holiday's date in its
// calendar, "20260909-lunar-03-17-1@...". Two holidays of one date (17 Rabi
// al-Awwal has two) are told apart by their place in the data's order, the
// number at the end.
std::string Uid(const IranHoliday& holiday, int ofSameDate) {
    char rule[64];
    std::snprintf(rule, sizeof rule, "-%s-%02d-%02d-%d", holiday.calendar == HolidayCalendar::kPersian ? "persian" : "lunar",
                  holiday.month, holiday.dayOfMonth, ofSameDate);
    return DateValue(holiday.day) + rule + "@iran-holidays.velmora";
}

bool SameDate(const IranHoliday& a, const IranHoliday& b) {
    return a.day == b.day && a.calendar == b.calendar && a.month == b.month && a.dayOfMonth == b.dayOfMonth;
}

}  // namespace

std::string EscapedText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '\\': escaped += "\\\\"; break;
            case ';': escaped += "\\;"; break;
            case ',': escaped += "\\,"; break;
            case '\n': escaped += "\\n"; break;
            case '\r': break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string FoldedLine(std::string_view line) {
    std::string folded;
    // The first line holds 75 octets, each continuation its space and 74.
    std::size_t room = kMaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && ContinuationByte(line[cut])) --cut;
        folded.append(line.substr(0, cut));
        folded += kLineEnd;
        folded += ' ';
        line.remove_prefix(cut);
        room = kMaxLineOctets - 1;
    }
    folded.append(line);
    folded += kLineEnd;
    return folded;
}

std::string HolidayCalendarFile(std::int16_t persianYear, const UtcTime& made) {
    const std::string year = FormatInt16(persianYear);
    std::string file;
    const auto add = [&file](std::string_view line) { file += FoldedLine(line); };
    add("BEGIN:VCALENDAR");
    add("VERSION:2.0");
    add("PRODID:-//Velmora//Iran public holidays//EN");
    add("CALSCALE:GREGORIAN");
    add("METHOD:PUBLISH");
    add("X-WR-CALNAME:" + EscapedText("Iran public holidays " + year));
    const std::string stamp = TimeValue(made);
    const std::vector<HolidayRow> rows = HolidayRows(persianYear);
    // An estimated day's event says, as the list does, by how much it may err.
    const std::optional<Note> estimatedNote = EstimatedDaysNote(rows);
    int ofSameDate = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HolidayRow& row = rows[i];
        const IranHoliday& h = row.holiday;
        ofSameDate = i > 0 && SameDate(rows[i - 1].holiday, h) ? ofSameDate + 1 : 1;
        add("BEGIN:VEVENT");
        add("UID:" + Uid(h, ofSameDate));
        add("DTSTAMP:" + stamp);
        add("DTSTART;VALUE=DATE:" + DateValue(h.day));
        add("DTEND;VALUE=DATE:" + DateValue(h.day + 1));
        add("SUMMARY:" + EscapedText(h.persianName));
        std::string description = std::string(h.englishName) + ". " + row.english.known + ". " +
                                  row.english.persianDate + "; " + row.english.lunarDate + ".";
        if (h.known == HolidayDayKnown::kEstimated && estimatedNote) description += ' ' + estimatedNote->english;
        add("DESCRIPTION:" + EscapedText(description));
        add("TRANSP:TRANSPARENT");
        add("END:VEVENT");
    }
    add("END:VCALENDAR");
    return file;
}

std::string HolidayCalendarFileName(std::int16_t persianYear) {
    return "iran-holidays-" + FormatInt16(persianYear) + ".ics";
}

}  // namespace velmora::window
