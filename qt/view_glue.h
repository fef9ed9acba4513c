// What the Qt converter windows do alike for the window logic's views.
#pragma once

#include <QWidget>

#include <string_view>

namespace velmora::ui {

// A result box's description: screen readers get the plain lines, the tool
// tip lays each line out in its own direction.
void DescribeResult(QWidget& control, std::string_view utf8);

// Gives the text box box of window the focus with all its text selected.
void FocusAndSelect(QWidget& window, std::string_view box);

}  // namespace velmora::ui
