// Program launch on Windows.
#pragma once

#include "program_launcher.h"

namespace velmora::platform {

class Win32Launcher final : public ProgramLauncher {
public:
    // Starts the program file itself (no command interpreter; spaces in the
    // path are fine) with the given show-window style and does not wait.
    void Launch(const std::string& path, int windowStyle) override;
};

}  // namespace velmora::platform
