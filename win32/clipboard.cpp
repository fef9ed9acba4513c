#include "win32/clipboard.h"

#include "win32/text_encoding.h"

#include <cstring>
#include <string>

namespace velmora::win32 {

void CopyTextToClipboard(HWND owner, std::string_view utf8) {
    const std::wstring text = Utf8ToWide(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    void* data = ::GlobalLock(memory);
    if (data == nullptr) {
        ::GlobalFree(memory);
        return;
    }
    std::memcpy(data, text.c_str(), bytes);
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(memory);
        return;
    }
    ::EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) ::GlobalFree(memory);
    ::CloseClipboard();
}

}  // namespace velmora::win32
