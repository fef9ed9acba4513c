#include "win32/control_ids.h"

#include "window/about_design.h"
#include "window/converter_designs.h"
#include "window/holiday_list_design.h"

namespace velmora::win32 {

const char* ControlName(const window::WindowDesign& design, int id) {
    for (const window::ControlDesign& control : design.controls)
        if (window::ControlId(design, control.name) == id) return control.name;
    return nullptr;
}

const window::WindowDesign* DesignOfClass(std::wstring_view className) {
    if (className == kForm1Class) return &window::Form1ConverterDesign().window;
    if (className == kToPersianClass) return &window::ToPersianConverterDesign().window;
    if (className == kAboutClass) return &window::kAboutDesign;
    if (className == kHolidayListClass) return &window::kHolidayListDesign;
    return nullptr;
}

}  // namespace velmora::win32
