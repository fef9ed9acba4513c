#include "window/modeless_window.h"

namespace velmora::window {

void ShowModeless(ModelessView& view, const std::function<void()>& load) {
    if (!view.IsLoaded()) load();
    view.ShowAndRaise();
}

}  // namespace velmora::window
