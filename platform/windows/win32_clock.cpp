#include "platform/windows/win32_clock.h"

#include <windows.h>

namespace velmora::platform {

namespace {

// SYSTEMTIME's fields are 16-bit, its years 1601..30827.
CivilTime FromSystemTime(const SYSTEMTIME& t) {
    return CivilTime{static_cast<std::int16_t>(t.wYear),   static_cast<std::int16_t>(t.wMonth),
                     static_cast<std::int16_t>(t.wDay),    static_cast<std::int16_t>(t.wHour),
                     static_cast<std::int16_t>(t.wMinute), static_cast<std::int16_t>(t.wSecond)};
}

}  // namespace

CivilTime Win32Clock::LocalNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return FromSystemTime(now);
}

CivilTime Win32Clock::UtcNow() {
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    return FromSystemTime(now);
}

}  // namespace velmora::platform
