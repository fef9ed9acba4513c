// Velmora: builds the converter window and runs until every window is closed.
#include "Form1.h"
#include "design/window_builder.h"
#include "platform/native_services.h"
#include "qt_message_box.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program counts its own windows: the About box, a tool window, keeps
    // it running after Form1 is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    velmora::ui::QtMessageBox messageBox;
    velmora::platform::NativeServices native;
    velmora::platform::Services services{messageBox, native.registry, native.files, native.launcher};
    velmora::ui::ProgramLifetime lifetime([] { QCoreApplication::quit(); });
    velmora::ui::Form1 form(services, lifetime, velmora::ui::ScreenLogicalDpi());
    form.show();
    return QApplication::exec();
}
