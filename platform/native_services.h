// The platform's own registry, file look-up and launcher.
#pragma once

#ifdef _WIN32
#include "windows/win32_file_lookup.h"
#include "windows/win32_launcher.h"
#include "windows/win32_registry.h"
#else
#include "posix/file_registry.h"
#include "posix/posix_file_lookup.h"
#include "posix/posix_launcher.h"
#endif

namespace velmora::platform {

#ifdef _WIN32
struct NativeServices {
    Win32Registry registry;
    Win32FileLookup files;
    Win32Launcher launcher;
};
#else
struct NativeServices {
    FileRegistry registry{DefaultRegistryFilePath()};
    PosixFileLookup files;
    PosixLauncher launcher;
};
#endif

}  // namespace velmora::platform
