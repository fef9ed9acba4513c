#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

namespace velmora::bench {

FirstPaintSignal::FirstPaintSignal(QWidget& window) { window.installEventFilter(this); }

bool FirstPaintSignal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !signalled_) {
        signalled_ = true;
        // After this paint has been delivered, tell the runner and quit.
        QTimer::singleShot(0, [] {
            if (const char* fd = std::getenv("VELMORA_PROBE_FD")) {
                const char byte = 1;
                [[maybe_unused]] const auto written = ::write(std::atoi(fd), &byte, 1);
            }
            QCoreApplication::exit(0);
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora::bench
