// A window's menu bar in Win32, built from the window layer's menu design,
// and the accelerator table of its shortcut keys. The menus stand from the
// right, the first rightmost, and their items read right to left.
#pragma once

#include "window/menus.h"

#include <windows.h>

#include <optional>
#include <span>

namespace velmora::win32 {

class MenuBar {
public:
    explicit MenuBar(std::span<const window::MenuDesign> menus);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The menu, which the window takes over when it is created with it.
    HMENU menu() const { return menu_; }
    HACCEL accelerators() const { return accelerators_; }

    void SetEnabled(window::MenuCommand command, bool enabled);

    // The command of a menu item's or accelerator's identifier.
    static std::optional<window::MenuCommand> CommandOf(int id);

    // The accelerator table of a top-level window of the program, for the
    // message loop; null for a window without one.
    static HACCEL AcceleratorsOf(HWND window);
    // Lets the message loop find this bar's accelerators for window.
    void AttachTo(HWND window);

private:
    HMENU menu_ = nullptr;
    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
};

}  // namespace velmora::win32
