#include "sys_info.h"

#include <algorithm>
#include <array>
#include <exception>

namespace velmora::platform {
namespace {

// Where the tool's program file, or its folder, is registered.
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolValue = "PATH";
constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kToolFolderValue = "MSINFO";
constexpr const char* kToolProgram = "\\MSINFO32.EXE";

constexpr std::uint32_t kNoOptions = 0;

// Closes an open key when the look-up ends, also when an error ends it.
class OpenKeyGuard {
public:
    OpenKeyGuard(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenKeyGuard() { registry_.CloseKey(key_); }  // the result is of no use
    OpenKeyGuard(const OpenKeyGuard&) = delete;
    OpenKeyGuard& operator=(const OpenKeyGuard&) = delete;

private:
    Registry& registry_;
    RegistryKey key_;
};

using ValueBuffer = std::array<unsigned char, kValueBufferSize>;

// The buffer as text, cut to the value's size: exactly one trailing NUL is
// dropped, none when the data has none. Data of size 0 has no last byte.
std::string TextOfValue(const ValueBuffer& buffer, std::uint32_t size) {
    if (size == 0) throw InvalidArgumentError();
    size = std::min(size, kValueBufferSize);  // a query never reports more than it could hold
    const auto* chars = reinterpret_cast<const char*>(buffer.data());
    const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;
    return std::string(chars, length);
}

// A 32-bit number stored least significant byte first, as unsigned decimal.
std::string TextOfNumber(const ValueBuffer& buffer) {
    const std::uint32_t number = std::uint32_t{buffer[0]} | std::uint32_t{buffer[1]} << 8 |
                                 std::uint32_t{buffer[2]} << 16 | std::uint32_t{buffer[3]} << 24;
    return std::to_string(number);
}

// Steps 2 to 6 of starting the tool: false when it is known not to be there.
bool FindAndLaunchTool(Services& services) {
    std::string toolPath;
    if (!GetKeyValue(services.registry, kHkeyLocalMachine, kToolKey, kToolValue, toolPath)) {
        // The second value names the tool's folder.
        if (!GetKeyValue(services.registry, kHkeyLocalMachine, kToolFolderKey, kToolFolderValue, toolPath))
            return false;
        if (services.files.FindFile(toolPath + kToolProgram, kNormalFileAttributes).empty()) return false;
        toolPath += kToolProgram;
    }
    // The first value names the program itself and is launched untested.
    services.launcher.Launch(toolPath, kNormalWindowWithFocus);
    return true;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    bool result = false;
    RegistryKey key = 0;
    // Read access only: a request for write rights fails for normal users.
    if (registry.OpenKey(keyRoot, keyName, kNoOptions, kKeyRead, key) != kRegistrySuccess) {
        keyVal.clear();
        return false;
    }
    const OpenKeyGuard keyGuard(registry, key);
    ValueBuffer buffer{};  // 1024 NULs
    std::uint32_t type = 0;
    std::uint32_t size = kValueBufferSize;
    if (registry.QueryValue(key, subKeyRef, type, buffer.data(), size) != kRegistrySuccess) {
        keyVal.clear();
        return false;
    }
    const std::string text = TextOfValue(buffer, size);
    if (type == kRegSz) keyVal = text;
    else if (type == kRegDword) keyVal = TextOfNumber(buffer);
    // Any other type leaves keyVal as it was, and still counts as read.
    result = true;
    return result;
}

void StartSysInfo(Services& services) {
    try {
        if (FindAndLaunchTool(services)) return;
    } catch (const std::exception&) {
        // Every failure on the way ends in the same message.
    }
    services.alert.Show(kSysInfoUnavailable);
}

}  // namespace velmora::platform
