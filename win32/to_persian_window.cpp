#include "win32/to_persian_window.h"

#include "win32/control_ids.h"
#include "window/converter_designs.h"

namespace velmora::win32 {

// A fixed border with a close and a minimise box: the window has its own
// task-bar button, as a window of its own that outlives Form1 may.
ToPersianWindow::ToPersianWindow(HINSTANCE instance, platform::Services& services, window::ProgramLifetime& lifetime,
                                 Accessibility& accessibility)
    : ConverterWindow(instance, window::ToPersianConverterDesign(), kToPersianClass,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, lifetime, accessibility),
      logic_(*this, services) {}

}  // namespace velmora::win32
