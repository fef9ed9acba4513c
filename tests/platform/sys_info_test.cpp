// GetKeyValue and StartSysInfo against the platform's real registry, file
// look-up and launcher, with tools that note when they run. The same tables
// run on Linux (registry file) and on Windows (the registry, under Wine).
#include "platform_test_support.h"
#include "sys_info.h"
#include "tests/support/fixed_clock.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmora::test {
namespace {

using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegExpandSz;
using platform::kRegSz;

constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kTestKey = "SOFTWARE\\Velmora Test";

std::string WithNul(const std::string& text) { return text + '\0'; }
std::string Number(std::uint32_t n) {
    return {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8 & 0xFF), static_cast<char>(n >> 16 & 0xFF),
            static_cast<char>(n >> 24 & 0xFF)};
}
std::string Repeated(std::size_t count) { return std::string(count, 'x'); }

// ---- GetKeyValue: one value in, what the caller gets --------------------

struct ValueCase {
    const char* name;
    std::optional<StoredValue> stored;  // none: the key does not exist
    bool result;
    std::string keyVal;  // KeyVal starts as "before"
    bool raises = false;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) { return out << c.name; }

StoredValue Value(std::uint32_t type, std::string data) { return {kTestKey, "Value", type, std::move(data)}; }

const ValueCase kValueCases[] = {
    {"text with its NUL", Value(kRegSz, WithNul("abc")), true, "abc"},
    {"text without NUL", Value(kRegSz, "abc"), true, "abc"},
    {"only one trailing NUL goes", Value(kRegSz, std::string("a\0b\0\0", 5)), true, std::string("a\0b\0", 4)},
    {"number as unsigned decimal", Value(kRegDword, Number(10)), true, "10"},
    {"top bit set stays unsigned", Value(kRegDword, Number(0xFFFFFFFF)), true, "4294967295"},
    {"binary leaves the text", Value(kRegBinary, "xyz"), true, "before"},
    {"expandable text leaves the text", Value(kRegExpandSz, WithNul("%SystemRoot%")), true, "before"},
    {"1024 bytes fit", Value(kRegSz, WithNul(Repeated(1023))), true, Repeated(1023)},
#ifdef _WIN32
    // Windows' ANSI query adds the missing NUL and needs a byte more for it.
    {"1024 bytes without NUL", Value(kRegSz, Repeated(1024)), false, ""},
#else
    {"1024 bytes without NUL", Value(kRegSz, Repeated(1024)), true, Repeated(1024)},
#endif
    {"1025 bytes do not", Value(kRegSz, WithNul(Repeated(1024))), false, ""},
    {"other value of the key", StoredValue{kTestKey, "Other", kRegSz, WithNul("abc")}, false, ""},
    {"no such key", std::nullopt, false, ""},
    {"empty text raises", Value(kRegSz, ""), false, "before", true},
    {"empty binary raises", Value(kRegBinary, ""), false, "before", true},
};

class GetKeyValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTest, ReadsAsTheRulesSay) {
    const ValueCase& c = GetParam();
    const auto world = MakeSysInfoWorld();
    std::vector<StoredValue> stored;
    if (c.stored) stored.push_back(*c.stored);
    world->Store(stored);
    RecordingRegistry registry(world->registry());

    std::string keyVal = "before";
    if (c.raises) {
        EXPECT_THROW(platform::GetKeyValue(registry, platform::kHkeyLocalMachine, kTestKey, "Value", keyVal),
                     platform::InvalidArgumentError);
    } else {
        EXPECT_EQ(platform::GetKeyValue(registry, platform::kHkeyLocalMachine, kTestKey, "Value", keyVal), c.result);
    }
    EXPECT_EQ(keyVal, c.keyVal);
    EXPECT_EQ(registry.accessMasks, std::vector<std::uint32_t>{platform::kKeyRead});
    EXPECT_TRUE(registry.stillOpen.empty()) << "the key is closed on every path";
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(kValueCases));

// ---- StartSysInfo: registry contents in, what happens -------------------

struct SysInfoCase {
    const char* name;
    std::vector<StoredValue> stored;  // data may hold the world's placeholders
    std::vector<std::string> queried;  // value names read, in order
    std::optional<std::string> launched;  // the path handed to the launcher
    bool started;                         // the tool ran
    bool unavailable;                     // the message box was shown
};

std::ostream& operator<<(std::ostream& out, const SysInfoCase& c) { return out << c.name; }

StoredValue Path(std::uint32_t type, std::string data) { return {kToolKey, "PATH", type, std::move(data)}; }
StoredValue Folder(std::string data) { return {kFolderKey, "MSINFO", kRegSz, std::move(data)}; }

const std::vector<std::string> kFirstOnly{"PATH"};
const std::vector<std::string> kBoth{"PATH", "MSINFO"};
const std::vector<std::string> kFolderOnly{"MSINFO"};  // the first key is not there to query
const std::string kFolderTool = "{tool dir}\\MSINFO32.EXE";

