// The window logic driven through a fake widget set: the order in which a
// conversion reads and writes, the error report and the focus after it, the
// About box's one instance, and the program's lifetime.
#include "window/converter_window.h"
#include "window/program_life.h"
#include "tests/support/fixed_clock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <string>
#include <vector>

namespace velmora::window {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Controls as a map of texts; every read and write is logged in order. It
// serves Form1 and, with its window's life, the window "به هجری شمسی".
class FakeView final : public ToPersianView {
public:
    std::string Text(std::string_view control) override {
        log.push_back("read " + std::string(control));
        return texts[std::string(control)];
    }
    void SetText(std::string_view control, std::string_view utf8) override {
        log.push_back("write " + std::string(control));
        texts[std::string(control)] = utf8;
    }
    void SetDescription(std::string_view control, std::string_view utf8) override {
        descriptions[std::string(control)] = utf8;
    }
    void FocusAndSelectAll(std::string_view control) override { log.push_back("focus " + std::string(control)); }
    void SetResultNote(std::string_view utf8) override {
        note = utf8;
        noteShown = !note.empty();
    }
    void CopyToClipboard(std::string_view utf8) override { clipboard = utf8; }
    void SetCopyEnabled(bool enabled) override { copyEnabled = enabled; }
    bool IsLoaded() const override { return loaded; }
    void Load() override { log.push_back("load"); }
    void ShowAndRaise() override {
        loaded = true;
        log.push_back("show");
    }
    void Unload() override {
        loaded = false;
        log.push_back("unload");
    }
    bool DismissResultNote() override { return std::exchange(noteShown, false); }

    std::map<std::string, std::string> texts{{"Label1", "YEAR"},  {"Label2", "MONTH"},  {"Label3", "DAY"},
                                             {"lblYear", "YEAR"}, {"lblMonth", "MONTH"}, {"lblDay", "DAY"}};
    std::map<std::string, std::string> descriptions;
    std::vector<std::string> log;
    std::string note;
    bool noteShown = false;
    std::string clipboard;
    bool copyEnabled = false;
    bool loaded = false;
};

class FakeAboutView final : public AboutView {
public:
    bool IsLoaded() const override { return loaded; }
    void Load(bool atDesignPosition) override { log.push_back(atDesignPosition ? "load at design" : "load"); }
    void ShowAndRaise() override {
        loaded = true;
        log.push_back("show");
    }
    void Unload() override {
        loaded = false;
        log.push_back("unload");
    }
    void Focus(std::string_view control) override { log.push_back("focus " + std::string(control)); }

    bool loaded = false;
    std::vector<std::string> log;
};

struct RecordingAlert final : platform::Alert {
    void Show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

struct Nothing final : platform::Registry, platform::FileLookup, platform::ProgramLauncher {
    platform::RegistryResult OpenKey(platform::RegistryRoot, const std::string&, std::uint32_t, std::uint32_t,
                                     platform::RegistryKey&) override {
        return platform::kErrorFileNotFound;
    }
    platform::RegistryResult QueryValue(platform::RegistryKey, const std::string&, std::uint32_t&, unsigned char*,
                                        std::uint32_t&) override {
        return platform::kErrorInvalidHandle;
    }
    platform::RegistryResult CloseKey(platform::RegistryKey) override { return 0; }
    std::string FindFile(const std::string&, std::uint32_t) override { return ""; }
    void Launch(const std::string&, int) override {}
};

// The list window's controls as texts, its rows and the path the save
// dialog answers with.
class FakeHolidayView final : public HolidayListView {
public:
    std::string Text(std::string_view control) override { return texts[std::string(control)]; }
    void SetText(std::string_view control, std::string_view utf8) override { texts[std::string(control)] = utf8; }
    void SetDescription(std::string_view control, std::string_view utf8) override {
        descriptions[std::string(control)] = utf8;
    }
    void FocusAndSelectAll(std::string_view control) override { focused = control; }
    void SetResultNote(std::string_view) override {}
    void CopyToClipboard(std::string_view utf8) override { clipboard = utf8; }
    void SetCopyEnabled(bool enabled) override { commandsEnabled = enabled; }
    void SetRows(const std::vector<HolidayRow>& shown) override { rows = shown; }
    std::optional<std::string> AskSavePath(std::string_view proposedName) override {
        proposed = proposedName;
        return savePath;
    }
    bool IsLoaded() const override { return loaded; }
    void Load() override { ++loads; }
    void ShowAndRaise() override { loaded = true; }
    void Unload() override { loaded = false; }

    std::map<std::string, std::string> texts{{"lblYear", "YEAR"}};
    std::map<std::string, std::string> descriptions;
    std::string focused, clipboard, proposed;
    std::optional<std::string> savePath;
    std::vector<HolidayRow> rows;
    bool commandsEnabled = false, loaded = false;
    int loads = 0;
};

struct Fixture {
    FakeView view;
    FakeAboutView aboutView;
    RecordingAlert alert;
    Nothing nothing;
    test::FixedClock clock;
    test::MemorySaver saver;
    platform::Services services{alert, nothing, nothing, nothing, clock, saver};
    int aboutsMade = 0;
    std::optional<frmAbout> about;
    FakeView toPersianView;
    int toPersiansMade = 0;
    std::optional<frmToPersian> toPersian;
    FakeHolidayView holidayView;
    std::optional<HolidayListWindow> holidayList;
    Form1 form{view, services,
               [this]() -> frmAbout& {
                   ++aboutsMade;
                   return about.emplace(aboutView, services);
               },
               [this]() -> frmToPersian& {
                   ++toPersiansMade;
                   return toPersian.emplace(toPersianView, services);
               },
               [this]() -> HolidayListWindow& { return holidayList.emplace(holidayView, services); }};

