// Saving a file whole with the platform's own saver: the bytes as given,
// an old file replaced only by a complete new one, and on failure a reason
// that names the file, the old file as it was and no temporary file left.
#include "platform_test_support.h"

#ifdef _WIN32
#include "windows/win32_file_saver.h"
using NativeSaver = velmora::platform::Win32FileSaver;
#else
#include "posix/posix_file_saver.h"
using NativeSaver = velmora::platform::PosixFileSaver;
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

struct SaverTest : ::testing::Test {
    fs::path folder = fs::temp_directory_path() /
                      (std::string("velmora-saver-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    NativeSaver saver;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

// CRLF, UTF-8 and a NUL go through unchanged; a shorter file replaces a
// longer one whole.
TEST_F(SaverTest, WritesTheBytesAndReplacesAnOldFileWhole) {
    const std::string target = (folder / "h.ics").string();
    std::ofstream(target, std::ios::binary) << std::string(5000, 'x');
    const std::string bytes = std::string("BEGIN:VCALENDAR\r\nSUMMARY:عید نوروز\r\n") + '\0' + "END\r\n";
    saver.Save(target, bytes);
    EXPECT_EQ(Read(target), bytes);
    EXPECT_EQ(Entries(), std::set<std::string>{"h.ics"});
}

TEST_F(SaverTest, AFailureNamesTheFileAndLeavesEverythingAsItWas) {
    const std::string missingFolder = (folder / "gone" / "h.ics").string();
    try {
        saver.Save(missingFolder, "data");
        ADD_FAILURE() << "saved into a folder that does not exist";
    } catch (const platform::FileSaveError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot save " + missingFolder + ": ", 0), 0u) << error.what();
    }
    // A folder where the file should go cannot be replaced by it.
    fs::create_directory(folder / "taken.ics");
    std::ofstream(folder / "taken.ics" / "inside") << "kept";
    EXPECT_THROW(saver.Save((folder / "taken.ics").string(), "data"), platform::FileSaveError);
    EXPECT_EQ(Read(folder / "taken.ics" / "inside"), "kept");
    EXPECT_EQ(Entries(), std::set<std::string>{"taken.ics"});
}

}  // namespace
}  // namespace velmora::test
