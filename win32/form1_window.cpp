#include "win32/form1_window.h"

#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "window/form1_design.h"
#include "window/menus.h"
#include "window/texts.h"

namespace velmora::win32 {
namespace {

// The platform's default border: sizable, with minimise and maximise boxes.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

constexpr const char* kResultBoxes[] = {"Text4", "Text5", "Text6"};


}  // namespace

Form1Window::Form1Window(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                         window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : DesignedWindow(window::kForm1Design, kStyle, kExStyle),
      instance_(instance),
      hiddenOwner_(hiddenOwner),
      services_(services),
      lifetime_(lifetime),
      accessibility_(accessibility),
      logic_(
          *this, services, [this]() -> window::frmAbout& { return MakeAbout(); },
          [this]() -> window::frmToPersian& { return MakeToPersian(); },
          [this]() -> window::HolidayListWindow& { return MakeHolidayList(); }),
      menus_(window::Form1Menus()) {
    Create(instance, kForm1Class, nullptr, &Form1ControlId, nullptr, {}, menus_.menu());
    menus_.AttachTo(hwnd());
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (const char* box : kResultBoxes) ::SendMessageW(controls_.Control(box), EM_SETREADONLY, TRUE, 0);
    for (const window::AccessibleText& text : window::Form1AccessibleTexts()) {
        const HWND control = controls_.Control(text.control);
        if (text.name != nullptr) accessibility_.SetName(control, text.name);
        accessibility_.SetDescription(control, text.description);
    }
    toolTips_ = std::make_unique<ResultToolTips>(
        instance, hwnd(),
        std::vector<HWND>{controls_.Control("Text4"), controls_.Control("Text5"), controls_.Control("Text6")});
    SetFocusTo(controls_.Control("Text1"));
}

Form1Window::~Form1Window() = default;

void Form1Window::Show(int showCommand) {
    ::ShowWindow(hwnd(), showCommand);
    ::UpdateWindow(hwnd());
    lifetime_.Loaded(this);
}

window::frmAbout& Form1Window::MakeAbout() {
    about_ = std::make_unique<AboutWindow>(instance_, hiddenOwner_, services_, lifetime_, accessibility_);
    return about_->logic();
}

window::frmToPersian& Form1Window::MakeToPersian() {
    toPersian_ = std::make_unique<ToPersianWindow>(instance_, services_, lifetime_, accessibility_);
    return toPersian_->logic();
}

window::HolidayListWindow& Form1Window::MakeHolidayList() {
    holidayList_ = std::make_unique<HolidayListWindow>(instance_, services_, lifetime_, accessibility_);
    return holidayList_->logic();
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        if (note_) note_->Dismiss();
        ::ShowWindow(hwnd(), SW_HIDE);
        lifetime_.Unloaded(this);
        return 0;
    }
    // The note follows the result boxes. (The window moves while it is
    // built, before the note exists.)
    if (message == WM_MEASUREITEM && menus_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
    if (message == WM_DRAWITEM && menus_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    if (note_) note_->FollowOwner(hwnd(), message, wParam, NotePosition());
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void Form1Window::OnCommand(int id, int notification) {
    if (id == IDCANCEL) {  // Esc dismisses the note
        if (note_) note_->Dismiss();
        return;
    }
    // Menu items and their accelerators (notifications 0 and 1).
    if (const std::optional<window::MenuCommand> command = MenuBar::CommandOf(id)) {
        logic_.Menu_Click(*command);
        return;
    }
    if (notification != BN_CLICKED) return;
    switch (id) {
        case kIdCommand1: logic_.Command1_Click(); break;
        case kIdCommand2: logic_.Command2_Click(); break;
        case kIdCommand3: logic_.Command3_Click(); break;
        case kIdCommand4: logic_.Command4_Click(); break;
        default: break;
    }
}

std::string Form1Window::Text(std::string_view control) { return WideToUtf8(WindowText(controls_.Control(control))); }

void Form1Window::SetText(std::string_view control, std::string_view utf8) {
    ::SetWindowTextW(controls_.Control(control), Utf8ToWide(utf8).c_str());
}

void Form1Window::SetDescription(std::string_view control, std::string_view utf8) {
    const HWND box = controls_.Control(control);
    accessibility_.SetDescription(box, utf8);
    toolTips_->Set(box, utf8);
}

void Form1Window::FocusAndSelectAll(std::string_view control) {
    const HWND box = controls_.Control(control);
    SetFocusTo(box);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

POINT Form1Window::NotePosition() const { return NotePositionBelow(hwnd(), controls_.Control("Text4")); }

void Form1Window::SetResultNote(std::string_view utf8) {
    if (utf8.empty() && !note_) return;
    // Made with the first note, not at start: most sessions never need it.
    if (!note_) note_ = std::make_unique<ResultNote>(instance_, hwnd(), accessibility_);
    note_->Show(utf8, NotePosition(), WindowDpi(hwnd()));
}

void Form1Window::CopyToClipboard(std::string_view utf8) { CopyTextToClipboard(hwnd(), utf8); }

void Form1Window::SetCopyEnabled(bool enabled) { menus_.SetEnabled(window::MenuCommand::CopyResult, enabled); }

}  // namespace velmora::win32