    void Type(const char* year, const char* month, const char* day) {
        view.texts["Text1"] = year;
        view.texts["Text2"] = month;
        view.texts["Text3"] = day;
        view.log.clear();
    }
    std::vector<std::string> Results() {
        return {view.texts["Text4"], view.texts["Text5"], view.texts["Text6"], view.texts["Label5"]};
    }
};

// Expected dates from the calendars' published tables.
TEST(Form1Logic, EachButtonConvertsTheTypedDateAndWritesInOrder) {
    Fixture f;
    f.Type("1382", "3", "19");
    f.form.Convert(CalendarId::kGregorian);
    EXPECT_THAT(f.view.log, ElementsAre("read Text1", "read Text2", "read Text3", "write Text4", "write Text5",
                                        "write Text6", "write Label5"));
    EXPECT_THAT(f.Results(), ElementsAre("2003", "6", "9", "ميلادي"));
    EXPECT_THAT(f.view.descriptions["Text5"], EndsWith("\nMonth of the date in the Gregorian calendar: Monday 9 June 2003"));
    f.form.Convert(CalendarId::kIslamic);
    EXPECT_THAT(f.Results(), ElementsAre("1424", "4", "8", "قمري"));
    f.form.Convert(CalendarId::kHebrew);
    EXPECT_THAT(f.Results(), ElementsAre("5763", "10", "9", "هبريو"));
    EXPECT_EQ(f.view.texts["Text1"], "1382");
    EXPECT_TRUE(f.alert.shown.empty());
}

struct ErrorCase {
    const char* year;
    const char* month;
    const char* day;
    std::vector<std::string> log;  // reads, then the focus move, if any
    const char* firstLine;
};

// Test names and failure messages show the typed date.
void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class Form1Errors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Form1Errors, ReportStopsAtTheFaultyStepAndWritesNothing) {
    const ErrorCase& c = GetParam();
    Fixture f;
    f.Type("1382", "3", "19");
    f.form.Convert(CalendarId::kGregorian);
    f.Type(c.year, c.month, c.day);
    f.form.Convert(CalendarId::kIslamic);
    EXPECT_EQ(f.view.log, c.log);
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], StartsWith(std::string(c.firstLine) + "\n"));
    EXPECT_THAT(f.Results(), ElementsAre("2003", "6", "9", "ميلادي"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form1Errors,
    ::testing::Values(
        ErrorCase{"", "3", "19", {"read Text1", "read Label1", "focus Text1"}, "Type mismatch in the YEAR box"},
        ErrorCase{"1382", "40000", "1", {"read Text1", "read Text2", "read Label2", "focus Text2"},
                  "Overflow in the MONTH box"},
        // A lone UTF-16 surrogate as a toolkit hands it over: not UTF-8.
        ErrorCase{"1382", "3", "\xED\xA0\x80", {"read Text1", "read Text2", "read Text3", "read Label3", "focus Text3"},
                  "Type mismatch in the DAY box"},
        // The last Islamic year that fits 16 bits ends on 31792/8/8.
        ErrorCase{"31792", "8", "9", {"read Text1", "read Text2", "read Text3"}, "Overflow"}));

TEST(Form1Logic, InputErrorSaysInPersianWhichNumbersFit) {
    Fixture f;
    f.Type("x", "1", "1");
    f.form.Convert(CalendarId::kGregorian);
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], HasSubstr("YEAR"));
    EXPECT_THAT(f.alert.shown[0], HasSubstr("\u202A-32768\u202C"));
}

// The notes each date gets with each button: the English line's key words,
// none when the list is empty. Official readings by hand from the published
// Nowruz days (1 Farvardin 1404 is 21 March 2025, day 2460756, where the
// arithmetic calendar has 20 March) and ICU's Hebrew calendar; new moons
// from the series' published instants (lunation 1381 at 03:01:55 UT, 1440
// at 02:59:16 UT) and, for the months around them, from astronomical tables.
struct NoteCase {
    const char* year;
    const char* month;
    const char* day;
    CalendarId button;
    std::vector<std::string> notes;
    std::size_t noteCount = 0;  // when the key words are not one a note
};

constexpr CalendarId kIslamicButton = CalendarId::kIslamic;
constexpr CalendarId kGregorianButton = CalendarId::kGregorian;
constexpr CalendarId kHebrewButton = CalendarId::kHebrew;

