#include "alert_box.h"

#include "text_encoding.h"

#include <windows.h>

#include <vector>

namespace velmora::win32 {
namespace {

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM found) {
    if (::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

// The program's other enabled top-level windows, which the box disables.
std::vector<HWND> OtherProgramWindows(HWND owner) {
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&windows));
    std::erase(windows, owner);
    return windows;
}

}  // namespace

void Win32AlertBox::Show(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    const bool rightToLeft = HasArabicScript(wide);
    const HWND owner = ::GetActiveWindow();
    const std::vector<HWND> disabled = OtherProgramWindows(owner);
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, FALSE);
    const UINT reading = rightToLeft ? MB_RTLREADING | MB_RIGHT : 0;
    // A text with Persian in it reads right to left as a whole; its English
    // line, all letters with no punctuation at its ends, still reads left to
    // right within it.
    ::MessageBoxW(owner, wide.c_str(), Utf8ToWide(platform::kApplicationTitle).c_str(), MB_OK | reading);
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, TRUE);
}

}  // namespace velmora::win32
