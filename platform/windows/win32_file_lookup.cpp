#include "win32_file_lookup.h"

#include <windows.h>

namespace velmora::platform {
namespace {

constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

std::string Win32FileLookup::FindFile(const std::string& path, std::uint32_t attributes) {
    if (attributes != kNormalFileAttributes || path.empty() || path.find('\0') != std::string::npos) return "";
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return "";
    std::string name;
    do {
        if ((found.dwFileAttributes & kNotNormal) == 0) name = found.cFileName;
    } while (name.empty() && ::FindNextFileA(search, &found));
    ::FindClose(search);
    return name;
}

}  // namespace velmora::platform
