// The baseline for the Win32 start-up benchmark: a plain top-level window of
// Form1's size with one each of the standard controls Form1 is made of (a
// label, a text box and a button) in the default GUI font, and Velmora's
// icon. It does nothing else and runs until it is closed, like the program
// it is measured against (scripts/bench-windows). Built twice: as it is
// (bare_window) and with a manifest asking for visual styles and DPI
// awareness (styled_window).
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

namespace {

constexpr wchar_t kWindowClass[] = L"VelmoraBareWindow";
constexpr wchar_t kTitle[] = L"Bare window";
// Form1's client area in pixels at 96 DPI, as in the Qt baseline.
constexpr int kClientWidth = 299;
constexpr int kClientHeight = 147;
// Where the controls sit inside the client area.
constexpr int kMargin = 8;
constexpr int kRowHeight = 21;
constexpr int kControlWidth = 120;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND AddControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                int row) {
    HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, kMargin,
                                   kMargin + row * (kRowHeight + kMargin), kControlWidth,
                                   kRowHeight, parent, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

HICON ProgramIcon(HINSTANCE instance) {
#ifdef VELMORA_ICON_RESOURCE_ID
    return LoadIconW(instance, MAKEINTRESOURCEW(VELMORA_ICON_RESOURCE_ID));
#else
    (void)instance;
    return LoadIconW(nullptr, IDI_APPLICATION);
#endif
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ProgramIcon(instance);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return 1;

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, kWindowClass, kTitle, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    AddControl(window, L"STATIC", L"Label", 0, 0);
    AddControl(window, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 1);
    AddControl(window, L"BUTTON", L"Button", WS_TABSTOP | BS_PUSHBUTTON, 2);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
