#include "win32/holiday_list_window.h"

#include "win32/clipboard.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/save_file_dialog.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"
#include "window/holiday_list_design.h"
#include "window/menus.h"

namespace velmora::win32 {
namespace {

// As «به هجری شمسی»: a fixed border with a close and a minimise box, and a
// task-bar button of its own.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

constexpr SaveFileKind kCalendarFile{L"iCalendar (*.ics)", L"ics"};

}  // namespace

HolidayListWindow::HolidayListWindow(HINSTANCE instance, platform::Services& services,
                                               window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : DesignedWindow(window::kHolidayListDesign, kStyle, kExStyle, lifetime),
      accessibility_(accessibility),
      logic_(*this, services),
      menus_(window::HolidayListMenus()) {
    Create(instance, kHolidayListClass, nullptr, nullptr, {}, menus_.menu());
    menus_.AttachTo(hwnd());
    list_.Attach(controls_.Control("lstHolidays"), WindowDpi(hwnd()));
    Describe(accessibility_, window::HolidayListAccessibleTexts());
}

int HolidayListWindow::IdOf(std::string_view control) const {
    return window::ControlId(window::kHolidayListDesign, control).value_or(0);
}

LRESULT HolidayListWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Unload();
            return 0;
        case DM_GETDEFID:  // Enter lists the year, as cmdShow does
            return MAKELRESULT(IdOf("cmdShow"), DC_HASDEFID);
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (menus_.Measure(item) || list_.Measure(item, ::GetDlgItem(hwnd(), static_cast<int>(item.CtlID))))
                return TRUE;
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (menus_.Draw(item) || list_.Draw(item)) return TRUE;
            // The message has a Persian line and an English one, each drawn
            // in its own direction.
            if (item.hwndItem == controls_.Control("lblMessage")) {
                ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
                ::SetTextColor(item.hDC, ::GetSysColor(COLOR_WINDOWTEXT));
                const auto font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
                DrawParagraphs(item.hDC, WindowText(item.hwndItem), item.rcItem, font);
                return TRUE;
            }
            break;
        }
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.code == LVN_GETINFOTIPW && list_.InfoTip(*reinterpret_cast<NMLVGETINFOTIPW*>(lParam))) return 0;
            break;
        }
        case WM_DPICHANGED: {
            const LRESULT result = DesignedWindow::HandleMessage(message, wParam, lParam);
            list_.Layout(HIWORD(wParam));
            return result;
        }
        default:
            break;
    }
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void HolidayListWindow::OnCommand(int id, int notification) {
    if (id == IDCANCEL) {  // Esc
        logic_.Escape_Pressed();
        return;
    }
    if (const std::optional<window::MenuCommand> command = MenuBar::CommandOf(id)) {
        logic_.Menu_Click(*command);
        return;
    }
    if (notification == BN_CLICKED && (id == IDOK || id == IdOf("cmdShow"))) logic_.cmdShow_Click();
}

std::string HolidayListWindow::Text(std::string_view control) {
    return WideToUtf8(WindowText(controls_.Control(control)));
}

void HolidayListWindow::SetText(std::string_view control, std::string_view utf8) {
    const HWND window = controls_.Control(control);
    ::SetWindowTextW(window, Utf8ToWide(utf8).c_str());
    ::InvalidateRect(window, nullptr, TRUE);
    Accessibility::Announce(window);
}

void HolidayListWindow::SetDescription(std::string_view control, std::string_view utf8) {
    accessibility_.SetDescription(controls_.Control(control), utf8);
}

void HolidayListWindow::FocusAndSelectAll(std::string_view control) {
    const HWND box = controls_.Control(control);
    // Selected before it takes the focus: whoever sees the focus arrive
    // (a screen reader, another program) sees the whole text selected.
    ::SendMessageW(box, EM_SETSEL, 0, -1);
    SetFocusTo(box);
}

void HolidayListWindow::CopyToClipboard(std::string_view utf8) { CopyTextToClipboard(hwnd(), utf8); }

void HolidayListWindow::SetCopyEnabled(bool enabled) {
    menus_.SetEnabled(window::MenuCommand::CopyHolidayList, enabled);
    menus_.SetEnabled(window::MenuCommand::SaveCalendarFile, enabled);
}

// A year without rows shows the message alone: the list hides, and the
// focus it had goes to the year box.
void HolidayListWindow::SetRows(const std::vector<window::HolidayRow>& rows) {
    list_.SetRows(rows);
    const HWND list = list_.hwnd();
    if (rows.empty() && ::GetFocus() == list) SetFocusTo(controls_.Control("txtYear"));
    ::ShowWindow(list, rows.empty() ? SW_HIDE : SW_SHOWNA);
}

std::optional<std::string> HolidayListWindow::AskSavePath(std::string_view proposedName) {
    const std::optional<std::wstring> path = win32::AskSavePath(hwnd(), kCalendarFile, Utf8ToWide(proposedName));
    if (!path) return std::nullopt;
    return WideToUtf8(*path);
}


}  // namespace velmora::win32
