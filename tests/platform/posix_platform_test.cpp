// The POSIX services on their own: where the registry file is, how it reads
// and refuses, and how files are found and programs started.
#include "platform_test_support.h"
#include "posix/file_registry.h"
#include "posix/posix_clock.h"
#include "posix/posix_file_lookup.h"
#include "posix/posix_launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using namespace velmora::platform;

// Sets or unsets environment variables for one test, restoring them after.
class ScopedEnvironment {
public:
    void Set(const char* name, const char* value) {
        if (const char* old = std::getenv(name)) saved_.emplace_back(name, std::string(old));
        else saved_.emplace_back(name, std::nullopt);
        if (value != nullptr) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else ::unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "velmora-posix-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    std::string Write(const std::string& name, const std::string& text, fs::perms perms = fs::perms::owner_read |
                                                                                     fs::perms::owner_write) const {
        const fs::path file = path_ / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        fs::permissions(file, perms);
        return file.string();
    }

private:
    fs::path path_;
};

struct PathCase {
    const char* name;
    const char* velmoraRegistry;
    const char* xdgConfigHome;
    const char* home;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const PathCase& c) { return out << c.name; }

const PathCase kPathCases[] = {
    {"named by VELMORA_REGISTRY", "/etc/v.reg", "/x", "/h", "/etc/v.reg"},
    {"below XDG_CONFIG_HOME", nullptr, "/x", "/h", "/x/velmora/registry.reg"},
    {"empty VELMORA_REGISTRY is unset", "", "/x", "/h", "/x/velmora/registry.reg"},
    {"below HOME's .config", nullptr, nullptr, "/h", "/h/.config/velmora/registry.reg"},
    {"empty XDG_CONFIG_HOME is unset", nullptr, "", "/h", "/h/.config/velmora/registry.reg"},
    {"none at all", nullptr, nullptr, nullptr, ""},
};

class RegistryFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(RegistryFilePathTest, FollowsTheEnvironment) {
    const PathCase& c = GetParam();
    ScopedEnvironment environment;
    environment.Set("VELMORA_REGISTRY", c.velmoraRegistry);
    environment.Set("XDG_CONFIG_HOME", c.xdgConfigHome);
    environment.Set("HOME", c.home);
    EXPECT_EQ(DefaultRegistryFilePath(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Environment, RegistryFilePathTest, ::testing::ValuesIn(kPathCases));

constexpr const char* kGoodFile =
    "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A\\B]\n\"V\"=\"some text\"\n";

TEST(FileRegistryTest, MissingFileIsAnEmptyRegistryWithoutComplaint) {
    TempFolder folder;
    FileRegistry registry((folder / "absent.reg").string());
    RegistryKey key = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE", 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(FileRegistryTest, MalformedFileIsEmptyWithOneLineNamingFileAndLine) {
    TempFolder folder;
    const std::string path = folder.Write("bad.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"V\"=junk\n");
    FileRegistry registry(path);
    RegistryKey key = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A", 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A", 0, kKeyRead, key), kErrorFileNotFound);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.find("velmora: " + path + ":3: "), 0u) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << "the same fault is reported once";
}

TEST(FileRegistryTest, ReadsKeysValuesAndSizes) {
    TempFolder folder;
    FileRegistry registry(folder.Write("good.reg", kGoodFile));
    RegistryKey key = 0;
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "software\\a", 0, kKeyRead, key), kRegistrySuccess)
        << "a key above a written one exists";
    EXPECT_EQ(registry.CloseKey(key), kRegistrySuccess);
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\C", 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(registry.OpenKey(kHkeyCurrentUser, "SOFTWARE\\A\\B", 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(registry.OpenKey(0x12345678, "SOFTWARE\\A\\B", 0, kKeyRead, key), kErrorInvalidHandle);

    ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, kKeyRead, key), kRegistrySuccess);
    unsigned char data[16] = {};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(registry.QueryValue(key, "v", type, data, size), kErrorMoreData);
    EXPECT_EQ(size, 10u);  // "some text" and its NUL
    size = sizeof data;
    EXPECT_EQ(registry.QueryValue(key, "V", type, data, size), kRegistrySuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), std::string("some text\0", 10));
    EXPECT_EQ(registry.QueryValue(key, "W", type, data, size), kErrorFileNotFound);
    EXPECT_EQ(registry.CloseKey(key), kRegistrySuccess);
    EXPECT_EQ(registry.CloseKey(key), kErrorInvalidHandle);
    EXPECT_EQ(registry.QueryValue(key, "V", type, data, size), kErrorInvalidHandle);
}

// The file is read-only: a mask with write rights, such as 0x2003F
// (KEY_READ | KEY_WRITE | KEY_CREATE_LINK), is refused as it is for a
// normal user under HKEY_LOCAL_MACHINE.
TEST(FileRegistryTest, RefusesWriteRights) {
    TempFolder folder;
    FileRegistry registry(folder.Write("good.reg", kGoodFile));
    RegistryKey key = 0;
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, 0x2003F, key), kErrorAccessDenied);
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, 0x20006, key), kErrorAccessDenied);
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, kKeyRead | 0x0100, key), kRegistrySuccess);
}

