// Saving a file on Windows: a temporary file beside it, moved over it.
#pragma once

#include "platform/file_saver.h"

namespace velmora::platform {

class Win32FileSaver final : public FileSaver {
public:
    void Save(const std::string& path, std::string_view bytes) override;
};

}  // namespace velmora::platform
