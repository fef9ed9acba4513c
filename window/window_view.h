// What a toolkit's window offers the window logic: the texts of its controls
// and the keyboard focus, with controls named as in the design tables. Each
// toolkit implements it over its own widgets; the tests over a fake.
#pragma once

#include <string>
#include <string_view>

namespace velmora::window {

class WindowView {
public:
    virtual ~WindowView() = default;

    // The UTF-8 text of a text box, or a label's caption. Text that has no
    // UTF-8 form (a lone UTF-16 surrogate) comes back as bytes that are not
    // valid UTF-8, so that the number parser rejects it like any invalid text.
    virtual std::string Text(std::string_view control) = 0;

    // Sets a text box's text or a label's caption.
    virtual void SetText(std::string_view control, std::string_view utf8) = 0;

    // What a screen reader says of a control beyond its name; the toolkit may
    // also offer it as the control's tool tip.
    virtual void SetDescription(std::string_view control, std::string_view utf8) = 0;

    // Gives a text box the keyboard focus with all its text selected.
    virtual void FocusAndSelectAll(std::string_view control) = 0;

    // Shows the note on the last result next to the result boxes, without
    // taking the focus, until the next call; empty text shows nothing.
    virtual void SetResultNote(std::string_view utf8) = 0;

    // Puts a line of text on the clipboard.
    virtual void CopyToClipboard(std::string_view utf8) = 0;

    // Enables the menu item that copies the result; it starts disabled.
    virtual void SetCopyEnabled(bool enabled) = 0;

    // Hides the result note when it shows; true when it did. A view whose
    // toolkit dismisses the note itself keeps this default.
    virtual bool DismissResultNote() { return false; }
};

}  // namespace velmora::window
