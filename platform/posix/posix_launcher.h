// Program launch on POSIX systems.
#pragma once

#include "program_launcher.h"

namespace velmora::platform {

class PosixLauncher final : public ProgramLauncher {
public:
    // Backslashes of path become "/". Runs the program file directly, with
    // no shell and no word splitting (spaces in the path are fine), in a
    // session of its own and no longer a child of this process, so it keeps
    // running when Velmora ends; does not wait for it. Raises LaunchError
    // when the file cannot be executed. The window style has no meaning here.
    void Launch(const std::string& path, int windowStyle) override;
};

}  // namespace velmora::platform
