#include "window/window_design.h"

namespace velmora::window {

std::optional<int> ControlId(const WindowDesign& design, std::string_view name) {
    for (std::size_t row = 0; row < design.controls.size(); ++row) {
        if (design.controls[row].name == name) return design.firstControlId + static_cast<int>(row);
    }
    return std::nullopt;
}

}  // namespace velmora::window
