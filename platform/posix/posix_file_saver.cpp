#include "platform/posix/posix_file_saver.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
    throw FileSaveError("Cannot save " + path + ": " + std::strerror(error));
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

// The temporary file lies in the target's folder, so that the rename is
// one step of one file system; it is flushed before the rename, so that a
// crash leaves either the old file or the whole new one.
void PosixFileSaver::Save(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) Fail(path, errno);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool ok = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && ok) {
        const int closeError = errno;
        ::unlink(temporary.c_str());
        Fail(path, closeError);
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        Fail(path, writeError);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        Fail(path, renameError);
    }
}

}  // namespace velmora::platform
