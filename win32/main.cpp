// Velmora for Windows: builds the converter window and runs until every
// window of the program is closed.
#include "win32/accessibility.h"
#include "win32/control_ids.h"
#include "win32/form1_window.h"
#include "win32/menu_bar.h"
#include "win32/alert_box.h"
#include "platform/native_services.h"
#include "win32/resource_ids.h"
#include "win32/result_note.h"
#include "window/program_life.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

namespace {

using namespace velmora;

// The window a key press belongs to, when it is one of the designed
// windows: their shortcut keys are their menu bar's, their dialog keys
// (Tab, Shift+Tab, Enter, Esc, access keys) the dialog manager's.
HWND DesignedTopWindow(HWND target) {
    const HWND top = target != nullptr ? ::GetAncestor(target, GA_ROOT) : nullptr;
    wchar_t className[32] = {};
    if (top == nullptr || ::GetClassNameW(top, className, 32) == 0) return nullptr;
    return win32::DesignOfClass(className) != nullptr ? top : nullptr;
}

int RunMessageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND top = DesignedTopWindow(message.hwnd);
        const HACCEL shortcuts = top != nullptr ? win32::MenuBar::AcceleratorsOf(top) : nullptr;
        if (shortcuts != nullptr && ::TranslateAcceleratorW(top, shortcuts, &message)) continue;
        if (top != nullptr && ::IsDialogMessageW(top, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void RegisterWindowClasses(HINSTANCE instance) {
    const auto icon = [instance](int size) {
        return static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(win32::kIconResource), IMAGE_ICON, size, size, LR_SHARED));
    };
    win32::DesignedWindow::RegisterWindowClass(instance, win32::kForm1Class, icon(::GetSystemMetrics(SM_CXICON)),
                                               icon(::GetSystemMetrics(SM_CXSMICON)));
    win32::DesignedWindow::RegisterWindowClass(instance, win32::kAboutClass, nullptr, nullptr);
    win32::DesignedWindow::RegisterWindowClass(instance, win32::kToPersianClass, icon(::GetSystemMetrics(SM_CXICON)),
                                               icon(::GetSystemMetrics(SM_CXSMICON)));
    win32::DesignedWindow::RegisterWindowClass(instance, win32::kHolidayListClass,
                                               icon(::GetSystemMetrics(SM_CXICON)), icon(::GetSystemMetrics(SM_CXSMICON)));
    win32::ResultNote::RegisterWindowClass(instance);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    RegisterWindowClasses(instance);
    int exitCode = 0;
    {
        // Owns the About box: an owned window has no task-bar button, and this
        // owner, never shown, outlives Form1.
        const HWND hiddenOwner =
            ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
        win32::Win32AlertBox alert;
        platform::NativeServices native;
        platform::Services services{alert, native.registry, native.files, native.launcher, native.clock, native.saver};
        window::ProgramLifetime lifetime([] { ::PostQuitMessage(0); });
        win32::Accessibility accessibility;
        win32::Form1Window form(instance, hiddenOwner, services, lifetime, accessibility);
        form.Show(showCommand);
        exitCode = RunMessageLoop();
        ::DestroyWindow(hiddenOwner);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return exitCode;
}
