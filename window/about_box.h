// The About box's behaviour, apart from its widgets: one instance, shown
// modeless and brought forward when shown again, put at its design position
// when first shown, closed by cmdOK (also Enter and Esc), and System Info.
#pragma once

#include "platform/services.h"
#include "window/modeless_window.h"

#include <string_view>

namespace velmora::window {

// The toolkit's side of the About box.
class AboutView : public ModelessView {
public:
    // Creates the box's window, unshown; with atDesignPosition its client
    // area goes to the design position on the screen.
    virtual void Load(bool atDesignPosition) = 0;

    virtual void Focus(std::string_view control) = 0;
};

class frmAbout {
public:
    frmAbout(AboutView& view, platform::Services& services);

    // Shows the box, or brings it forward when it is already open. Each show
    // after an unload starts with the focus on cmdOK, the lowest tab index.
    void Show();

    // Finds and starts the system-information tool, or says it cannot.
    void StartSysInfo();

    // Enter, Esc and the window's close button act as cmdOK.
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    AboutView& view_;
    platform::Services& services_;
    bool placed_ = false;  // the first show puts it at the design position
};

}  // namespace velmora::window
