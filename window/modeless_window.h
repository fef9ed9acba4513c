// The life of a modeless window that the program shows once and again (the
// About box, «به هجری شمسی»): one instance, loaded on its first show and
// after each unload, brought forward when it is shown again.
#pragma once

#include <functional>

namespace velmora::window {

// The toolkit's side of such a window.
class ModelessView {
public:
    virtual ~ModelessView() = default;

    // True while the window is loaded (shown).
    virtual bool IsLoaded() const = 0;

    // Shows the loaded window modeless and brings it forward.
    virtual void ShowAndRaise() = 0;

    // Removes the window; the instance stays for the next show.
    virtual void Unload() = 0;
};

// Shows the window: when it is not loaded, load creates it (unshown) and
// gives its first control the focus; then it is shown and brought forward.
void ShowModeless(ModelessView& view, const std::function<void()>& load);

// The instance that make creates on its first call, shown each time.
template <typename Window, typename Make>
void ShowOnce(Window*& window, Make& make) {
    if (window == nullptr) window = &make();
    window->Show();
}

}  // namespace velmora::window
