// Turns a window's design data into Win32 controls: standard EDIT, BUTTON and
// STATIC controls in the order of their tab index (which is the order the
// dialog keys move the focus in), placed by the window's DPI, with the
// design's fonts and colours. Lines are painted by the window, and so are
// the labels and buttons with right-to-left text (owner-drawn: the window
// passes WM_DRAWITEM to DrawItem).
#pragma once

#include "window/window_design.h"

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::win32 {

// A new font of the design at dpi (the window's default font for a design
// font without a family); the caller deletes it.
HFONT CreateDesignFont(const window::FontDesign& font, UINT dpi);

// A window's text (a control's caption).
std::wstring WindowText(HWND hwnd);

class DesignedControls {
public:
    explicit DesignedControls(const window::WindowDesign& design);
    ~DesignedControls();
    DesignedControls(const DesignedControls&) = delete;
    DesignedControls& operator=(const DesignedControls&) = delete;

    // Creates the controls as children of parent at dpi, each with the ID
    // of its design row (ControlId). The labels named in selectableLabels
    // are read-only edit controls without a border, so that their text can
    // be selected and copied.
    void Build(HWND parent, UINT dpi, std::initializer_list<std::string_view> selectableLabels = {});

    // Places the controls and makes their fonts for a new DPI.
    void Layout(UINT dpi);

    // The design's client size in pixels at dpi.
    SIZE ClientSize(UINT dpi) const;

    // The control named in the design; throws std::logic_error for a name
    // the design does not have.
    HWND Control(std::string_view name) const;

    // The text colour the design gives a label, if any.
    std::optional<COLORREF> TextColour(HWND control) const;

    // Draws an owner-drawn control of the design; false for any other.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

    // True for a button that the window draws: the dialog manager does not
    // press it with Enter, as it does a push button with the focus.
    bool IsDrawnButton(HWND control) const;

    // Draws the design's lines.
    void PaintLines(HDC dc) const;

    const window::WindowDesign& design() const { return design_; }

private:
    struct Built {
        const window::ControlDesign* design;
        HWND hwnd;
        HFONT font;  // owned by fonts_
    };
    HFONT FontFor(const window::FontDesign& font);
    void ReleaseFonts();

    const window::WindowDesign& design_;
    std::vector<Built> controls_;
    std::vector<HFONT> fonts_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace velmora::win32
