#include "win32/alert_box.h"

#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace velmora::win32 {
namespace {

// The child ID of the text, as in the system's message box.
constexpr int kTextId = 0xFFFF;
// Sizes in pixels at 96 DPI: the margin around the text and the button, the
// widest line before it wraps, the gap above the button and the button.
constexpr int kMarginAt96 = 12;
constexpr int kMaxTextWidthAt96 = 360;
constexpr int kGapAt96 = 14;
constexpr int kButtonWidthAt96 = 75;
constexpr int kButtonHeightAt96 = 23;
// Tahoma with the Arabic character set, as the windows' Persian captions.
constexpr double kFontPoints = 9;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// A dialog with no controls of its own: they are made when it opens.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header{kStyle, 0, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct Box {
    std::wstring text;
    HFONT textFont = nullptr;
    HFONT buttonFont = nullptr;
};

int Scaled(int at96, UINT dpi) { return ::MulDiv(at96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

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

// Centred over the owner, or on the screen without one.
POINT CentredOver(HWND owner, SIZE size) {
    RECT area;
    if (owner == nullptr || !::GetWindowRect(owner, &area)) ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return POINT{area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
}

void Open(HWND dialog, Box& box) {
    ::SetWindowTextW(dialog, Utf8ToWide(platform::kApplicationTitle).c_str());
    const UINT dpi = WindowDpi(dialog);
    box.textFont = CreateDesignFont(window::Tahoma(kFontPoints), dpi);
    box.buttonFont = CreateDesignFont(window::kWindowDefaultFont, dpi);
    const HDC dc = ::GetDC(dialog);
    int textWidth = 0;
    DrawParagraphs(dc, box.text, RECT{0, 0, Scaled(kMaxTextWidthAt96, dpi), 0}, box.textFont, true, &textWidth);
    const int textHeight = DrawParagraphs(dc, box.text, RECT{0, 0, textWidth, 0}, box.textFont, true);
    ::ReleaseDC(dialog, dc);

    const int margin = Scaled(kMarginAt96, dpi);
    const SIZE button{Scaled(kButtonWidthAt96, dpi), Scaled(kButtonHeightAt96, dpi)};
    const int clientWidth = std::max(textWidth, static_cast<int>(button.cx)) + 2 * margin;
    const int buttonTop = margin + textHeight + Scaled(kGapAt96, dpi);
    const int clientHeight = buttonTop + button.cy + margin;
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    const HWND text = ::CreateWindowExW(0, L"STATIC", box.text.c_str(), WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX,
                                        margin, margin, clientWidth - 2 * margin, textHeight, dialog,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), instance, nullptr);
    const HWND ok = ::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                      (clientWidth - button.cx) / 2, buttonTop, button.cx, button.cy, dialog,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
    ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(box.textFont), FALSE);
    ::SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(box.buttonFont), FALSE);

    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    const RECT frame = WindowRectForClient(RECT{0, 0, clientWidth, clientHeight}, kStyle, exStyle, dpi);
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    const POINT at = CentredOver(::GetWindow(dialog, GW_OWNER), size);
    ::SetWindowPos(dialog, HWND_TOP, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
    ::SetFocus(ok);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<Box*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            box = reinterpret_cast<Box*>(lParam);
            ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            Open(dialog, *box);
            return FALSE;  // the focus is on OK already
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (box == nullptr || item.CtlID != static_cast<UINT>(kTextId)) return FALSE;
            ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
            ::SetTextColor(item.hDC, ::GetSysColor(COLOR_WINDOWTEXT));
            DrawParagraphs(item.hDC, box->text, item.rcItem, box->textFont);
            return TRUE;
        }
        case WM_COMMAND:
            // OK, Enter, Esc and the close box all close it.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(dialog, IDOK);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void Win32AlertBox::Show(std::string_view text) {
    Box box{Utf8ToWide(text)};
    const HWND owner = ::GetActiveWindow();
    const std::vector<HWND> disabled = OtherProgramWindows(owner);
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, FALSE);
    static const EmptyDialogTemplate dialogTemplate{};
    ::MessageBeep(MB_OK);
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &dialogTemplate.header, owner, &DialogProc,
                              reinterpret_cast<LPARAM>(&box));
    for (const HWND hwnd : disabled) ::EnableWindow(hwnd, TRUE);
    if (box.textFont != nullptr) ::DeleteObject(box.textFont);
    if (box.buttonFont != nullptr) ::DeleteObject(box.buttonFont);
}

}  // namespace velmora::win32
