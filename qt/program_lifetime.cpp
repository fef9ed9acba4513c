#include "program_lifetime.h"

#include <QEvent>

#include <algorithm>

namespace velmora::ui {

ProgramLifetime::ProgramLifetime(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {}

void ProgramLifetime::Track(QWidget& window) {
    windows_.push_back(&window);
    window.installEventFilter(this);
}

bool ProgramLifetime::eventFilter(QObject* watched, QEvent* event) {
    // A spontaneous hide comes from the window system (minimising); only a
    // hide by the program, from closing or unloading, ends a window's life.
    if (event->type() == QEvent::Hide && !event->spontaneous() && !ended_ && !AnyWindowLoaded()) {
        ended_ = true;
        endProgram_();
    }
    return QObject::eventFilter(watched, event);
}

bool ProgramLifetime::AnyWindowLoaded() const {
    return std::any_of(windows_.begin(), windows_.end(), [](const QPointer<QWidget>& w) { return w && w->isVisible(); });
}

}  // namespace velmora::ui
