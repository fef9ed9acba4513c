// Registry paths on POSIX systems: the registry writes folders with "\".
#pragma once

#include <algorithm>
#include <string>

namespace velmora::platform {

inline std::string PosixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace velmora::platform
