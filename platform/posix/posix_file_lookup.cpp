#include "posix_file_lookup.h"

#include "posix_paths.h"

#include <sys/stat.h>

namespace velmora::platform {

std::string PosixFileLookup::FindFile(const std::string& path, std::uint32_t attributes) {
    if (attributes != kNormalFileAttributes) return "";  // only normal files are ever asked for
    const std::string posixPath = PosixPath(path);
    struct stat status {};
    if (posixPath.empty() || posixPath.find('\0') != std::string::npos) return "";
    if (::stat(posixPath.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return "";
    const std::size_t slash = posixPath.rfind('/');
    return slash == std::string::npos ? posixPath : posixPath.substr(slash + 1);
}

}  // namespace velmora::platform
