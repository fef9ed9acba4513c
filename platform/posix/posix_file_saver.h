// Saving a file on POSIX systems: a temporary file beside it, renamed over it.
#pragma once

#include "platform/file_saver.h"

namespace velmora::platform {

class PosixFileSaver final : public FileSaver {
public:
    // The new file gets the permissions a newly created file gets (0666
    // less the umask); a file it replaces loses its own.
    void Save(const std::string& path, std::string_view bytes) override;
};

}  // namespace velmora::platform