const SysInfoCase kSysInfoCases[] = {
    {"neither key", {}, {}, std::nullopt, false, true},
    {"neither value",
     {StoredValue{kToolKey, "Other", kRegSz, WithNul("x")}, StoredValue{kFolderKey, "Other", kRegSz, WithNul("x")}},
     kBoth, std::nullopt, false, true},
    {"program path", {Path(kRegSz, WithNul("{tool}")), Folder(WithNul("{tool dir}"))}, kFirstOnly,
     "{tool}", true, false},
    {"program path without NUL", {Path(kRegSz, "{tool}")}, kFirstOnly, "{tool}", true, false},
    {"program path with blanks and ;", {Path(kRegSz, WithNul("{spaced tool}"))}, kFirstOnly, "{spaced tool}",
     true, false},
    {"program path not there, folder not consulted",
     {Path(kRegSz, WithNul("{missing}")), Folder(WithNul("{tool dir}"))}, kFirstOnly, "{missing}", false, true},
    {"folder holding the tool", {Folder(WithNul("{tool dir}"))}, kFolderOnly, kFolderTool, true, false},
    {"folder without the tool", {Folder(WithNul("{empty dir}"))}, kFolderOnly, std::nullopt, false, true},
    {"folder without NUL", {Folder("{tool dir}")}, kFolderOnly, kFolderTool, true, false},
    {"program path of another type launches nothing",
     {Path(kRegExpandSz, WithNul("{tool}")), Folder(WithNul("{tool dir}"))}, kFirstOnly, "", false, true},
    {"program path as a number", {Path(kRegDword, Number(10)), Folder(WithNul("{tool dir}"))}, kFirstOnly, "10",
     false, true},
    {"program path too long, folder used",
     {Path(kRegSz, WithNul("{tool}" + std::string(1100, ' '))), Folder(WithNul("{tool dir}"))}, kBoth, kFolderTool,
     true, false},
    {"program path of 1024 bytes is read", {Path(kRegSz, WithNul(Repeated(1023)))}, kFirstOnly, Repeated(1023),
     false, true},
    {"empty program path, folder not tried", {Path(kRegSz, ""), Folder(WithNul("{tool dir}"))}, kFirstOnly,
     std::nullopt, false, true},
};

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, LaunchesOrSaysItCannot) {
    const SysInfoCase& c = GetParam();
    const auto world = MakeSysInfoWorld();
    std::vector<StoredValue> stored = c.stored;
    for (StoredValue& value : stored) value.data = world->Resolve(value.data);
    world->Store(stored);
    RecordingRegistry registry(world->registry());
    RecordingLauncher launcher(world->launcher());
    RecordingAlert alert;
    test::FixedClock clock;
    test::MemorySaver saver;
    platform::Services services{alert, registry, world->files(), launcher, clock, saver};

    platform::StartSysInfo(services);

    EXPECT_EQ(registry.queried, c.queried);
    for (std::uint32_t access : registry.accessMasks) EXPECT_EQ(access, platform::kKeyRead);
    EXPECT_TRUE(registry.stillOpen.empty());
    if (c.launched) {
        EXPECT_EQ(launcher.attempted, std::vector<std::string>{world->Resolve(*c.launched)});
        EXPECT_EQ(launcher.windowStyles, std::vector<int>{platform::kNormalWindowWithFocus});
    } else {
        EXPECT_TRUE(launcher.attempted.empty());
    }
    if (c.started) EXPECT_TRUE(world->WaitUntilStarted(*launcher.attempted.begin()));
    else EXPECT_FALSE(world->AnyStarted());
    EXPECT_EQ(alert.shown, c.unavailable ? std::vector<std::string>{platform::kSysInfoUnavailable}
                                              : std::vector<std::string>{});
    EXPECT_FALSE(world->FileExists("pwned")) << "the path went through a shell";
}

INSTANTIATE_TEST_SUITE_P(Cases, StartSysInfoTest, ::testing::ValuesIn(kSysInfoCases));

// Nothing is kept between presses: the second press reads the registry anew.
TEST(StartSysInfoTest, EachPressLooksUpAfresh) {
    const auto world = MakeSysInfoWorld();
    RecordingRegistry registry(world->registry());
    RecordingLauncher launcher(world->launcher());
    RecordingAlert alert;
    test::FixedClock clock;
    test::MemorySaver saver;
    platform::Services services{alert, registry, world->files(), launcher, clock, saver};

    world->Store({});
    platform::StartSysInfo(services);
    EXPECT_EQ(alert.shown.size(), 1u);
    world->Store({Path(kRegSz, WithNul(world->Resolve("{tool}")))});
    platform::StartSysInfo(services);
    EXPECT_EQ(alert.shown.size(), 1u);
    EXPECT_TRUE(world->WaitUntilStarted(world->Resolve("{tool}")));
}

}  // namespace
}  // namespace velmora::test
