#include "win32/to_persian_window.h"

#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/text_encoding.h"
#include "window/menus.h"
#include "window/texts.h"
#include "window/to_persian_design.h"

namespace velmora::win32 {
namespace {

// A fixed border with a close and a minimise box: the window has its own
// task-bar button, as a window of its own that outlives Form1 may.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

}  // namespace

ToPersianWindow::ToPersianWindow(HINSTANCE instance, platform::Services& services, window::ProgramLifetime& lifetime,
                                 Accessibility& accessibility)
    : DesignedWindow(window::kToPersianDesign, kStyle, kExStyle),
      instance_(instance),
      lifetime_(lifetime),
      accessibility_(accessibility),
      logic_(*this, services),
      menus_(window::ToPersianMenus()) {
    Create(instance, kToPersianClass, nullptr, &ToPersianControlId, nullptr, {}, menus_.menu());
    menus_.AttachTo(hwnd());
    for (const char* box : {"txtPersianYear", "txtPersianMonth", "txtPersianDay"})
        ::SendMessageW(controls_.Control(box), EM_SETREADONLY, TRUE, 0);
    for (const window::AccessibleText& text : window::ToPersianAccessibleTexts()) {
        const HWND control = controls_.Control(text.control);
        if (text.name != nullptr) accessibility_.SetName(control, text.name);
        accessibility_.SetDescription(control, text.description);
    }
    toolTips_ = std::make_unique<ResultToolTips>(
        instance, hwnd(),
        std::vector<HWND>{controls_.Control("txtPersianYear"), controls_.Control("txtPersianMonth"),
                          controls_.Control("txtPersianDay")});
}

ToPersianWindow::~ToPersianWindow() = default;

LRESULT ToPersianWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Unload();
        return 0;
    }
    if (message == WM_MEASUREITEM && menus_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
    if (message == WM_DRAWITEM && menus_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    if (note_) note_->FollowOwner(hwnd(), message, wParam, NotePosition());
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void ToPersianWindow::OnCommand(int id, int notification) {
    if (id == IDCANCEL) {  // Esc
        logic_.Escape_Pressed();
        return;
    }
    if (const std::optional<window::MenuCommand> command = MenuBar::CommandOf(id)) {
        logic_.Menu_Click(*command);
        return;
    }
    if (notification != BN_CLICKED) return;
    switch (id) {
        case kIdCmdFromIslamic: logic_.cmdFromIslamic_Click(); break;
        case kIdCmdFromGregorian: logic_.cmdFromGregorian_Click(); break;
        case kIdCmdFromHebrew: logic_.cmdFromHebrew_Click(); break;
        default: break;
    }
}

std::string ToPersianWindow::Text(std::string_view control) {
    return WideToUtf8(WindowText(controls_.Control(control)));
}

void ToPersianWindow::SetText(std::string_view control, std::string_view utf8) {
    ::SetWindowTextW(controls_.Control(control), Utf8ToWide(utf8).c_str());
}

void ToPersianWindow::SetDescription(std::string_view control, std::string_view utf8) {
    const HWND box = controls_.Control(control);
    accessibility_.SetDescription(box, utf8);
    toolTips_->Set(box, utf8);
}

void ToPersianWindow::FocusAndSelectAll(std::string_view control) {
    const HWND box = controls_.Control(control);
    SetFocusTo(box);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

POINT ToPersianWindow::NotePosition() const { return NotePositionBelow(hwnd(), controls_.Control("txtPersianYear")); }

void ToPersianWindow::SetResultNote(std::string_view utf8) {
    if (utf8.empty() && !note_) return;
    if (!note_) note_ = std::make_unique<ResultNote>(instance_, hwnd(), accessibility_);
    note_->Show(utf8, NotePosition(), WindowDpi(hwnd()));
}

void ToPersianWindow::CopyToClipboard(std::string_view utf8) { CopyTextToClipboard(hwnd(), utf8); }

void ToPersianWindow::SetCopyEnabled(bool enabled) { menus_.SetEnabled(window::MenuCommand::CopyResult, enabled); }

bool ToPersianWindow::IsLoaded() const { return ::IsWindowVisible(hwnd()) != FALSE; }

void ToPersianWindow::Load() {}  // the window stays made between shows

void ToPersianWindow::ShowAndRaise() {
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    RestoreFocus();  // whether or not the system activated it just now
    lifetime_.Loaded(this);
}

void ToPersianWindow::Unload() {
    if (note_) note_->Dismiss();
    ::ShowWindow(hwnd(), SW_HIDE);
    lifetime_.Unloaded(this);
}

bool ToPersianWindow::DismissResultNote() { return note_ && note_->DismissIfShown(); }

}  // namespace velmora::win32
