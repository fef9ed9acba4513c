// File look-up on Windows.
#pragma once

#include "file_lookup.h"

namespace velmora::platform {

class Win32FileLookup final : public FileLookup {
public:
    // The first file that path matches and that is neither a directory,
    // hidden nor a system file.
    std::string FindFile(const std::string& path, std::uint32_t attributes) override;
};

}  // namespace velmora::platform
