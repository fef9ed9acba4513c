// The design of the window «تعطیلات رسمی سال»: a year box with its heading
// and its button, the message under them and the list of the year's
// holidays, right to left.
#pragma once

#include "window/window_design.h"

#include <span>

namespace velmora::window {

extern const WindowDesign kHolidayListDesign;

// What a screen reader says of the window's controls beyond their captions.
std::span<const AccessibleText> HolidayListAccessibleTexts();

}  // namespace velmora::window
