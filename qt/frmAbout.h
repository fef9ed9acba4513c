// The About box: title, version, description, the home page and the System
// Info button. One instance, shown modeless.
#pragma once

#include "platform/services.h"

#include <QDialog>

namespace velmora::ui {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(platform::Services& services, double dpi);

    // Shows the box modeless, or raises it when it is already open. The first
    // show puts its client area at the design position; each show after an
    // unload starts with the focus on cmdOK.
    void Show();

    // Finds and starts the system-information tool, or says it cannot.
    void StartSysInfo();

protected:
    // Esc and the window's close button act as cmdOK, the cancel button.
    void reject() override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Unload();

    platform::Services& services_;
    const double dpi_;
    bool placed_ = false;
};

}  // namespace velmora::ui
