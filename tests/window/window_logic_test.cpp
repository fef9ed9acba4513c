// The window logic driven through a fake widget set: the order in which a
// conversion reads and writes, the error report and the focus after it, the
// About box's one instance, and the program's lifetime.
#include "window/converter_window.h"
#include "window/program_lifetime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velmora::window {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Controls as a map of texts; every read and write is logged in order.
class FakeView final : public WindowView {
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
    void SetResultNote(std::string_view utf8) override { note = utf8; }

    std::map<std::string, std::string> texts{{"Label1", "YEAR"}, {"Label2", "MONTH"}, {"Label3", "DAY"}};
    std::map<std::string, std::string> descriptions;
    std::vector<std::string> log;
    std::string note;
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

struct RecordingMessageBox final : platform::MessageBox {
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

struct Fixture {
    FakeView view;
    FakeAboutView aboutView;
    RecordingMessageBox messageBox;
    Nothing nothing;
    platform::Services services{messageBox, nothing, nothing, nothing};
    int aboutsMade = 0;
    std::optional<frmAbout> about;
    Form1 form{view, services, [this]() -> frmAbout& {
                   ++aboutsMade;
                   return about.emplace(aboutView, services);
               }};

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
    f.form.Command2_Click();
    EXPECT_THAT(f.view.log, ElementsAre("read Text1", "read Text2", "read Text3", "write Text4", "write Text5",
                                        "write Text6", "write Label5"));
    EXPECT_THAT(f.Results(), ElementsAre("2003", "6", "9", "ميلادي"));
    EXPECT_EQ(f.view.descriptions["Text5"], "Month of the date in the Gregorian calendar");
    f.form.Command1_Click();
    EXPECT_THAT(f.Results(), ElementsAre("1424", "4", "8", "قمري"));
    f.form.Command3_Click();
    EXPECT_THAT(f.Results(), ElementsAre("5763", "10", "9", "هبريو"));
    EXPECT_EQ(f.view.texts["Text1"], "1382");
    EXPECT_TRUE(f.messageBox.shown.empty());
}

struct ErrorCase {
    const char* year;
    const char* month;
    const char* day;
    std::vector<std::string> log;  // reads, then the focus move, if any
    const char* firstLine;
};

class Form1Errors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Form1Errors, ReportStopsAtTheFaultyStepAndWritesNothing) {
    const ErrorCase& c = GetParam();
    Fixture f;
    f.Type("1382", "3", "19");
    f.form.Command2_Click();
    f.Type(c.year, c.month, c.day);
    f.form.Command1_Click();
    EXPECT_EQ(f.view.log, c.log);
    ASSERT_EQ(f.messageBox.shown.size(), 1u);
    EXPECT_THAT(f.messageBox.shown[0], StartsWith(std::string(c.firstLine) + "\n"));
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
    f.form.Command2_Click();
    ASSERT_EQ(f.messageBox.shown.size(), 1u);
    EXPECT_THAT(f.messageBox.shown[0], HasSubstr("YEAR"));
    EXPECT_THAT(f.messageBox.shown[0], HasSubstr("\u202A-32768\u202C"));
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
    EXPECT_THAT(f.messageBox.shown, ElementsAre("System Information Is Unavailable At This Time"));
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

}  // namespace
}  // namespace velmora::window
