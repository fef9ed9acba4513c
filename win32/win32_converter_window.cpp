#include "win32/win32_converter_window.h"

#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/text_encoding.h"

namespace velmora::win32 {

ConverterWindow::ConverterWindow(HINSTANCE instance, const window::ConverterDesign& design, const wchar_t* className,
                                 DWORD style, window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : DesignedWindow(design.window, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, lifetime),
      instance_(instance),
      design_(design),
      accessibility_(accessibility),
      menus_(design.menus) {
    Create(instance, className, nullptr, nullptr, {}, menus_.menu());
    menus_.AttachTo(hwnd());
    std::vector<HWND> results;
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (const char* box : design.resultBoxes) {
        results.push_back(controls_.Control(box));
        ::SendMessageW(results.back(), EM_SETREADONLY, TRUE, 0);
    }
    Describe(accessibility, design.accessibleTexts);
    toolTips_ = std::make_unique<ResultToolTips>(instance, hwnd(), std::move(results));
}

ConverterWindow::~ConverterWindow() = default;

LRESULT ConverterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Unload();
        return 0;
    }
    if (message == WM_MEASUREITEM && menus_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
    if (message == WM_DRAWITEM && menus_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    // The note follows the result boxes. (The window moves while it is
    // built, before the note exists.)
    if (note_) note_->FollowOwner(hwnd(), message, wParam, NotePosition());
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void ConverterWindow::OnCommand(int id, int notification) {
    if (id == IDCANCEL) {  // Esc
        Pane().Escape_Pressed();
        return;
    }
    // Menu items and their accelerators (notifications 0 and 1).
    if (const std::optional<window::MenuCommand> command = MenuBar::CommandOf(id)) {
        Pane().Menu_Click(*command);
        return;
    }
    if (notification != BN_CLICKED) return;
    for (const window::ConverterButton& button : design_.buttons) {
        if (window::ControlId(design_.window, button.control) == id) {
            Pane().Convert(button.calendar);
            return;
        }
    }
    OnOtherButton(id);
}

std::string ConverterWindow::Text(std::string_view control) {
    return WideToUtf8(WindowText(controls_.Control(control)));
}

void ConverterWindow::SetText(std::string_view control, std::string_view utf8) {
    ::SetWindowTextW(controls_.Control(control), Utf8ToWide(utf8).c_str());
}

void ConverterWindow::SetDescription(std::string_view control, std::string_view utf8) {
    const HWND box = controls_.Control(control);
    accessibility_.SetDescription(box, utf8);
    toolTips_->Set(box, utf8);
}

void ConverterWindow::FocusAndSelectAll(std::string_view control) {
    const HWND box = controls_.Control(control);
    // Selected before it takes the focus: whoever sees the focus arrive
    // (a screen reader, another program) sees the whole text selected.
    ::SendMessageW(box, EM_SETSEL, 0, -1);
    SetFocusTo(box);
}

POINT ConverterWindow::NotePosition() const {
    return NotePositionBelow(hwnd(), controls_.Control(design_.resultBoxes.front()));
}

void ConverterWindow::SetResultNote(std::string_view utf8) {
    if (utf8.empty() && !note_) return;
    // Made with the first note, not at start: most sessions never need it.
    if (!note_) note_ = std::make_unique<ResultNote>(instance_, hwnd(), accessibility_);
    note_->Show(utf8, NotePosition(), WindowDpi(hwnd()));
}

void ConverterWindow::CopyToClipboard(std::string_view utf8) { CopyTextToClipboard(hwnd(), utf8); }

void ConverterWindow::SetCopyEnabled(bool enabled) { menus_.SetEnabled(window::MenuCommand::CopyResult, enabled); }

bool ConverterWindow::DismissResultNote() { return note_ && note_->DismissIfShown(); }

void ConverterWindow::Unload() {
    if (note_) note_->Dismiss();
    Hide();
}

}  // namespace velmora::win32
