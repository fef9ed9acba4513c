// The program launch service.
#pragma once

#include "numeric.h"

#include <string>

namespace velmora::platform {

// Window styles of a launched program.
inline constexpr int kNormalWindowWithFocus = 1;

// A program that could not be started.
class LaunchError : public RuntimeError {
public:
    const char* what() const noexcept override { return "File not found"; }
};

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts the program file at path as a separate program and returns at
    // once, without waiting for it. Raises LaunchError when it cannot start.
    virtual void Launch(const std::string& path, int windowStyle) = 0;
};

}  // namespace velmora::platform
