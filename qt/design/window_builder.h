// Turns a window's design data into Qt widgets at a given logical DPI.
#pragma once

#include "window/window_design.h"

#include <QString>
#include <QWidget>

#include <stdexcept>

namespace velmora::ui {

// The designs' unit: 1440 twips make an inch.
inline constexpr double kTwipsPerInch = 1440.0;

// The DPI at which line widths are given in the design (one pixel = 15 twips).
inline constexpr double kDesignDpi = 96.0;

// Second family of every named font: Tahoma is rarely present on Linux, and
// this one shapes Persian text.
inline constexpr const char* kArabicFallbackFamily = "Noto Sans Arabic UI";

// px = round(twips * dpi / 1440).
int TwipsToPixels(int twips, double dpi);

// The primary screen's logical DPI, the one the window's coordinates use.
double ScreenLogicalDpi();

// Creates the window's controls as children of window, in design order, with
// objectName, caption, geometry, font and colour of the design; sets the
// window's caption and client size and chains the focus order by tab index.
// The focus starts on the control of the lowest tab index.
void BuildWindow(const WindowDesign& design, QWidget& window, double dpi);

// Gives the named controls their accessible names and descriptions.
void DescribeControls(std::span<const AccessibleText> texts, QWidget& window);

// Puts the window's client area at the design position on the screen.
void PlaceAtDesignPosition(const WindowDesign& design, QWidget& window, double dpi);

// The control named in the design, of the widget type the builder made it.
template <typename Widget>
Widget& Control(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *widget;
}

}  // namespace velmora::ui
