#include "win32/about_window.h"

#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/resource_ids.h"
#include "window/about_design.h"
#include "window/geometry.h"
#include "window/texts.h"

namespace velmora::win32 {
namespace {

// Fixed dialog border with a close button, no minimise or maximise box and,
// through the modal-frame style, no window icon.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The picture box shows the program's icon at 32x32 pixels at 96 DPI, and
// larger in proportion at a higher DPI (the icon file has larger images).
constexpr int kIconSizeAt96 = 32;

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                         window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : DesignedWindow(window::kAboutDesign, kStyle, kExStyle, lifetime), instance_(instance), logic_(*this, services) {
    Create(instance, kAboutClass, hiddenOwner, nullptr, {"Label1"});
    ShowIcon(WindowDpi(hwnd()));
    ::SendMessageW(controls_.Control("cmdOK"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    Describe(accessibility, window::AboutAccessibleTexts());
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID:
            // Enter presses cmdOK.
            return MAKELRESULT(*window::ControlId(window::kAboutDesign, "cmdOK"), DC_HASDEFID);
        case WM_CLOSE:
            logic_.cmdOK_Click();  // the close button acts as cmdOK
            return 0;
        case WM_DESTROY:
            if (icon_ != nullptr) ::DestroyIcon(icon_);
            icon_ = nullptr;
            break;
        case WM_DPICHANGED: {
            const LRESULT result = DesignedWindow::HandleMessage(message, wParam, lParam);
            ShowIcon(HIWORD(wParam));
            return result;
        }
        default:
            break;
    }
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void AboutWindow::ShowIcon(UINT dpi) {
    const int size = ::MulDiv(kIconSizeAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const auto icon = static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
    ::SendMessageW(controls_.Control("picIcon"), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (icon_ != nullptr) ::DestroyIcon(icon_);
    icon_ = icon;
}

void AboutWindow::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED) return;
    // Esc arrives as IDCANCEL: cmdOK is also the cancel button.
    if (id == window::ControlId(window::kAboutDesign, "cmdOK") || id == IDCANCEL) logic_.cmdOK_Click();
    if (id == window::ControlId(window::kAboutDesign, "cmdSysInfo")) logic_.cmdSysInfo_Click();
}

bool AboutWindow::IsLoaded() const { return IsShown(); }

void AboutWindow::Load(bool atDesignPosition) {
    if (!atDesignPosition) return;
    const window::WindowDesign& design = window::kAboutDesign;
    const double dpi = WindowDpi(hwnd());
    PlaceClientAt(POINT{window::TwipsToPixels(design.clientLeft, dpi), window::TwipsToPixels(design.clientTop, dpi)});
}

void AboutWindow::ShowAndRaise() { ShowModeless(); }

void AboutWindow::Unload() { Hide(); }

void AboutWindow::Focus(std::string_view control) { SetFocusTo(controls_.Control(control)); }

}  // namespace velmora::win32
