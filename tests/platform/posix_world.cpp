// The tests' world on POSIX systems: a registry file in a fresh folder that
// also holds shell-script tools, each noting its parent and session when run.
#include "platform_test_support.h"
#include "posix/file_registry.h"
#include "posix/posix_file_lookup.h"
#include "posix/posix_launcher.h"
#include "posix/posix_paths.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <thread>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMarkerSuffix = ".launched";

// Writes "<parent pid> <session id>" next to itself; the fields after the
// ")" that closes the program name in /proc/PID/stat are state, parent,
// process group and session.
constexpr const char* kToolScript =
    "#!/bin/sh\n"
    "stat=$(cat /proc/$$/stat)\n"
    "set -- ${stat##*) }\n"
    "echo \"$2 $4\" > \"$0.launched\"\n";

void WriteTool(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << kToolScript;
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

std::string EscapeRegText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

// One value line as regedit writes it: text as "...", a 4-byte number as
// dword:, everything else as hex(N): wrapped with "\" every 16 bytes.
std::string RegLine(const StoredValue& value) {
    const std::string name = '"' + EscapeRegText(value.name) + "\"=";
    const std::string& data = value.data;
    const bool plainText = value.type == platform::kRegSz && !data.empty() && data.back() == '\0' &&
                           data.find_first_of(std::string("\0\r\n", 3)) == data.size() - 1;
    if (plainText) return name + '"' + EscapeRegText(data.substr(0, data.size() - 1)) + '"';
    char buffer[32];
    if (value.type == platform::kRegDword && data.size() == 4) {
        const auto byte = [&](int i) { return std::uint32_t{static_cast<unsigned char>(data[static_cast<std::size_t>(i)])}; };
        std::snprintf(buffer, sizeof buffer, "dword:%08x", byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
        return name + buffer;
    }
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    std::string line = name + buffer;
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(data[i]));
        line += buffer;
        if (i + 1 < data.size()) line += (i % 16 == 15) ? ",\\\r\n  " : ",";
    }
    return line;
}

class PosixWorld final : public SysInfoWorld {
public:
    PosixWorld() {
        std::string pattern = (fs::temp_directory_path() / "velmora-sysinfo-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        root_ = pattern;
        places_ = {
            {"tool", (root_ / "bin" / "tool").string()},
            {"tool dir", (root_ / "tools").string()},
            {"empty dir", (root_ / "empty").string()},
            {"missing", (root_ / "bin" / "absent").string()},
            {"spaced tool", (root_ / "dir with spaces; touch pwned" / "my tool").string()},
        };
        WriteTool(places_.at("tool"));
        WriteTool(root_ / "tools" / "MSINFO32.EXE");
        WriteTool(places_.at("spaced tool"));
        fs::create_directories(places_.at("empty dir"));
        registryFile_ = (root_ / "registry.reg").string();
        registry_ = std::make_unique<platform::FileRegistry>(registryFile_);
    }

    ~PosixWorld() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    void Store(const std::vector<StoredValue>& values) override {
        std::map<std::string, std::vector<const StoredValue*>> byKey;
        for (const StoredValue& value : values) byKey[value.key].push_back(&value);
        std::ofstream file(registryFile_, std::ios::binary);
        file << "Windows Registry Editor Version 5.00\r\n";
        for (const auto& [key, keyValues] : byKey) {
            file << "\r\n[HKEY_LOCAL_MACHINE\\" << key << "]\r\n";
            for (const StoredValue* value : keyValues) file << RegLine(*value) << "\r\n";
        }
    }

    platform::Registry& registry() override { return *registry_; }
    platform::FileLookup& files() override { return files_; }
    platform::ProgramLauncher& launcher() override { return launcher_; }

    std::string Resolve(const std::string& text) const override {
        return ReplacePlaceholders(text, {places_.begin(), places_.end()});
    }

    bool WaitUntilStarted(const std::string& path) const override {
        const fs::path marker = platform::PosixPath(path) + kMarkerSuffix;
        for (int i = 0; i < 100; ++i) {
            if (fs::exists(marker) && fs::file_size(marker) > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    bool AnyStarted() const override {
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            if (entry.path().string().ends_with(kMarkerSuffix)) return true;
        return false;
    }

    bool FileExists(const std::string& name) const override {
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            if (entry.path().filename() == name) return true;
        return fs::exists(name);  // a shell would have run "touch pwned" in the current folder
    }

private:
    fs::path root_;
    std::map<std::string, std::string> places_;
    std::string registryFile_;
    std::unique_ptr<platform::FileRegistry> registry_;
    platform::PosixFileLookup files_;
    platform::PosixLauncher launcher_;
};

}  // namespace

std::unique_ptr<SysInfoWorld> MakeSysInfoWorld() { return std::make_unique<PosixWorld>(); }

}  // namespace velmora::test