TEST(FileRegistryTest, SeesEditsAtTheNextOpen) {
    TempFolder folder;
    const std::string path = folder.Write("r.reg", "REGEDIT4\n");
    FileRegistry registry(path);
    RegistryKey key = 0;
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, kKeyRead, key), kErrorFileNotFound);
    folder.Write("r.reg", kGoodFile);
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\A\\B", 0, kKeyRead, key), kRegistrySuccess);
}

TEST(PosixFileLookupTest, FindsRegularFilesByExactName) {
    TempFolder folder;
    const std::string file = folder.Write("tools/MSINFO32.EXE", "x");
    fs::create_directories(folder / "dir.exe");
    fs::create_symlink(file, folder / "link.exe");
    PosixFileLookup lookup;
    EXPECT_EQ(lookup.FindFile(file, kNormalFileAttributes), "MSINFO32.EXE");
    EXPECT_EQ(lookup.FindFile((folder / "tools").string() + "\\MSINFO32.EXE", kNormalFileAttributes), "MSINFO32.EXE");
    EXPECT_EQ(lookup.FindFile((folder / "link.exe").string(), kNormalFileAttributes), "link.exe");
    EXPECT_EQ(lookup.FindFile((folder / "tools/msinfo32.exe").string(), kNormalFileAttributes), "");
    EXPECT_EQ(lookup.FindFile((folder / "tools/*.EXE").string(), kNormalFileAttributes), "");
    EXPECT_EQ(lookup.FindFile((folder / "dir.exe").string(), kNormalFileAttributes), "");
    EXPECT_EQ(lookup.FindFile((folder / "tools").string(), kNormalFileAttributes), "");
    EXPECT_EQ(lookup.FindFile("", kNormalFileAttributes), "");
}

constexpr fs::perms kExecutable = fs::perms::owner_all;

TEST(PosixLauncherTest, StartsDetachedInItsOwnSession) {
    const auto world = MakeSysInfoWorld();
    const std::string tool = world->Resolve("{tool}");
    PosixLauncher launcher;
    launcher.Launch(tool, kNormalWindowWithFocus);
    ASSERT_TRUE(world->WaitUntilStarted(tool));
    std::ifstream marker(tool + ".launched");
    long parent = 0, session = 0;
    marker >> parent >> session;
    EXPECT_NE(parent, static_cast<long>(::getpid())) << "not our child: nobody waits for it";
    EXPECT_NE(session, static_cast<long>(::getsid(0))) << "a session of its own";
}

TEST(PosixLauncherTest, BackslashesBecomeSlashes) {
    const auto world = MakeSysInfoWorld();
    const std::string folderTool = world->Resolve("{tool dir}\\MSINFO32.EXE");
    PosixLauncher launcher;
    launcher.Launch(folderTool, kNormalWindowWithFocus);
    EXPECT_TRUE(world->WaitUntilStarted(folderTool));
}

TEST(PosixLauncherTest, RaisesWhenItCannotStart) {
    TempFolder folder;
    const std::string plain = folder.Write("plain", "#!/bin/sh\n");
    const std::string noInterpreter = folder.Write("no-interpreter", "#!/nonexistent/sh\n", kExecutable);
    const std::string noShebang = folder.Write("no-shebang", "touch \"$0.ran\"\n", kExecutable);
    PosixLauncher launcher;
    for (const std::string& path : {(folder / "absent").string(), (folder / "").string(), plain, noInterpreter, noShebang,
                                    std::string(), std::string("a\0b", 3)}) {
        EXPECT_THROW(launcher.Launch(path, kNormalWindowWithFocus), LaunchError) << path;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(noShebang + ".ran")) << "text without #! is not handed to a shell";
}

// The local time follows TZ: Tehran has kept UTC+3:30 all year since 2022.
TEST(PosixClockTest, LocalTimeIsTheUtcTimeInTheTimeZone) {
    ScopedEnvironment environment;
    environment.Set("TZ", "Asia/Tehran");
    ::tzset();
    PosixClock clock;
    const auto minutes = [](const CivilTime& t) {
        using namespace std::chrono;
        const sys_days day{year{t.year} / month{static_cast<unsigned>(t.month)} / static_cast<unsigned>(t.day)};
        return day.time_since_epoch().count() * 1440 + t.hour * 60 + t.minute;
    };
    long difference = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {  // again if a minute turned in between
        const CivilTime utc = clock.UtcNow();
        const CivilTime local = clock.LocalNow();
        if (clock.UtcNow().minute != utc.minute) continue;
        difference = minutes(local) - minutes(utc);
        break;
    }
    EXPECT_EQ(difference, 210);
    environment.Set("TZ", nullptr);
    ::tzset();
}

}  // namespace
}  // namespace velmora::test
