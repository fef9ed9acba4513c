// File look-up on POSIX systems: a regular file by its exact name.
#pragma once

#include "file_lookup.h"

namespace velmora::platform {

class PosixFileLookup final : public FileLookup {
public:
    // Backslashes of path become "/". Finds a regular file (through symbolic
    // links), no directory and no pattern; returns its name without folder.
    std::string FindFile(const std::string& path, std::uint32_t attributes) override;
};

}  // namespace velmora::platform
