// A window's menu bar in Win32, built from the window layer's menu design,
// and the accelerator table of its shortcut keys. The menus stand from the
// right, the first rightmost. The menus' items are drawn by the program, so
// that their Persian captions read right to left, right-aligned, with the
// shortcut on the left, also where the system would lay them out left to
// right; their text stays in the menu for screen readers.
#pragma once

#include "window/menus.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::win32 {

class MenuBar {
public:
    explicit MenuBar(std::span<const window::MenuDesign> menus);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The menu, which the window takes over when it is created with it.
    HMENU menu() const { return menu_; }

    void SetEnabled(window::MenuCommand command, bool enabled);

    // The command of a menu item's or accelerator's identifier.
    static std::optional<window::MenuCommand> CommandOf(int id);

    // The accelerator table of a top-level window of the program, for the
    // message loop; null for a window without one.
    static HACCEL AcceleratorsOf(HWND window);
    // Makes window the bar's owner: the message loop finds its accelerators
    // there, and its items are drawn at its DPI.
    void AttachTo(HWND window);

    // WM_MEASUREITEM and WM_DRAWITEM of the window for the bar's items;
    // false for other owner-drawn things.
    bool Measure(MEASUREITEMSTRUCT& item);
    bool Draw(const DRAWITEMSTRUCT& item);

private:
    struct ItemText {
        std::wstring caption;
        std::wstring shortcut;
    };
    HFONT Font();

    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    UINT fontDpi_ = 0;
    std::vector<std::unique_ptr<ItemText>> items_;  // the items' data point here
};

}  // namespace velmora::win32
