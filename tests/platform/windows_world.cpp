// The tests' world on Windows: the real registry under HKEY_LOCAL_MACHINE
// (in a throw-away Wine prefix when run by the tests) and copies of a tool
// that writes "<its path>.launched" when it runs.
#include "platform_test_support.h"
#include "windows/win32_file_lookup.h"
#include "windows/win32_launcher.h"
#include "windows/win32_registry.h"

#include <windows.h>

#include <map>
#include <stdexcept>
#include <string>

namespace velmora::test {
namespace {

constexpr const char* kTestKeys[] = {
    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
    "SOFTWARE\\Microsoft\\Shared Tools Location",
    "SOFTWARE\\Velmora Test",
};

// The marker program as built, a Unix path that Wine shows on drive Z:.
std::string MarkerProgram() {
    std::string path = "Z:" + std::string(VELMORA_LAUNCH_MARKER);
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void Check(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class WindowsWorld final : public SysInfoWorld {
public:
    WindowsWorld() {
        char temp[MAX_PATH];
        Check(::GetTempPathA(MAX_PATH, temp) != 0, "GetTempPath");
        static int serial = 0;
        root_ = std::string(temp) + "velmora-sysinfo-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        places_ = {
            {"tool", root_ + "\\bin\\tool.exe"},
            {"tool dir", root_ + "\\tools"},
            {"empty dir", root_ + "\\empty"},
            {"missing", root_ + "\\bin\\absent.exe"},
            {"spaced tool", root_ + "\\dir with spaces; touch pwned\\my tool.exe"},
        };
        for (const char* folder : {"", "\\bin", "\\tools", "\\empty", "\\dir with spaces; touch pwned"})
            Check(::CreateDirectoryA((root_ + folder).c_str(), nullptr) != 0, "CreateDirectory");
        const std::string marker = MarkerProgram();
        for (const std::string& copy : {places_.at("tool"), root_ + "\\tools\\MSINFO32.EXE", places_.at("spaced tool")})
            Check(::CopyFileA(marker.c_str(), copy.c_str(), TRUE) != 0, "CopyFile of the marker program");
    }

    ~WindowsWorld() override {
        DeleteTestKeys();
        RemoveTree(root_);
    }

    void Store(const std::vector<StoredValue>& values) override {
        DeleteTestKeys();
        for (const StoredValue& value : values) {
            HKEY key = nullptr;
            Check(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, value.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                    &key, nullptr) == ERROR_SUCCESS,
                  "RegCreateKeyEx");
            const auto* data = reinterpret_cast<const BYTE*>(value.data.data());
            const LONG set = ::RegSetValueExA(key, value.name.c_str(), 0, value.type, data,
                                              static_cast<DWORD>(value.data.size()));
            ::RegCloseKey(key);
            Check(set == ERROR_SUCCESS, "RegSetValueEx");
        }
    }

    platform::Registry& registry() override { return registry_; }
    platform::FileLookup& files() override { return files_; }
    platform::ProgramLauncher& launcher() override { return launcher_; }

    std::string Resolve(const std::string& text) const override {
        return ReplacePlaceholders(text, {places_.begin(), places_.end()});
    }

    bool WaitUntilStarted(const std::string& path) const override {
        for (int i = 0; i < 200; ++i) {
            if (Exists(path + ".launched")) return true;
            ::Sleep(50);
        }
        return false;
    }

    bool AnyStarted() const override {
        for (const std::string& tool : {places_.at("tool"), root_ + "\\tools\\MSINFO32.EXE", places_.at("spaced tool")})
            if (Exists(tool + ".launched")) return true;
        return false;
    }

    bool FileExists(const std::string& name) const override {
        return Exists(root_ + "\\" + name) || Exists(root_ + "\\dir with spaces; touch pwned\\" + name);
    }

private:
    static void DeleteTestKeys() {
        for (const char* key : kTestKeys) ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
    }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA found{};
        const HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
                else ::DeleteFileA(path.c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(folder.c_str());
    }

    std::string root_;
    std::map<std::string, std::string> places_;
    platform::Win32Registry registry_;
    platform::Win32FileLookup files_;
    platform::Win32Launcher launcher_;
};

}  // namespace

std::unique_ptr<SysInfoWorld> MakeSysInfoWorld() { return std::make_unique<WindowsWorld>(); }

}  // namespace velmora::test
