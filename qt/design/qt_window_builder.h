// Turns a window's design data into Qt widgets at a given logical DPI.
#pragma once

#include "window/geometry.h"
#include "window/window_design.h"

#include <QMainWindow>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::ui {

using window::AccessibleText;
using window::ControlDesign;
using window::kDesignDpi;
using window::TwipsToPixels;
using window::WindowDesign;

// Second family of every named font: Tahoma is rarely present on Linux, and
// this one shapes Persian text.
inline constexpr const char* kArabicFallbackFamily = "Noto Sans Arabic UI";

// The primary screen's logical DPI, the one the window's coordinates use.
double ScreenLogicalDpi();

// Creates the window's controls as children of window, in design order, with
// objectName, caption, geometry, font and colour of the design; sets the
// window's caption and client size and chains the focus order by tab index.
// The focus starts on the control of the lowest tab index.
void BuildWindow(const WindowDesign& design, QWidget& window, double dpi);

// Builds the design into a new central widget of window, a main window
// whose menu bar lies above the designed client area, and returns that
// area. Call FitToDesignedArea once the menu bar is complete.
QWidget& BuildMainWindow(const WindowDesign& design, QMainWindow& window, double dpi);

// Sizes window so that its central widget has the design's client size.
void FitToDesignedArea(QMainWindow& window);

// Gives the named controls their accessible names and descriptions.
void DescribeControls(std::span<const AccessibleText> texts, QWidget& window);

// Puts the window's client area at the design position on the screen.
void PlaceAtDesignPosition(const WindowDesign& design, QWidget& window, double dpi);

// The control named in the design, of the widget type the builder made it,
// in window or in the designed area of a main window.
template <typename Widget>
Widget& Control(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromUtf8(name), Qt::FindChildrenRecursively);
    if (widget == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *widget;
}

QString ToQString(std::string_view utf8);

// A control of the design by name, whatever its widget type.
QWidget& ControlWidget(QWidget& window, std::string_view name);

// The text of a text box or the caption of a label or button, and setting it.
QString ControlText(QWidget& window, std::string_view name);
void SetControlText(QWidget& window, std::string_view name, std::string_view utf8);

}  // namespace velmora::ui
