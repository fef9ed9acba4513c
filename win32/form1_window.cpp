#include "win32/form1_window.h"

#include "win32/control_ids.h"
#include "window/converter_designs.h"

namespace velmora::win32 {

// The platform's default border: sizable, with minimise and maximise boxes.
Form1Window::Form1Window(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                         window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : ConverterWindow(instance, window::Form1ConverterDesign(), kForm1Class, WS_OVERLAPPEDWINDOW, lifetime,
                      accessibility),
      logic_(
          *this, services,
          [=, this, &services, &lifetime, &accessibility]() -> window::frmAbout& {
              about_ = std::make_unique<AboutWindow>(instance, hiddenOwner, services, lifetime, accessibility);
              return about_->logic();
          },
          [=, this, &services, &lifetime, &accessibility]() -> window::frmToPersian& {
              toPersian_ = std::make_unique<ToPersianWindow>(instance, services, lifetime, accessibility);
              return toPersian_->logic();
          },
          [=, this, &services, &lifetime, &accessibility]() -> window::HolidayListWindow& {
              holidayList_ = std::make_unique<HolidayListWindow>(instance, services, lifetime, accessibility);
              return holidayList_->logic();
          }) {
    SetFocusTo(controls_.Control("Text1"));
}

Form1Window::~Form1Window() = default;

void Form1Window::OnOtherButton(int id) {
    if (id == window::ControlId(window::Form1ConverterDesign().window, "Command4")) logic_.Command4_Click();
}

}  // namespace velmora::win32
