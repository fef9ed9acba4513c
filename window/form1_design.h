// The design of the converter window Form1.
#pragma once

#include "window/window_design.h"

namespace velmora::window {

extern const WindowDesign kForm1Design;

}  // namespace velmora::window
