#include "message_box.h"

#include "text_encoding.h"

#include <windows.h>

#include <vector>

namespace velmora::win32 {
namespace {

// Left-to-right embedding and its end: an English line inside a
// right-to-left box keeps its own reading order.
constexpr wchar_t kLeftToRightEmbedding = L'\u202A';
constexpr wchar_t kPopDirectional = L'\u202C';

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

// A text with Persian in it reads right to left as a whole, with each line
// that has no Persian embedded left to right.
std::wstring BoxText(std::wstring_view text, bool rightToLeft) {
    if (!rightToLeft) return std::wstring(text);
    std::wstring out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        const std::wstring_view line = text.substr(start, end - start);
        if (HasArabicScript(line)) out += line;
        else out += kLeftToRightEmbedding + std::wstring(line) + kPopDirectional;
        if (end < text.size()) out += L'\n';
        start = end + 1;
    }
    return out;
}

}  // namespace

void Win32MessageBox::Show(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    const bool rightToLeft = HasArabicScript(wide);
    const HWND owner = ::GetActiveWindow();
    const std::vector<HWND> disabled = OtherProgramWindows(owner);
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, FALSE);
    const UINT reading = rightToLeft ? MB_RTLREADING | MB_RIGHT : 0;
    ::MessageBoxW(owner, BoxText(wide, rightToLeft).c_str(), L"Velmora", MB_OK | reading);
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, TRUE);
}

}  // namespace velmora::win32
