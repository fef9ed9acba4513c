#include "qt/velmora_program.h"

#include "qt/design/qt_window_builder.h"

#include <QApplication>

namespace velmora::ui {

VelmoraProgram::VelmoraProgram()
    : services_{alert_, native_.registry, native_.files, native_.launcher, native_.clock, native_.saver},
      lifetime_([] { QCoreApplication::quit(); }),
      form_(services_, lifetime_, ScreenLogicalDpi()) {
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace velmora::ui
