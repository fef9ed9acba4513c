#include "win32/result_tool_tips.h"

#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"

#include <commctrl.h>

namespace velmora::win32 {

namespace {

// The widest tip before it wraps, in pixels at 96 DPI.
constexpr int kMaxTipWidthAt96 = 360;
// The tips' font size, as the result note's, and the longest tip text the
// tool tip control keeps.
constexpr double kTipFontPoints = 8.25;
constexpr std::size_t kTipTextSize = INFOTIPSIZE;
// The space a tool tip leaves between its border and its margins, in pixels
// at 96 DPI.
constexpr int kTipEdgeAt96 = 2;

}  // namespace

ResultToolTips::ResultToolTips(HINSTANCE instance, HWND window, std::vector<HWND> boxes)
    : instance_(instance), window_(window), boxes_(std::move(boxes)) {}

// The tips go before their font.
ResultToolTips::~ResultToolTips() {
    if (toolTips_ != nullptr && ::IsWindow(toolTips_)) ::DestroyWindow(toolTips_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

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
    const UINT dpi = WindowDpi(window_);
    ::SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0,
                   ::MulDiv(kMaxTipWidthAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI));
    // The tips are painted here, each line in its own direction, in the
    // Persian captions' font, which the tool tip also measures them with.
    font_ = CreateDesignFont(window::Tahoma(kTipFontPoints), dpi);
    ::SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    ::SetWindowSubclass(toolTips_, &ToolTipProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ResultToolTips::ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
    if (message == WM_PAINT) {
        reinterpret_cast<ResultToolTips*>(data)->Paint();
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(tip, &ToolTipProc, 0);
    return ::DefSubclassProc(tip, message, wParam, lParam);
}

void ResultToolTips::Paint() {
    std::wstring buffer(kTipTextSize, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = buffer.data();
    const bool shown = ::SendMessageW(toolTips_, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(toolTips_, &paint);
    RECT client;
    ::GetClientRect(toolTips_, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_INFOBK));
    const auto tip = tips_.find(reinterpret_cast<HWND>(tool.uId));
    if (shown && tip != tips_.end()) {
        // The text's place in the tip: inside the tool tip's margins and the
        // edge it leaves around them.
        RECT margin{};
        ::SendMessageW(toolTips_, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        const int edge = ::MulDiv(kTipEdgeAt96, static_cast<int>(WindowDpi(window_)), USER_DEFAULT_SCREEN_DPI);
        const RECT text{client.left + edge + margin.left, client.top + edge + margin.top,
                        client.right - edge - margin.right, client.bottom - edge - margin.bottom};
        ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
        DrawParagraphs(dc, tip->second, text, font_);
    }
    ::EndPaint(toolTips_, &paint);
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
    tips_[box] = std::move(text);
}

}  // namespace velmora::win32
