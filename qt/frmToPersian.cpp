#include "qt/frmToPersian.h"

#include "window/converter_designs.h"

namespace velmora::ui {

frmToPersian::frmToPersian(platform::Services& services, double dpi)
    : ConverterWindow(window::ToPersianConverterDesign(), "frmToPersian", dpi), logic_(*this, services) {}

}  // namespace velmora::ui
