// The window "به هجری شمسی" in Qt: the converter window of its design, with
// the copy item in its menu bar. One instance, shown modeless.
#pragma once

#include "platform/services.h"
#include "qt/qt_converter_window.h"
#include "window/to_persian_pane.h"

namespace velmora::ui {

class frmToPersian final : public ConverterWindow {
    Q_OBJECT

public:
    frmToPersian(platform::Services& services, double dpi);

    window::frmToPersian& logic() { return logic_; }

private:
    window::ConverterPane& Pane() override { return logic_; }

    window::frmToPersian logic_;
};

}  // namespace velmora::ui
