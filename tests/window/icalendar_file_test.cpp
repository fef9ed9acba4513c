// The iCalendar file read back by libical, and its folding and escaping
// checked octet by octet.
#include "window/icalendar_file.h"

#include "window/holiday_list.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <set>
#include <string>
#include <vector>

namespace velmora::window {
namespace {

constexpr UtcTime kMade{2026, 12, 9, 14, 30, 5};

// The physical lines of a file, each without its CRLF; a line end that is
// not CRLF fails the test.
std::vector<std::string> PhysicalLines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find('\n', start)) != std::string::npos; start = end + 1) {
        EXPECT_TRUE(end > start && file[end - 1] == '\r') << "a line end without CR at octet " << end;
        lines.push_back(file.substr(start, end - start - 1));
    }
    EXPECT_EQ(start, file.size()) << "the last line has no line end";
    return lines;
}

// A folded line whose text (after a continuation's space) begins with a
// UTF-8 continuation octet: a character was split.
bool StartsInsideCharacter(const std::string& line, bool continuation) {
    const std::size_t first = continuation ? 1 : 0;
    return line.size() > first && (static_cast<unsigned char>(line[first]) & 0xC0) == 0x80;
}

// The Julian Day Number of an iCalendar DATE, through the C library's clock.
JulianDayNumber DayOf(icaltimetype date) {
    return static_cast<JulianDayNumber>(icaltime_as_timet(date) / 86400 + 2440588);
}

struct Parsed {
    icalcomponent* calendar;
    ~Parsed() { icalcomponent_free(calendar); }
};

TEST(HolidayCalendarFile, Year1405ParsesWithOneEventAHoliday) {
    const std::vector<HolidayRow> rows = HolidayRows(1405);
    const std::string file = HolidayCalendarFile(1405, kMade);
    const Parsed parsed{icalparser_parse_string(file.c_str())};
    ASSERT_NE(parsed.calendar, nullptr);
    ASSERT_EQ(icalcomponent_isa(parsed.calendar), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(parsed.calendar), 0);
    EXPECT_STREQ(icalproperty_get_version(icalcomponent_get_first_property(parsed.calendar, ICAL_VERSION_PROPERTY)),
                 "2.0");
    EXPECT_NE(icalcomponent_get_first_property(parsed.calendar, ICAL_PRODID_PROPERTY), nullptr);
    std::set<std::string> uids;
    std::size_t i = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(parsed.calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr; event = icalcomponent_get_next_component(parsed.calendar, ICAL_VEVENT_COMPONENT), ++i) {
        ASSERT_LT(i, rows.size());
        const IranHoliday& h = rows[i].holiday;
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_TRUE(start.is_date);
        EXPECT_EQ(DayOf(start), h.day);
        EXPECT_EQ(DayOf(icalcomponent_get_dtend(event)), h.day + 1);
        EXPECT_EQ(icalcomponent_get_summary(event), std::string(h.persianName));
        const std::string description = icalcomponent_get_description(event);
        EXPECT_EQ(description.rfind(std::string(h.englishName) + ". " + rows[i].english.known, 0), 0u) << description;
        EXPECT_NE(icalcomponent_get_first_property(event, ICAL_DTSTAMP_PROPERTY), nullptr);
        uids.insert(icalcomponent_get_uid(event));
    }
    EXPECT_EQ(i, 30u);
    EXPECT_EQ(uids.size(), 30u);
    // Nowruz 1405 and Eid al-Fitr 1448: 2026-03-21 and 2027-03-10.
    EXPECT_EQ(rows.front().holiday.day, 2461121);
    EXPECT_NE(file.find("DTSTART;VALUE=DATE:20270310\r\n"), std::string::npos);
    EXPECT_NE(file.find("DTSTAMP:20261209T143005Z\r\n"), std::string::npos);
    // The same year made again has the same UIDs.
    EXPECT_EQ(HolidayCalendarFile(1405, UtcTime{2030, 1, 1, 0, 0, 0}).find("UID:20260321-persian-01-01-1@"),
              file.find("UID:20260321-persian-01-01-1@"));
}

TEST(HolidayCalendarFile, EveryYearParsesAndKeepsItsLinesShort) {
    for (std::int16_t year = kFirstIranHolidayYear; year <= kLastIranHolidayYear; ++year) {
        const std::string file = HolidayCalendarFile(year, kMade);
        for (const std::string& line : PhysicalLines(file)) {
            EXPECT_LE(line.size(), 75u) << year << ": " << line;
            EXPECT_FALSE(StartsInsideCharacter(line, line.starts_with(' '))) << year << ": " << line;
        }
        const Parsed parsed{icalparser_parse_string(file.c_str())};
        ASSERT_NE(parsed.calendar, nullptr) << year;
        EXPECT_EQ(icalcomponent_count_errors(parsed.calendar), 0) << year;
        EXPECT_EQ(static_cast<std::size_t>(icalcomponent_count_components(parsed.calendar, ICAL_VEVENT_COMPONENT)),
                  IranHolidaysOfYear(year).size())
            << year;
    }
}

TEST(FoldedLine, FoldsAt75OctetsBetweenCharactersAndUnfoldsBack) {
    // Two-octet Persian letters after 0 to 3 ASCII octets put a character
    // across every fold point in turn.
    for (std::size_t lead = 0; lead <= 3; ++lead) {
        for (std::size_t letters = 0; letters <= 120; ++letters) {
            std::string line(lead, 'A');
            for (std::size_t i = 0; i < letters; ++i) line += "\u0633";
            const std::string folded = FoldedLine(line);
            std::string unfolded;
            const std::vector<std::string> lines = PhysicalLines(folded);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(lines[i].size(), 75u);
                EXPECT_FALSE(StartsInsideCharacter(lines[i], i > 0)) << lead << ' ' << letters;
                unfolded += i == 0 ? lines[i] : lines[i].substr(1);
                if (i > 0) {
                    EXPECT_EQ(lines[i][0], ' ');
                }
            }
            EXPECT_EQ(unfolded, line);
            EXPECT_EQ(lines.size() == 1, line.size() <= 75) << lead << ' ' << letters;
        }
    }
}

TEST(EscapedText, EscapesTheFourSpecialCharacters) {
    EXPECT_EQ(EscapedText("a,b;c\\d\ne:f\"g"), "a\\,b\\;c\\\\d\\ne:f\"g");
    EXPECT_EQ(EscapedText("Mab'ath, the Prophet's mission"), "Mab'ath\\, the Prophet's mission");
}

}  // namespace
}  // namespace velmora::window