void PrintTo(const NoteCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class ResultNotes : public ::testing::TestWithParam<NoteCase> {};

TEST_P(ResultNotes, SayWhatTheResultMeans) {
    const NoteCase& c = GetParam();
    Fixture f;
    f.view.note = "left over";
    f.Type(c.year, c.month, c.day);
    f.form.Convert(c.button);
    ASSERT_TRUE(f.alert.shown.empty());
    if (c.notes.empty()) {
        EXPECT_EQ(f.view.note, "");
        return;
    }
    for (const std::string& note : c.notes) EXPECT_THAT(f.view.note, HasSubstr(note));
    // Each note is a Persian and an English line, notes an empty line apart.
    const auto lines = std::count(f.view.note.begin(), f.view.note.end(), '\n');
    const std::size_t count = c.noteCount != 0 ? c.noteCount : c.notes.size();
    EXPECT_EQ(lines, static_cast<long>(3 * count - 2)) << f.view.note;
}

const char* const kOfficial14040510 = "In the official Iranian calendar, 1404/5/10 is another day: ";
const char* const kNotOfficial = "1404/12/30 does not exist in the official Iranian calendar";
const char* const kJulian = "This is a date of the Julian calendar";
const char* const kBeforeHebrewEra = "This day lies before the Hebrew era and has no Hebrew date.";
const char* const kUncertainIslamic = "This date may differ by a day";
const char* const kOfficialLunar = "In Iran's official lunar calendar this day is ";
const char* const kPublished = "The official date is as published in advance by the Center for Calendar.";
const char* const kNotYetPublished = "Iran's official lunar calendar for this month is not yet published.";
// Holidays of the official calendars: arithmetic 1404/12/30 is 20 March 2026,
// officially 1404/12/29; arithmetic 1403/12/30 carries to 20 March 2025,
// officially 1403/12/30; 1432/10/1 and 1443/10/1 are Eid al-Fitr.
const char* const kOilDay = "Public holiday in Iran: Oil Nationalization Day";
const char* const kYearEnd = "Public holiday in Iran: Year-end holiday";
const char* const kNowruz = "Public holiday in Iran: Nowruz";
const char* const kEidAlFitr = "Public holiday in Iran: Eid al-Fitr";
const char* const kEidAlFitrPublished =
    "Public holiday in Iran: Eid al-Fitr (its day as Iran's official lunar calendar was published in advance, not "
    "yet confirmed)";

INSTANTIATE_TEST_SUITE_P(
    Cases, ResultNotes,
    ::testing::Values(
        NoteCase{"1404", "5", "10", kGregorianButton, {std::string(kOfficial14040510) + "2025/8/1 Gregorian"}},
        // Official 1404/5/10 is 1 August 2025, 1447/2/7 in the official
        // lunar calendar (1447/2 published to begin on 26 July 2025).
        NoteCase{"1404", "5", "10", kIslamicButton,
                 {std::string(kOfficial14040510) + "1447/2/7 Islamic", "Iran's official lunar calendar", kPublished},
                 1},
        NoteCase{"1404", "5", "10", kHebrewButton, {std::string(kOfficial14040510) + "5785/11/7 Hebrew"}},
        NoteCase{"1404", "12", "30", kGregorianButton, {kNotOfficial, kOilDay}},
        NoteCase{"1404", "12", "30", kIslamicButton, {kNotOfficial, kOilDay}},
        NoteCase{"1404", "12", "30", kHebrewButton, {kNotOfficial, kOilDay}},
        // Official 1210 is a leap year and its 30 Esfand the day before the
        // published Nowruz of 21 March 1832; the arithmetic carries it to 19 March.
        NoteCase{"1210", "12", "30", kGregorianButton,
                 {"In the official Iranian calendar, 1210/12/30 is another day: 1832/3/20 Gregorian"}},
        // Official 1403 is a leap year: its 30 Esfand is the arithmetic 1404/1/1.
        // In the official lunar calendar 20 March 2025 is 1446/9/19.
        NoteCase{"1403", "12", "30", kGregorianButton, {kYearEnd}},
        NoteCase{"1403", "12", "30", kIslamicButton, {kOfficialLunar + std::string("1446/9/19"), kYearEnd}},
        NoteCase{"1403", "12", "30", kHebrewButton, {kYearEnd}}, NoteCase{"1405", "9", "17", kGregorianButton, {}},
        NoteCase{"1405", "9", "17", kIslamicButton, {}}, NoteCase{"1405", "9", "17", kHebrewButton, {}},
        // Carried through the arithmetic: no date in either calendar.
        NoteCase{"1382", "0", "0", kGregorianButton, {}},
        NoteCase{"900", "1", "1", kGregorianButton, {kJulian}},
        NoteCase{"961", "7", "22", kGregorianButton, {kJulian}},  // 4 October 1582
        NoteCase{"961", "7", "23", kGregorianButton, {}},         // 15 October 1582
        NoteCase{"-5000", "1", "1", kHebrewButton, {kBeforeHebrewEra}},
        // Before the official lunar table: 1255/10/1 (1218/9/17) starts at
        // lunation -743, whose new moon falls at 03:00:55 UT; 1218/9/16 is
        // the day before.
        NoteCase{"1218", "9", "17", kIslamicButton, {kUncertainIslamic}},
        NoteCase{"1218", "9", "16", kIslamicButton, {kUncertainIslamic}},
        NoteCase{"1218", "9", "15", kIslamicButton, {}},
        // After it: 1449/2/1 (1406/4/15) starts at lunation 1577, whose new
        // moon falls at 03:00:43 UT on 4 July 2027; 1406/4/14 is the day before.
        NoteCase{"1406", "4", "15", kIslamicButton, {kUncertainIslamic, kNotYetPublished}},
        NoteCase{"1406", "4", "14", kIslamicButton, {kUncertainIslamic, kNotYetPublished}},
        NoteCase{"1406", "4", "13", kIslamicButton, {kNotYetPublished}},
        NoteCase{"1218", "9", "17", kGregorianButton, {}}, NoteCase{"1218", "9", "17", kHebrewButton, {}},
        // Within it the official calendar settles the close calls: 1432/10/1
        // (lunation 1381) is official 1432/10/1, and 1437/9/1 (lunation 1440)
        // official 1437/8/30 (the table: 1437/9 began on 7 June 2016).
        NoteCase{"1390", "6", "9", kIslamicButton, {kEidAlFitr}},
        NoteCase{"1395", "3", "17", kIslamicButton, {kOfficialLunar + std::string("1437/8/30")}},
        // Official lunar dates from the table: 1446/9 began on 2 March 2025,
        // 1443/10 on 3 May 2022, 1447/10 (published) on 21 March 2026, and
        // 1448/6 on 11 November 2026 with 30 days; the table ends on 9 March 2027.
        NoteCase{"1403", "12", "12", kIslamicButton, {kOfficialLunar + std::string("1446/9/1 (Sunday 1 Ramadan 1446)")}},
        NoteCase{"1403", "12", "12", kGregorianButton, {}}, NoteCase{"1403", "12", "12", kHebrewButton, {}},
        NoteCase{"1401", "2", "13", kIslamicButton, {kOfficialLunar + std::string("1443/10/1"), kEidAlFitr}},
        // Nowruz 1405 and Eid al-Fitr 1447 on one day, each named.
        NoteCase{"1405", "1", "1", kIslamicButton,
                 {kOfficialLunar + std::string("1447/10/1"), kPublished, kNowruz, kEidAlFitrPublished}, 3},
        NoteCase{"1405", "9", "18", kIslamicButton, {}},
        NoteCase{"1405", "12", "18", kIslamicButton, {}},
        // Eid al-Fitr 1448 on 10 March 2027, the day after the table ends.
        NoteCase{"1405", "12", "19", kIslamicButton, {kNotYetPublished, kEidAlFitrPublished}},
        NoteCase{"1406", "6", "1", kIslamicButton, {kNotYetPublished}},
        NoteCase{"1406", "6", "1", kGregorianButton, {}}));

TEST(ResultNotesText, PersianLineKeepsDatesLeftToRight) {
    Fixture f;
    f.Type("1404", "5", "10");
    f.form.Convert(CalendarId::kGregorian);
    EXPECT_THAT(f.view.note, StartsWith("در تقویم رسمی ایران، \u202A۱۴۰۴/۵/۱۰\u202C روز دیگری است: "
                                        "\u202A۲۰۲۵/۸/۱\u202C میلادی."));
    f.Type("x", "5", "10");
    f.form.Convert(CalendarId::kGregorian);
    EXPECT_THAT(f.view.note, StartsWith("در تقویم رسمی ایران"));  // a failed conversion keeps it
}

// The result boxes' descriptions read the date out. Weekdays and Gregorian
// dates worked out by hand, Julian -78/3/25 from day 1692652, Hebrew months
// from ICU.
struct WordsCase {
    const char* year;
    const char* month;
    const char* day;
    CalendarId button;
    const char* description;  // of Text4
};

void PrintTo(const WordsCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class ResultWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(ResultWords, DescribeTheResultBoxes) {
    const WordsCase& c = GetParam();
    Fixture f;
    f.Type(c.year, c.month, c.day);
    f.form.Convert(c.button);
    EXPECT_EQ(f.view.descriptions["Text4"], c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResultWords,
    ::testing::Values(
        WordsCase{"1382", "3", "19", kGregorianButton,
                  "دوشنبه ۹ ژوئن ۲۰۰۳ میلادی\nYear of the date in the Gregorian calendar: Monday 9 June 2003"},
        WordsCase{"1382", "3", "19", kIslamicButton,
                  "دوشنبه ۸ ربیع\u200Cالثانی ۱۴۲۴ قمری\nYear of the date in the Islamic calendar: Monday 8 Rabi' "
                  "al-Thani 1424"},
        WordsCase{"1382", "3", "19", kHebrewButton,
                  "دوشنبه ۹ سیوان ۵۷۶۳ عبری\nYear of the date in the Hebrew calendar: Monday 9 Sivan 5763"},
        // Purim in a leap year (24 March 2024) and in a common year (14 March 2025).
        WordsCase{"1403", "1", "5", kHebrewButton,
                  "یکشنبه ۱۴ آدار دوم ۵۷۸۴ عبری\nYear of the date in the Hebrew calendar: Sunday 14 Adar II 5784"},
        WordsCase{"1403", "12", "24", kHebrewButton,
                  "جمعه ۱۴ آدار ۵۷۸۵ عبری\nYear of the date in the Hebrew calendar: Friday 14 Adar 5785"},
        WordsCase{"-700", "1", "1", kGregorianButton,
                  "پنجشنبه ۲۵ مارس \u202A-۷۸\u202C ژولینی\nYear of the date in the Julian calendar: Thursday 25 "
                  "March -78"},
        WordsCase{"-5000", "1", "1", kHebrewButton, "Year of the date in the Hebrew calendar"},
        // Fields -5377/-6/-25, out of their ranges.
        WordsCase{"-6000", "1", "1", kGregorianButton, "Year of the date in the Julian calendar"}));

// ---- The window "به هجری شمسی" -----------------------------------------

// The window opened from Form1's menu, with a date typed into it.
struct ToPersianFixture : Fixture {
    ToPersianFixture() {
        form.Menu_Click(MenuCommand::OpenToPersian);
        window = form.ToPersianWindow();
    }
    void TypeInWindow(const char* year, const char* month, const char* day) {
        toPersianView.texts["txtYear"] = year;
        toPersianView.texts["txtMonth"] = month;
        toPersianView.texts["txtDay"] = day;
        toPersianView.log.clear();
    }
    std::vector<std::string> PersianResults() {
        auto& t = toPersianView.texts;
        return {t["txtPersianYear"], t["txtPersianMonth"], t["txtPersianDay"], t["lblCalendar"]};
    }
    frmToPersian* window = nullptr;
};

constexpr CalendarId kFromIslamic = CalendarId::kIslamic;
constexpr CalendarId kFromGregorian = CalendarId::kGregorian;
constexpr CalendarId kFromHebrew = CalendarId::kHebrew;

TEST(ToPersianLogic, OpensOnceFromTheMenuWithTheFocusInTheYearBox) {
    ToPersianFixture f;
    ASSERT_NE(f.window, nullptr);
    f.form.Menu_Click(MenuCommand::OpenToPersian);
    EXPECT_EQ(f.toPersiansMade, 1);
    EXPECT_THAT(f.toPersianView.log, ElementsAre("load", "focus txtYear", "show", "show"));
    // Esc with no note closes it; the next open shows the same instance.
    f.window->Escape_Pressed();
    f.form.Menu_Click(MenuCommand::OpenToPersian);
    EXPECT_EQ(f.toPersiansMade, 1);
    EXPECT_THAT(f.toPersianView.log, ElementsAre("load", "focus txtYear", "show", "show", "unload", "load",
                                                 "focus txtYear", "show"));
}

// The same day, 9 June 2003, typed in each calendar (the dates Form1 gives
// for Persian 1382/3/19, Monday 19 Khordad 1382).
struct ToPersianCase {
    const char* year;
    const char* month;
    const char* day;
    CalendarId button;
};

void PrintTo(const ToPersianCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class ToPersianConversions : public ::testing::TestWithParam<ToPersianCase> {};

TEST_P(ToPersianConversions, GiveThePersianDateOfTheTypedDay) {
    const ToPersianCase& c = GetParam();
    ToPersianFixture f;
    f.TypeInWindow(c.year, c.month, c.day);
    f.window->Convert(c.button);
    EXPECT_TRUE(f.alert.shown.empty());
    EXPECT_THAT(f.toPersianView.log,
                ElementsAre("read txtYear", "read txtMonth", "read txtDay", "write txtPersianYear",
                            "write txtPersianMonth", "write txtPersianDay", "write lblCalendar"));
    EXPECT_THAT(f.PersianResults(), ElementsAre("1382", "3", "19", "هجری شمسی"));
    EXPECT_EQ(f.toPersianView.descriptions["txtPersianMonth"],
              "دوشنبه ۱۹ خرداد ۱۳۸۲ هجری شمسی\nMonth of the date in the Persian calendar: Monday 19 Khordad 1382");
    EXPECT_EQ(f.toPersianView.note, "");
    EXPECT_TRUE(f.toPersianView.copyEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToPersianConversions,
                         ::testing::Values(ToPersianCase{"2003", "6", "9", kFromGregorian},
                                           ToPersianCase{"۱۴۲۴", "۴", "۸", kFromIslamic},
                                           ToPersianCase{"5763", "10", "9", kFromHebrew}));

// Dates that their calendar does not have, and input that is no number: the
// box to correct and the report's first line; nothing is written.
struct ToPersianErrorCase {
    const char* year;
    const char* month;
    const char* day;
    CalendarId button;
    const char* box;
    const char* firstLine;
};

void PrintTo(const ToPersianErrorCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class ToPersianErrors : public ::testing::TestWithParam<ToPersianErrorCase> {};

TEST_P(ToPersianErrors, ReportTheBoxToCorrectAndWriteNothing) {
    const ToPersianErrorCase& c = GetParam();
    ToPersianFixture f;
    f.TypeInWindow("2003", "6", "9");
    f.window->Convert(CalendarId::kGregorian);
    f.TypeInWindow(c.year, c.month, c.day);
    f.window->Convert(c.button);
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], StartsWith(std::string(c.firstLine) + "\n"));
    EXPECT_THAT(f.PersianResults(), ElementsAre("1382", "3", "19", "هجری شمسی"));
    EXPECT_EQ(f.toPersianView.log.back(), "focus " + std::string(c.box));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPersianErrors,
    ::testing::Values(
        ToPersianErrorCase{"1446", "9", "31", kFromIslamic, "txtDay",
                           "Not a date of the Islamic calendar: see the DAY box"},
        ToPersianErrorCase{"2023", "2", "29", kFromGregorian, "txtDay",
                           "Not a date of the Gregorian calendar: see the DAY box"},
        // The ten days the Gregorian reform left out.
        ToPersianErrorCase{"1582", "10", "10", kFromGregorian, "txtDay",
                           "Not a date of the Gregorian calendar: see the DAY box"},
        // 5785 is a common year: twelve months.
        ToPersianErrorCase{"5785", "13", "1", kFromHebrew, "txtMonth",
                           "Not a date of the Hebrew calendar: see the MONTH box"},
        ToPersianErrorCase{"0", "1", "1", kFromIslamic, "txtYear",
                           "Not a date of the Islamic calendar: see the YEAR box"},
        ToPersianErrorCase{"0", "1", "1", kFromHebrew, "txtYear",
                           "Not a date of the Hebrew calendar: see the YEAR box"},
        // About Persian year -32680, before the first one the arithmetic counts.
        ToPersianErrorCase{"-32000", "1", "1", kFromGregorian, "txtYear",
                           "This day lies outside the Persian years Velmora counts"},
        ToPersianErrorCase{"", "1", "1", kFromHebrew, "txtYear", "Type mismatch in the YEAR box"},
        ToPersianErrorCase{"2003", "40000", "1", kFromGregorian, "txtMonth", "Overflow in the MONTH box"}));

TEST(ToPersianLogic, InvalidDateSaysSoInPersianWithTheDate) {
    ToPersianFixture f;
    f.TypeInWindow("1446", "9", "31");
    f.window->Convert(CalendarId::kIslamic);
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], EndsWith("\nتاریخ \u202A۱۴۴۶/۹/۳۱\u202C در تقویم قمری وجود ندارد؛ عدد خانه DAY "
                                           "را درست کنید."));
}

// Notes, by hand from the published Nowruz days: 1 Farvardin 1404 is
// 21 March 2025 officially, a day after the arithmetic calendar's.
struct ToPersianNoteCase {
    const char* year;
    const char* month;
    const char* day;
    std::vector<std::string> result;
    std::vector<std::string> notes;  // key words of the English lines
    CalendarId button = kFromGregorian;
};

void PrintTo(const ToPersianNoteCase& c, std::ostream* out) { *out << c.year << '/' << c.month << '/' << c.day; }

class ToPersianNotes : public ::testing::TestWithParam<ToPersianNoteCase> {};

TEST_P(ToPersianNotes, SayWhatTheResultMeans) {
    const ToPersianNoteCase& c = GetParam();
    ToPersianFixture f;
    f.TypeInWindow(c.year, c.month, c.day);
    f.window->Convert(c.button);
    ASSERT_TRUE(f.alert.shown.empty()) << f.alert.shown[0];
    std::vector<std::string> result = f.PersianResults();
    result.pop_back();
    EXPECT_EQ(result, c.result);
    for (const std::string& note : c.notes) EXPECT_THAT(f.toPersianView.note, HasSubstr(note));
    const auto lines = std::count(f.toPersianView.note.begin(), f.toPersianView.note.end(), '\n');
    EXPECT_EQ(lines, c.notes.empty() ? 0 : static_cast<long>(3 * c.notes.size() - 2)) << f.toPersianView.note;
}

const char* const kReadAsJulian = "Dates up to 4 October 1582 are read in the Julian calendar";

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPersianNotes,
    ::testing::Values(
        ToPersianNoteCase{"2025", "3", "20", {"1404", "1", "1"},
                          {"In the official Iranian calendar this day is 1403/12/30.", kYearEnd}},
        ToPersianNoteCase{"2025", "3", "21", {"1404", "1", "2"},
                          {"In the official Iranian calendar this day is 1404/1/1.", kNowruz}},
        ToPersianNoteCase{"2026", "3", "21", {"1405", "1", "1"}, {kNowruz, kEidAlFitrPublished}},
        ToPersianNoteCase{"1582", "10", "4", {"961", "7", "22"}, {kReadAsJulian}},
        ToPersianNoteCase{"1582", "10", "15", {"961", "7", "23"}, {}},
        // 20 March 2025 (1404/1/1) is officially 1446/9/19, the computed
        // calendar's 1446/9/20.
        ToPersianNoteCase{"1446", "9", "19", {"1403", "12", "29"},
                          {"In Iran's official lunar calendar, 1446/9/19 is another day: 1404/1/1 Persian", kOilDay},
                          kFromIslamic},
        ToPersianNoteCase{"1424", "4", "8", {"1382", "3", "19"}, {}, kFromIslamic}));

TEST(ToPersianLogic, EscDismissesTheNoteFirstThenCloses) {
    ToPersianFixture f;
    f.TypeInWindow("2025", "3", "20");
    f.window->Convert(CalendarId::kGregorian);
    ASSERT_TRUE(f.toPersianView.noteShown);
    f.window->Escape_Pressed();
    EXPECT_FALSE(f.toPersianView.noteShown);
    EXPECT_TRUE(f.toPersianView.loaded);
    f.window->Escape_Pressed();
    EXPECT_FALSE(f.toPersianView.loaded);
}

// ---- The copy command ------------------------------------------------------

TEST(CopyCommand, PutsTheLastResultWithItsWordsOnOneLine) {
    Fixture f;
    f.form.Menu_Click(MenuCommand::CopyResult);
    EXPECT_EQ(f.view.clipboard, "");
    EXPECT_FALSE(f.view.copyEnabled);
    f.Type("1382", "3", "19");
    f.form.Convert(CalendarId::kGregorian);
    f.Type("x", "3", "19");
    f.form.Convert(CalendarId::kGregorian);  // a failure keeps the last result
    f.form.Menu_Click(MenuCommand::CopyResult);
    EXPECT_TRUE(f.view.copyEnabled);
    EXPECT_EQ(f.view.clipboard, "2003/6/9 Monday 9 June 2003 (Gregorian), دوشنبه ۹ ژوئن ۲۰۰۳ میلادی");
    f.Type("-5000", "1", "1");
    f.form.Convert(CalendarId::kHebrew);  // no words for 0 0 0
    f.form.Menu_Click(MenuCommand::CopyResult);
    EXPECT_EQ(f.view.clipboard, "0/0/0");

    ToPersianFixture g;
    g.TypeInWindow("2003", "6", "9");
    g.window->Convert(CalendarId::kGregorian);
    g.window->Menu_Click(MenuCommand::CopyResult);
    EXPECT_EQ(g.toPersianView.clipboard, "1382/3/19 Monday 19 Khordad 1382 (Persian), دوشنبه ۱۹ خرداد ۱۳۸۲ هجری شمسی");
}

TEST(AboutLogic, OneInstanceShownAgainAfterUnload) {
    Fixture f;
    f.form.Command4_Click();
    f.form.Command4_Click();
    EXPECT_EQ(f.aboutsMade, 1);
    ASSERT_NE(f.form.AboutBox(), nullptr);
    f.form.AboutBox()->cmdOK_Click();
    f.form.Command4_Click();
    EXPECT_EQ(f.aboutsMade, 1);
    EXPECT_THAT(f.aboutView.log,
                ElementsAre("load at design", "focus cmdOK", "show", "show", "unload", "load", "focus cmdOK", "show"));
}

TEST(AboutLogic, SysInfoWithoutRegistryValuesSaysItIsUnavailable) {
    Fixture f;
    f.form.Command4_Click();
    f.form.AboutBox()->cmdSysInfo_Click();
    EXPECT_THAT(f.alert.shown, ElementsAre("System Information Is Unavailable At This Time"));
    EXPECT_TRUE(f.aboutView.loaded);
}

TEST(ProgramLifetimeRule, EndsOnceWhenTheLastLoadedWindowIsUnloaded) {
    int ends = 0;
    ProgramLifetime lifetime([&] { ++ends; });
    const int form = 0, about = 0;
    lifetime.Loaded(&form);
    lifetime.Unloaded(&about);  // never loaded: changes nothing
    lifetime.Loaded(&about);
    lifetime.Unloaded(&form);
    EXPECT_EQ(ends, 0);
    lifetime.Unloaded(&about);
    lifetime.Unloaded(&about);
    EXPECT_EQ(ends, 1);
}

bool HasControl(const WindowDesign& design, std::string_view name) { return ControlId(design, name).has_value(); }

// Every button, box and label a toolkit wires from a converter design is a
// control of that window, with a screen-reader text for each button: a row added to the calendar table cannot leave a dead button.
TEST(ConverterDesigns, NameOnlyControlsOfTheirWindow) {
    Fixture f;
    f.form.Menu_Click(MenuCommand::OpenToPersian);
    for (const ConverterPane* pane : {static_cast<const ConverterPane*>(&f.form),
                                      static_cast<const ConverterPane*>(f.form.ToPersianWindow())}) {
        const ConverterDesign& d = pane->Design();
        SCOPED_TRACE(d.window.caption);
        ASSERT_EQ(d.buttons.size(), kCalendars.size());
        for (std::size_t i = 0; i < d.buttons.size(); ++i) {
            EXPECT_EQ(d.buttons[i].calendar, kCalendars[i].id);
            EXPECT_TRUE(HasControl(d.window, d.buttons[i].control)) << d.buttons[i].control;
            EXPECT_TRUE(std::any_of(d.accessibleTexts.begin(), d.accessibleTexts.end(),
                                    [&](const AccessibleText& t) { return t.control == std::string_view(d.buttons[i].control); }));
        }
        for (const char* box : d.resultBoxes) EXPECT_TRUE(HasControl(d.window, box)) << box;
        for (const InputBox& input : d.inputs) EXPECT_TRUE(HasControl(d.window, input.box) && HasControl(d.window, input.heading));
        for (const Buddy& buddy : d.buddies) EXPECT_TRUE(HasControl(d.window, buddy.label) && HasControl(d.window, buddy.box));
        EXPECT_TRUE(HasControl(d.window, d.resultLabel));
    }
}

TEST(Form1Logic, EscapeDismissesAShownNoteAndNothingElse) {
    Fixture f;
    f.Type("1404", "5", "10");
    f.form.Convert(CalendarId::kGregorian);
    EXPECT_TRUE(f.form.Escape_Pressed());
    EXPECT_FALSE(f.form.Escape_Pressed());
}

// ---- Today and the holiday list ------------------------------------------

// The fixed clock's local day against the dates Ctrl+T types. The arithmetic
// 1404/1/1 is 20 March 2025, and the arithmetic 1404 is a leap year.
struct TodayCase {
    platform::CivilTime local;
    std::vector<std::string> persian;  // Form1's boxes
    std::int16_t currentYear;          // the official Persian year of the day
};

class Today : public ::testing::TestWithParam<TodayCase> {};

TEST_P(Today, FillsTheBoxesAndPicksTheYearOfTheList) {
    const TodayCase& c = GetParam();
    Fixture f;
    f.clock.local = c.local;
    f.form.Menu_Click(MenuCommand::FillToday);
    EXPECT_EQ((std::vector<std::string>{f.view.texts["Text1"], f.view.texts["Text2"], f.view.texts["Text3"]}), c.persian);
    f.form.Menu_Click(MenuCommand::OpenToPersian);
    f.form.ToPersianWindow()->Menu_Click(MenuCommand::FillToday);
    auto& t = f.toPersianView.texts;
    EXPECT_EQ((std::vector<std::string>{t["txtYear"], t["txtMonth"], t["txtDay"]}),
              (std::vector<std::string>{FormatInt16(c.local.year), FormatInt16(c.local.month), FormatInt16(c.local.day)}));
    f.view.texts["Text1"] = "";  // no year typed: the current one
    f.form.Menu_Click(MenuCommand::OpenHolidayList);
    EXPECT_EQ(f.holidayView.texts["txtYear"], FormatInt16(c.currentYear));
    EXPECT_TRUE(f.alert.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Today,
                         ::testing::Values(TodayCase{{2025, 3, 19, 23, 59, 0}, {"1403", "12", "29"}, 1403},
                                           TodayCase{{2025, 3, 20, 0, 0, 0}, {"1404", "1", "1"}, 1403},
                                           TodayCase{{2026, 3, 20, 12, 0, 0}, {"1404", "12", "30"}, 1404},
                                           TodayCase{{2026, 3, 21, 9, 30, 0}, {"1405", "1", "1"}, 1405}));

// The list opened from Form1: its year, rows, message and commands.
struct HolidayListFixture : Fixture {
    HolidayListWindow& Open(const char* typedYear) {
        view.texts["Text1"] = typedYear;
        form.Menu_Click(MenuCommand::OpenHolidayList);
        return *form.HolidayList();
    }
    void ListTyped(const char* year) {
        holidayView.texts["txtYear"] = year;
        form.HolidayList()->cmdShow_Click();
    }
};

TEST(HolidayListLogic, OpensOnTheTypedYearOnceAndClosesOnEsc) {
    HolidayListFixture f;
    HolidayListWindow& list = f.Open("1405");
    EXPECT_TRUE(f.holidayView.loaded);
    EXPECT_EQ(f.holidayView.focused, "txtYear");
    EXPECT_EQ(f.holidayView.texts["txtYear"], "1405");
    EXPECT_EQ(f.holidayView.rows.size(), 30u);
    EXPECT_EQ(f.holidayView.texts["lblMessage"], "");
    EXPECT_TRUE(f.holidayView.commandsEnabled);
    EXPECT_EQ(&f.Open("1404"), &list);  // one instance, now on 1404
    EXPECT_EQ(f.holidayView.texts["txtYear"], "1404");
    EXPECT_EQ(f.holidayView.loads, 1);
    EXPECT_TRUE(list.Escape_Pressed());
    EXPECT_FALSE(f.holidayView.loaded);
}

// Outside 1369..1498 a message stands in for the rows, and there is nothing
// to copy or save; an estimated year says how far its lunar days may be off.
TEST(HolidayListLogic, SaysWhyAYearHasNoRowsAndWhenDaysAreEstimated) {
    struct Case {
        const char* year;
        bool rows;
        const char* message;  // in its English line
    };
    const Case cases[] = {{"1368", false, "Public holidays are listed for the years 1369 to 1498 only"},
                          {"1369", true, ""},
                          {"1498", true, "may begin a day later: in 1423-1446"},
                          {"1499", false, "Public holidays are listed for the years 1369 to 1498 only"},
                          {"-32768", false, "Public holidays are listed"}};
    HolidayListFixture f;
    f.Open("1405");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        f.holidayView.clipboard.clear();
        f.ListTyped(c.year);
        EXPECT_EQ(!f.holidayView.rows.empty(), c.rows);
        EXPECT_EQ(f.holidayView.commandsEnabled, c.rows);
        EXPECT_THAT(f.holidayView.texts["lblMessage"], HasSubstr(c.message));
        f.form.HolidayList()->Menu_Click(MenuCommand::CopyHolidayList);
        EXPECT_EQ(f.holidayView.clipboard.empty(), !c.rows);
    }
    EXPECT_TRUE(f.alert.shown.empty());
}

TEST(HolidayListLogic, AYearThatIsNoNumberGetsTheInputReportAndKeepsTheList) {
    HolidayListFixture f;
    f.Open("1405");
    f.ListTyped("۱۴۰۵x");
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], StartsWith("Type mismatch in the YEAR box\n"));
    EXPECT_EQ(f.holidayView.focused, "txtYear");
    EXPECT_EQ(f.holidayView.rows.size(), 30u);
    EXPECT_EQ(f.form.HolidayList()->ListedYear(), std::optional<std::int16_t>(1405));
}

