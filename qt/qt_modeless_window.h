// The life of the program's modeless windows in Qt (the About box, «به
// هجری شمسی» and «تعطیلات رسمی سال»): made on first use, counted among the
// program's windows from then on, shown and brought forward, and hidden on
// unload with the instance kept for the next show.
#pragma once

#include "qt/program_lifetime.h"

#include <QWidget>

#include <memory>
#include <utility>

namespace velmora::ui {

// Makes the window into slot and tracks it; returns it.
template <typename Window, typename... Args>
Window& MakeModeless(std::unique_ptr<Window>& slot, ProgramLifetime& lifetime, Args&&... args) {
    slot = std::make_unique<Window>(std::forward<Args>(args)...);
    lifetime.Track(*slot);
    return *slot;
}

// Shows the window modeless, or brings it forward when it is open.
inline void ShowModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace velmora::ui
