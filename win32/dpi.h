// Per-monitor DPI through user32's DPI functions where the system has them
// (Windows 10 1607 and later), with the system DPI as the fallback.
#pragma once

#include <windows.h>

namespace velmora::win32 {

UINT WindowDpi(HWND window);

// The window rectangle of a client area of the given size at dpi, below a
// menu bar of one line where hasMenu.
RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi, bool hasMenu = false);

}  // namespace velmora::win32
