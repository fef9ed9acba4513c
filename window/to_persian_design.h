// The design of the window "به هجری شمسی", which converts an Islamic,
// Gregorian or Hebrew date to the Persian calendar.
#pragma once

#include "window/window_design.h"

namespace velmora::window {

extern const WindowDesign kToPersianDesign;

}  // namespace velmora::window
