#include "win32_launcher.h"

#include <windows.h>

namespace velmora::platform {

void Win32Launcher::Launch(const std::string& path, int windowStyle) {
    if (path.empty() || path.find('\0') != std::string::npos) throw LaunchError();
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        throw LaunchError();
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace velmora::platform
