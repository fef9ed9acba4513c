// The converter window Form1 as a Win32 window: the converter window of its
// design, with the About button and the program's other windows, which it
// makes on first use.
#pragma once

#include "win32/about_window.h"
#include "win32/holiday_list_window.h"
#include "win32/to_persian_window.h"
#include "win32/win32_converter_window.h"
#include "window/converter_window.h"

#include <memory>

namespace velmora::win32 {

class Form1Window final : public ConverterWindow {
public:
    // hiddenOwner owns the About box, so that the box has no task-bar button
    // and outlives Form1.
    Form1Window(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                window::ProgramLifetime& lifetime, Accessibility& accessibility);
    ~Form1Window() override;

    using ConverterWindow::Show;

private:
    window::ConverterPane& Pane() override { return logic_; }
    void OnOtherButton(int id) override;

    window::Form1 logic_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<ToPersianWindow> toPersian_;
    std::unique_ptr<HolidayListWindow> holidayList_;
};

}  // namespace velmora::win32
