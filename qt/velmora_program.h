// The running program: the platform services, the program's lifetime and
// the converter window, wired together once. main() shows the window and
// runs Qt's event loop; the start-up benchmark builds the same program.
#pragma once

#include "qt/Form1.h"
#include "platform/native_services.h"
#include "qt/program_lifetime.h"
#include "qt/qt_alert_box.h"

namespace velmora::ui {

class VelmoraProgram {
public:
    // Needs a QApplication. Turns off Qt's quit-on-last-window rule: the
    // program counts its own windows, since the About box, a tool window,
    // keeps it running after Form1 is closed.
    VelmoraProgram();

    Form1& MainWindow() { return form_; }

private:
    QtAlertBox alert_;
    platform::NativeServices native_;
    platform::Services services_;
    ProgramLifetime lifetime_;
    Form1 form_;
};

}  // namespace velmora::ui
