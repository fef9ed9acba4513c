// Text onto the Windows clipboard.
#pragma once

#include <windows.h>

#include <string_view>

namespace velmora::win32 {

// Replaces the clipboard's contents by the UTF-8 text, as Unicode text;
// leaves them as they were when the clipboard cannot be opened.
void CopyTextToClipboard(HWND owner, std::string_view utf8);

}  // namespace velmora::win32
