// The menu bars of the program's windows: menus, items, their captions and
// shortcut keys, as each toolkit builds them. A window's logic carries out
// an item's command (Form1::Menu_Click, frmToPersian::Menu_Click,
// HolidayListWindow::Menu_Click).
#pragma once

#include <span>

namespace velmora::window {

enum class MenuCommand {
    OpenToPersian,  // opens the window "به هجری شمسی"
    CopyResult,     // the last result as one line of text on the clipboard
    About,          // the About box, as Command4
    OpenHolidayList,   // opens the window «تعطیلات رسمی سال»
    FillToday,         // fills the input boxes with today's date
    CopyHolidayList,   // the whole list as tab-separated lines on the clipboard
    SaveCalendarFile,  // the listed year as an iCalendar file, through a save dialog
};

// A shortcut key: a letter with Ctrl, and Shift where asked.
struct Shortcut {
    char letter;  // 'A'..'Z'
    bool shift;
    const char* text;  // as a menu shows it: "Ctrl+R"
};

struct MenuItemDesign {
    MenuCommand command;
    const char* caption;  // UTF-8
    Shortcut shortcut;
    bool enabledAtStart;  // the copy item waits for a result
};

struct MenuDesign {
    const char* caption;  // UTF-8
    std::span<const MenuItemDesign> items;
};

// Menus from the right: Persian menu bars read right to left.
std::span<const MenuDesign> Form1Menus();
std::span<const MenuDesign> ToPersianMenus();
std::span<const MenuDesign> HolidayListMenus();

}  // namespace velmora::window
