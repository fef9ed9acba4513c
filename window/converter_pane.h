// What a toolkit needs of a converter window (Form1 and «به هجری شمسی»):
// its design, generated from the calendar rows, and its behaviour. A
// toolkit builds one converter-window class over this and wires every
// button, menu item and Esc through it, without naming a calendar.
#pragma once

#include "calendar/calendar_table.h"
#include "window/menus.h"
#include "window/window_design.h"

#include <array>
#include <span>

namespace velmora::window {

// One converter button of a window: its control in the design and the
// calendar it converts to or from.
struct ConverterButton {
    const char* control;
    CalendarId calendar;
};

// A label that names a box for the keyboard (Alt+letter) and screen readers.
struct Buddy {
    const char* label;
    const char* box;
};

// Everything a toolkit needs to build a converter window and wire it.
struct ConverterDesign {
    const WindowDesign& window;  // controls with kind, caption, place, tab index, control id
    std::span<const AccessibleText> accessibleTexts;
    std::span<const MenuDesign> menus;
    std::span<const ConverterButton> buttons;  // in the order of the calendar table
    std::array<const char*, 3> resultBoxes;    // read-only; the note is anchored from the first to the last
    std::span<const Buddy> buddies;
};

// The behaviour of one converter window, which a toolkit's converter window
// drives.
class ConverterPane {
public:
    virtual ~ConverterPane() = default;
    virtual const ConverterDesign& Design() const = 0;
    // A converter button was pressed.
    virtual void Convert(CalendarId calendar) = 0;
    virtual void Menu_Click(MenuCommand command) = 0;
    // Esc without modifiers; true when the window used it (dismissed a note,
    // closed the window).
    virtual bool Escape_Pressed() = 0;
};

}  // namespace velmora::window
