#include "win32/designed_window.h"

#include "win32/dpi.h"
#include "win32/text_encoding.h"

#include <stdexcept>

namespace velmora::win32 {

DesignedWindow::DesignedWindow(const window::WindowDesign& design, DWORD style, DWORD exStyle,
                               window::ProgramLifetime& lifetime)
    : controls_(design), style_(style), exStyle_(exStyle), lifetime_(lifetime) {}

DesignedWindow::~DesignedWindow() {
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void DesignedWindow::RegisterWindowClass(HINSTANCE instance, const wchar_t* name, HICON large, HICON small) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DesignedWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = large;
    windowClass.hIconSm = small;
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    if (::RegisterClassExW(&windowClass) == 0) throw std::runtime_error("cannot register window class");
}

void DesignedWindow::Create(HINSTANCE instance, const wchar_t* className, HWND owner, const POINT* clientTopLeft,
                            std::initializer_list<std::string_view> selectableLabels, HMENU menu) {
    const std::wstring caption = Utf8ToWide(controls_.design().caption);
    hwnd_ = ::CreateWindowExW(exStyle_, className, caption.c_str(), style_, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, instance, this);
    if (hwnd_ == nullptr) throw std::runtime_error("cannot create window");
    const UINT dpi = WindowDpi(hwnd_);
    controls_.Build(hwnd_, dpi, selectableLabels);
    FitClientArea(dpi, nullptr);
    if (clientTopLeft != nullptr) PlaceClientAt(*clientTopLeft);
}

void DesignedWindow::Describe(Accessibility& accessibility, std::span<const window::AccessibleText> texts) {
    for (const window::AccessibleText& text : texts) {
        const HWND control = controls_.Control(text.control);
        if (text.name != nullptr) accessibility.SetName(control, text.name);
        accessibility.SetDescription(control, text.description);
    }
}

void DesignedWindow::Show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    ::UpdateWindow(hwnd_);
    lifetime_.Loaded(this);
}

void DesignedWindow::ShowModeless() {
    Show(SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    RestoreFocus();  // whether or not the system activated it just now
}

void DesignedWindow::Hide() {
    ::ShowWindow(hwnd_, SW_HIDE);
    lifetime_.Unloaded(this);
}

void DesignedWindow::PlaceClientAt(POINT screen) {
    const UINT dpi = WindowDpi(hwnd_);
    const SIZE size = controls_.ClientSize(dpi);
    const RECT frame = WindowRectForClient(RECT{screen.x, screen.y, screen.x + size.cx, screen.y + size.cy},
                                           style_, exStyle_, dpi, ::GetMenu(hwnd_) != nullptr);
    ::SetWindowPos(hwnd_, nullptr, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sizes the window so that its client area has the design's size at dpi;
// on a DPI change the system suggests where the window goes.
void DesignedWindow::FitClientArea(UINT dpi, const RECT* suggested) {
    const SIZE size = controls_.ClientSize(dpi);
    const RECT frame = WindowRectForClient(RECT{0, 0, size.cx, size.cy}, style_, exStyle_, dpi, ::GetMenu(hwnd_) != nullptr);
    const int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    if (suggested != nullptr)
        ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar too narrow for its menus wraps them onto more lines, which
    // the frame's computation does not know of: the window grows by them.
    RECT client;
    ::GetClientRect(hwnd_, &client);
    if (client.bottom != size.cy) {
        height += size.cy - client.bottom;
        ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void DesignedWindow::RestoreFocus() {
    if (focus_ == nullptr || !::IsChild(hwnd_, focus_) || !::IsWindowVisible(focus_))
        focus_ = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (focus_ != nullptr) ::SetFocus(focus_);
}

void DesignedWindow::SetFocusTo(HWND control) {
    focus_ = control;
    if (::IsWindowVisible(hwnd_)) ::SetFocus(control);
}

LRESULT DesignedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Enter on a button that the window draws: the dialog manager
            // asks the window for its default button instead of pressing it.
            if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED && controls_.IsDrawnButton(::GetFocus())) {
                OnCommand(::GetDlgCtrlID(::GetFocus()), BN_CLICKED);
                return 0;
            }
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            if (controls_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back
            // to the same control. A window being hidden keeps the control it
            // was last given, not the one that had the focus as it went.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focused = ::GetFocus();
                if (::IsWindowVisible(hwnd_) && focused != nullptr && ::IsChild(hwnd_, focused)) focus_ = focused;
            } else {
                RestoreFocus();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus();  // the window itself takes no keys: its control does
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const auto colour = controls_.TextColour(reinterpret_cast<HWND>(lParam))) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, *colour);
                ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(hwnd_, &paint);
            controls_.PaintLines(dc);
            ::EndPaint(hwnd_, &paint);
            return 0;
        }
        case WM_DPICHANGED:
            controls_.Layout(HIWORD(wParam));
            FitClientArea(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK DesignedWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DesignedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DesignedWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace velmora::win32
