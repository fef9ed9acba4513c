// The designs of the two converter windows as their toolkits build them:
// Form1, which converts a Persian date to each calendar, and «به هجری شمسی»,
// which converts a date of each calendar to the Persian calendar.
#pragma once

#include "window/converter_pane.h"

namespace velmora::window {

const ConverterDesign& Form1ConverterDesign();
const ConverterDesign& ToPersianConverterDesign();

}  // namespace velmora::window
