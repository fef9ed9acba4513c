// The platform's own registry, file look-up, launcher, clock and file saving.
#pragma once

#ifdef _WIN32
#include "windows/win32_clock.h"
#include "windows/win32_file_lookup.h"
#include "windows/win32_file_saver.h"
#include "windows/win32_launcher.h"
#include "windows/win32_registry.h"
#else
#include "posix/file_registry.h"
#include "posix/posix_clock.h"
#include "posix/posix_file_saver.h"
#include "posix/posix_file_lookup.h"
#include "posix/posix_launcher.h"
#endif

namespace velmora::platform {

#ifdef _WIN32
struct NativeServices {
    Win32Registry registry;
    Win32FileLookup files;
    Win32Launcher launcher;
    Win32Clock clock;
    Win32FileSaver saver;
};
#else
struct NativeServices {
    FileRegistry registry{DefaultRegistryFilePath()};
    PosixFileLookup files;
    PosixLauncher launcher;
    PosixClock clock;
    PosixFileSaver saver;
};
#endif

}  // namespace velmora::platform
