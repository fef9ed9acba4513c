// The design of the About box frmAbout.
#pragma once

#include "window/window_design.h"

namespace velmora::window {

extern const WindowDesign kAboutDesign;

// The home page that Label1 shows; README names the same address.
inline constexpr const char* kHomePage = "https://velmora.example";

}  // namespace velmora::window
