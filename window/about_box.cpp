#include "window/about_box.h"

#include "platform/sys_info.h"

namespace velmora::window {

frmAbout::frmAbout(AboutView& view, platform::Services& services) : view_(view), services_(services) {}

void frmAbout::Show() {
    ShowModeless(view_, [this] {
        view_.Load(!placed_);
        placed_ = true;
        view_.Focus("cmdOK");
    });
}

void frmAbout::StartSysInfo() { platform::StartSysInfo(services_); }

void frmAbout::cmdOK_Click() { view_.Unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

}  // namespace velmora::window
