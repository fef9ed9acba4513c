#include "result_tool_tips.h"

#include "dpi.h"
#include "text_encoding.h"

#include <commctrl.h>

#include <string>

namespace velmora::win32 {

namespace {

// The widest tip before it wraps, in pixels at 96 DPI.
constexpr int kMaxTipWidthAt96 = 360;

}  // namespace

ResultToolTips::ResultToolTips(HINSTANCE instance, HWND window, std::vector<HWND> boxes)
    : instance_(instance), window_(window), boxes_(std::move(boxes)) {}

void ResultToolTips::Create() {
    toolTips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                  instance_, nullptr);
    for (const HWND box : boxes_) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(box);
        tool.lpszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0,
                   ::MulDiv(kMaxTipWidthAt96, static_cast<int>(WindowDpi(window_)), USER_DEFAULT_SCREEN_DPI));
}

void ResultToolTips::Set(HWND box, std::string_view utf8) {
    if (toolTips_ == nullptr) Create();  // made on the first result, not at start
    std::wstring text = Utf8ToWide(utf8);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.hinst = instance_;
    tool.lpszText = text.data();
    ::SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // A description that reads the date out in Persian is read right to
    // left; its English line, letters and numbers only at its ends, keeps
    // its own order within it.
    if (::SendMessageW(toolTips_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
        tool.uFlags = HasArabicScript(text) ? tool.uFlags | TTF_RTLREADING
                                            : tool.uFlags & ~static_cast<UINT>(TTF_RTLREADING);
        tool.lpszText = text.data();
        ::SendMessageW(toolTips_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace velmora::win32