// The file holds the listed year, stamped with the clock's UTC time; a
// cancelled dialog saves nothing and a failed save says why.
TEST(HolidayListLogic, SavesTheListedYearOrSaysWhyItCannot) {
    HolidayListFixture f;
    f.Open("1405");
    f.holidayView.texts["txtYear"] = "1406";  // typed, not listed
    f.form.HolidayList()->Menu_Click(MenuCommand::SaveCalendarFile);
    EXPECT_EQ(f.holidayView.proposed, "iran-holidays-1405.ics");
    EXPECT_TRUE(f.saver.files.empty());
    f.holidayView.savePath = "/somewhere/h.ics";
    f.form.HolidayList()->Menu_Click(MenuCommand::SaveCalendarFile);
    const std::string& file = f.saver.files["/somewhere/h.ics"];
    EXPECT_THAT(file, HasSubstr("DTSTART;VALUE=DATE:20260321\r\n"));
    EXPECT_THAT(file, HasSubstr("DTSTAMP:20260321T060000Z\r\n"));
    f.saver.failure = "Cannot save /somewhere/h.ics: Permission denied";
    f.form.HolidayList()->Menu_Click(MenuCommand::SaveCalendarFile);
    ASSERT_EQ(f.alert.shown.size(), 1u);
    EXPECT_THAT(f.alert.shown[0], StartsWith("Cannot save /somewhere/h.ics: Permission denied\n"));
    EXPECT_THAT(f.alert.shown[0], HasSubstr("ذخیره نشد"));
}

}  // namespace
}  // namespace velmora::window
