// A stand-in tool for the Windows tests: writes "<its own path>.launched".
#include <windows.h>

#include <cstdio>

int main() {
    char path[MAX_PATH + 16];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    std::snprintf(path + length, sizeof path - length, ".launched");
    std::FILE* marker = std::fopen(path, "w");
    if (marker == nullptr) return 1;
    std::fputs("launched\n", marker);
    std::fclose(marker);
    return 0;
}
