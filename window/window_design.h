// The design data of a window: every control with its kind, caption, place
// and size in twips (1/1440 inch, from the client area's top-left corner),
// its tab index and its font, as the form designer holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmora::window {

// List: rows under column headings, one row selected at a time, read by
// screen readers row by row (the holiday list).
enum class ControlKind { Label, TextBox, CommandButton, PictureBox, Line, List };

// A named font; a null family means the window's default font, which the
// builder leaves untouched.
struct FontDesign {
    const char* family;
    double points;
    bool italic;
};

inline constexpr FontDesign kWindowDefaultFont{nullptr, 0.0, false};

// Tahoma as designed; the builder adds a fallback family that has its
// Arabic-script glyphs on systems without Tahoma.
inline constexpr FontDesign Tahoma(double points, bool italic = false) {
    return FontDesign{"Tahoma", points, italic};
}

// A text or line colour; isDefault keeps the window's own colour.
struct Colour {
    bool isDefault;
    std::uint8_t red, green, blue;
};

inline constexpr Colour kDefaultColour{true, 0, 0, 0};
inline constexpr Colour kBlack{false, 0, 0, 0};
inline constexpr Colour kGrey{false, 128, 128, 128};
inline constexpr Colour kWhite{false, 255, 255, 255};

// Controls that never take the focus (labels, lines) have no place in the
// focus order.
inline constexpr int kNoTabIndex = -1;

struct ControlDesign {
    const char* name;     // objectName of the widget
    ControlKind kind;
    const char* caption;  // UTF-8; empty for text boxes that start empty
    // For every kind but Line: left, top, width, height. For a line: the
    // end points x1, y1, x2, y2.
    int left, top, width, height;
    int tabIndex;
    FontDesign font;
    Colour colour;
    int lineWidth;      // lines only: pen width in pixels at 96 DPI
    bool rightToLeft;   // Persian text: right-aligned, right-to-left
};

// What a screen reader says of a control beyond its caption; not part of
// the form designer's data, kept beside it by each window.
struct AccessibleText {
    const char* control;
    const char* name;  // null: the caption is the name
    const char* description;
};

struct WindowDesign {
    const char* caption;
    int clientWidth, clientHeight;  // twips
    bool hasPosition;               // a design position of the client area
    int clientLeft, clientTop;      // twips from the screen's top-left corner
    std::span<const ControlDesign> controls;
    // The child-window ID of the first control; each next row's is one more.
    int firstControlId;
};

// The child-window ID of a control of design, by its name; nullopt for a
// name the design does not have.
std::optional<int> ControlId(const WindowDesign& design, std::string_view name);

}  // namespace velmora::window
