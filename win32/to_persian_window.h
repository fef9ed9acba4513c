// The window "به هجری شمسی" as a Win32 window: the converter window of its
// design, with a fixed border and the copy item in its menu bar. One
// instance, modeless.
#pragma once

#include "win32/win32_converter_window.h"
#include "window/to_persian_pane.h"

namespace velmora::win32 {

class ToPersianWindow final : public ConverterWindow {
public:
    ToPersianWindow(HINSTANCE instance, platform::Services& services, window::ProgramLifetime& lifetime,
                    Accessibility& accessibility);

    window::frmToPersian& logic() { return logic_; }

private:
    window::ConverterPane& Pane() override { return logic_; }

    window::frmToPersian logic_;
};

}  // namespace velmora::win32
