#include "win32/result_note.h"

#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"

namespace velmora::win32 {
namespace {

// Margin around the text and the widest line before wrapping, in pixels at
// 96 DPI; the note's font is Tahoma 8.25 pt like the window's Persian captions.
constexpr int kMarginAt96 = 4;
constexpr int kMaxWidthAt96 = 420;
constexpr double kFontPoints = 8.25;

int Scaled(int at96, UINT dpi) { return ::MulDiv(at96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

}  // namespace

void ResultNote::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DROPSHADOW;
    windowClass.lpfnWndProc = &ResultNote::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    windowClass.lpszClassName = kResultNoteClass;
    ::RegisterClassExW(&windowClass);
}

ResultNote::ResultNote(HINSTANCE instance, HWND owner, Accessibility& accessibility)
    : accessibility_(accessibility), ownerActive_(::GetActiveWindow() == owner) {
    hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kResultNoteClass, L"", WS_POPUP | WS_BORDER, 0, 0,
                              0, 0, owner, nullptr, instance, this);
    accessibility.SetName(hwnd_, "Result note");
}

ResultNote::~ResultNote() {
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
    if (font_ != nullptr) ::DeleteObject(font_);
}

void ResultNote::Show(std::string_view utf8, POINT topLeft, UINT dpi) {
    text_ = Utf8ToWide(utf8);
    ::SetWindowTextW(hwnd_, text_.c_str());
    accessibility_.SetDescription(hwnd_, utf8);
    if (text_.empty()) {
        Dismiss();
        return;
    }
    pending_ = true;
    if (font_ == nullptr || dpi != dpi_) {
        if (font_ != nullptr) ::DeleteObject(font_);
        dpi_ = dpi;
        font_ = CreateDesignFont(window::Tahoma(kFontPoints), dpi);
    }
    if (ownerActive_) Resume(topLeft);
    Accessibility::Announce(hwnd_);
    ::NotifyWinEvent(EVENT_SYSTEM_ALERT, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void ResultNote::Resume(POINT topLeft) {
    if (!pending_) return;
    const HDC dc = ::GetDC(hwnd_);
    const SIZE size = Measure(dc);
    ::ReleaseDC(hwnd_, dc);
    ::SetWindowPos(hwnd_, HWND_TOP, topLeft.x, topLeft.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

POINT NotePositionBelow(HWND window, HWND firstResult) {
    // How far below the client area the note opens, in pixels at 96 DPI.
    constexpr int kNoteGapAt96 = 4;
    RECT boxes;
    ::GetWindowRect(firstResult, &boxes);
    RECT client;
    ::GetClientRect(window, &client);
    POINT below{0, client.bottom};
    ::ClientToScreen(window, &below);
    return POINT{boxes.left, below.y + Scaled(kNoteGapAt96, WindowDpi(window))};
}

// The note waits while its owner is not the active window, is minimised or
// is disabled by a message box: it stays above other windows, and so it
// would cover the box or another window of the program.
void ResultNote::FollowOwner(HWND owner, UINT message, WPARAM wParam, POINT topLeft) {
    switch (message) {
        case WM_ACTIVATE: ownerActive_ = LOWORD(wParam) != WA_INACTIVE; break;
        case WM_MOVE:
        case WM_SIZE:
        case WM_ENABLE: break;
        default: return;
    }
    const bool minimised = message == WM_SIZE ? wParam == SIZE_MINIMIZED : ::IsIconic(owner) != FALSE;
    const bool enabled = message == WM_ENABLE ? wParam != FALSE : ::IsWindowEnabled(owner) != FALSE;
    if (ownerActive_ && enabled && !minimised) Resume(topLeft);
    else Suspend();
}

bool ResultNote::DismissIfShown() {
    const bool shown = ::IsWindowVisible(hwnd_) != FALSE;
    Dismiss();
    return shown;
}

void ResultNote::Suspend() { ::ShowWindow(hwnd_, SW_HIDE); }

void ResultNote::Dismiss() {
    pending_ = false;
    ::ShowWindow(hwnd_, SW_HIDE);
}

// The note's outer size: its widest line up to the limit, lines stacked.
SIZE ResultNote::Measure(HDC dc) const {
    const int margin = Scaled(kMarginAt96, dpi_);
    int width = 0;
    DrawParagraphs(dc, text_, RECT{0, 0, Scaled(kMaxWidthAt96, dpi_), 0}, font_, true, &width);
    const int height = DrawParagraphs(dc, text_, RECT{0, 0, width, 0}, font_, true);
    const int border = 2 * ::GetSystemMetrics(SM_CXBORDER);
    return SIZE{width + 2 * margin + border, height + 2 * margin + border};
}

// Each line in its own direction: the Persian line right to left and
// right-aligned, the English one left to right.
void ResultNote::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    RECT client;
    ::GetClientRect(hwnd_, &client);
    const int margin = Scaled(kMarginAt96, dpi_);
    DrawParagraphs(dc, text_, RECT{client.left + margin, client.top + margin, client.right - margin, client.bottom},
                   font_);
    ::EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK ResultNote::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ResultNote*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
            case WM_PAINT:
                self->Paint();
                return 0;
            case WM_MOUSEACTIVATE:
                return MA_NOACTIVATE;  // a click never takes the focus from Form1
            case WM_LBUTTONUP:
                self->Dismiss();
                return 0;
            default:
                break;
        }
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace velmora::win32
