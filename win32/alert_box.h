// The platform's message box as a small dialog of the program's own, titled
// with the application's title and modal to the whole program: every window
// of the program is disabled until OK (Enter, Esc or the close box). Its
// text is drawn line by line in each line's direction, a Persian sentence
// right to left and right-aligned, an English line left to right, on every
// Windows: the system's message box reads Persian right to left only on a
// right-to-left Windows. The text is the window text of a static control of
// ID 0xFFFF, where the system's message box keeps its text, for screen
// readers and tools that read it.
#pragma once

#include "platform/alert.h"

namespace velmora::win32 {

class Win32AlertBox final : public platform::Alert {
public:
    void Show(std::string_view text) override;
};

}  // namespace velmora::win32
