#include "win32/control_ids.h"

#include "window/about_design.h"
#include "window/converter_designs.h"

#include <stdexcept>
#include <string>

namespace velmora::win32 {

int ControlId(const window::WindowDesign& design, std::string_view name) {
    for (std::size_t row = 0; row < design.controls.size(); ++row)
        if (design.controls[row].name == name) return kFirstControlId + static_cast<int>(row);
    throw std::logic_error("no control " + std::string(name));
}

const char* ControlName(const window::WindowDesign& design, int id) {
    const int row = id - kFirstControlId;
    if (row < 0 || static_cast<std::size_t>(row) >= design.controls.size()) return nullptr;
    return design.controls[static_cast<std::size_t>(row)].name;
}

const window::WindowDesign* DesignOfClass(std::wstring_view className) {
    if (className == kForm1Class) return &window::Form1ConverterDesign().window;
    if (className == kToPersianClass) return &window::ToPersianConverterDesign().window;
    if (className == kAboutClass) return &window::kAboutDesign;
    return nullptr;
}

}  // namespace velmora::win32
