#include "menu_bar.h"

#include "control_ids.h"
#include "text_encoding.h"

#include <ranges>
#include <string>
#include <vector>

namespace velmora::win32 {
namespace {

// The window property that holds a window's accelerator table.
constexpr wchar_t kAcceleratorProperty[] = L"VelmoraAccelerators";

int IdOf(window::MenuCommand command) {
    switch (command) {
        case window::MenuCommand::OpenToPersian: return kIdMenuOpenToPersian;
        case window::MenuCommand::CopyResult: return kIdMenuCopyResult;
        case window::MenuCommand::About: return kIdMenuAbout;
    }
    return 0;
}

// The caption, then the shortcut after a tab, where a menu shows it.
std::wstring ItemText(const window::MenuItemDesign& item) {
    std::wstring text = Utf8ToWide(item.caption);
    if (item.shortcut.text != nullptr) text += L"\t" + Utf8ToWide(item.shortcut.text);
    return text;
}

void Append(HMENU menu, UINT type, UINT state, UINT_PTR id, HMENU submenu, std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | (submenu != nullptr ? MIIM_SUBMENU : MIIM_ID);
    info.fType = type;
    info.fState = state;
    info.wID = static_cast<UINT>(id);
    info.hSubMenu = submenu;
    info.dwTypeData = text.data();
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

}  // namespace

MenuBar::MenuBar(std::span<const window::MenuDesign> menus) {
    menu_ = ::CreateMenu();
    std::vector<ACCEL> keys;
    // Inserted from the last menu: the right-justified bar then shows the
    // first one rightmost, as a right-to-left reader looks for it.
    bool first = true;
    for (const window::MenuDesign& design : std::views::reverse(menus)) {
        const HMENU popup = ::CreatePopupMenu();
        for (const window::MenuItemDesign& item : design.items) {
            std::wstring text = ItemText(item);
            Append(popup, MFT_STRING | MFT_RIGHTORDER, item.enabledAtStart ? MFS_ENABLED : MFS_GRAYED,
                   static_cast<UINT_PTR>(IdOf(item.command)), nullptr, text);
            if (item.shortcut.letter == '\0') continue;
            const auto virt = static_cast<BYTE>(FVIRTKEY | FCONTROL | (item.shortcut.shift ? FSHIFT : 0));
            keys.push_back(ACCEL{virt, static_cast<WORD>(item.shortcut.letter), static_cast<WORD>(IdOf(item.command))});
        }
        std::wstring caption = Utf8ToWide(design.caption);
        Append(menu_, MFT_STRING | MFT_RIGHTORDER | (first ? MFT_RIGHTJUSTIFY : 0u), MFS_ENABLED, 0, popup, caption);
        first = false;
    }
    if (!keys.empty()) accelerators_ = ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// The window destroys its menu with itself; the bar goes before its window.
MenuBar::~MenuBar() {
    if (window_ != nullptr && ::IsWindow(window_)) ::RemovePropW(window_, kAcceleratorProperty);
    if (accelerators_ != nullptr) ::DestroyAcceleratorTable(accelerators_);
}

void MenuBar::SetEnabled(window::MenuCommand command, bool enabled) {
    ::EnableMenuItem(menu_, static_cast<UINT>(IdOf(command)), static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)));
}

std::optional<window::MenuCommand> MenuBar::CommandOf(int id) {
    for (const window::MenuCommand command :
         {window::MenuCommand::OpenToPersian, window::MenuCommand::CopyResult, window::MenuCommand::About})
        if (IdOf(command) == id) return command;
    return std::nullopt;
}

HACCEL MenuBar::AcceleratorsOf(HWND window) {
    return static_cast<HACCEL>(::GetPropW(window, kAcceleratorProperty));
}

void MenuBar::AttachTo(HWND window) {
    window_ = window;
    ::SetPropW(window, kAcceleratorProperty, accelerators_);
}

}  // namespace velmora::win32
