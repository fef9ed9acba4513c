#include "qt/program_lifetime.h"

#include <QEvent>

namespace velmora::ui {

ProgramLifetime::ProgramLifetime(std::function<void()> endProgram) : rule_(std::move(endProgram)) {}

void ProgramLifetime::Track(QWidget& window) {
    window.installEventFilter(this);
    if (window.isVisible()) rule_.Loaded(&window);
}

bool ProgramLifetime::eventFilter(QObject* watched, QEvent* event) {
    // A spontaneous hide comes from the window system (minimising); only a
    // hide by the program, from closing or unloading, ends a window's life.
    if (event->type() == QEvent::Show) rule_.Loaded(watched);
    if (event->type() == QEvent::Hide && !event->spontaneous()) rule_.Unloaded(watched);
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora::ui
