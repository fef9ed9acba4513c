// What a toolkit needs of a converter window (Form1 and «به هجری شمسی»):
// its design, generated from the calendar rows, and its behaviour. A
// toolkit builds one converter-window class over this and wires every
// button, menu item and Esc through it, without naming a calendar.
#pragma once

#include "calendar/calendar_table.h"
#include "platform/services.h"
#include "window/conversion.h"
#include "window/menus.h"
#include "window/window_view.h"
#include "window/window_design.h"

#include <array>
#include <optional>
#include <span>
#include <string>

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

// An input box and the label whose caption names it in error reports.
struct InputBox {
    const char* box;
    const char* heading;
};

// Everything a toolkit needs to build a converter window and wire it.
struct ConverterDesign {
    const WindowDesign& window;  // controls with kind, caption, place, tab index, control id
    std::span<const AccessibleText> accessibleTexts;
    std::span<const MenuDesign> menus;
    std::span<const ConverterButton> buttons;  // in the order of the calendar table
    std::array<const char*, 3> resultBoxes;    // read-only; the note is anchored from the first to the last
    std::span<const Buddy> buddies;
    std::array<InputBox, 3> inputs;  // year, month, day
    const char* resultLabel;         // names the result's calendar
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

// What both converter windows do alike: read the three input boxes, convert
// and show the result, report an error, and copy the last result.
class ConverterLogic : public ConverterPane {
public:
    const ConverterDesign& Design() const override { return design_; }

    // Reads each input box just before converting it, converts and writes
    // the result only once all of that has succeeded: a failure anywhere
    // leaves the result boxes, their label and the note as they were.
    void Convert(CalendarId calendar) override;

    // The last result as the copy command puts it on the clipboard.
    const std::optional<std::string>& LastResultLine() const { return lastResult_; }

protected:
    ConverterLogic(const ConverterDesign& design, WindowView& view, platform::Services& services);

    // The conversion of the typed date with the window's button for
    // calendar; raises what the conversion raises.
    virtual Conversion Converted(CalendarId calendar, const DateFields& typed) = 0;

    void CopyResult();

    // Writes date into the three input boxes, as the Today command does.
    void FillInputs(const DateFields& date);

    WindowView& view_;
    platform::Services& services_;

private:
    // The numbers in the result boxes and the label; after them what they
    // mean: the date in words in the boxes' descriptions, and the note.
    void ShowResult(const Conversion& conversion);

    const ConverterDesign& design_;
    std::optional<std::string> lastResult_;
};

}  // namespace velmora::window
