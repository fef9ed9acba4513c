// The file look-up service.
#pragma once

#include <cstdint>
#include <string>

namespace velmora::platform {

// Normal files: neither hidden, system nor a directory.
inline constexpr std::uint32_t kNormalFileAttributes = 0;

class FileLookup {
public:
    virtual ~FileLookup() = default;

    // The name (without folder) of the file that path names, if it exists
    // with the given attributes; empty text otherwise.
    virtual std::string FindFile(const std::string& path, std::uint32_t attributes) = 0;
};

}  // namespace velmora::platform
