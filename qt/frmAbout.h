// The About box in Qt: the design's widgets and the glue between them and
// the About box's logic. One instance, shown modeless.
#pragma once

#include "platform/services.h"
#include "window/about_box.h"

#include <QDialog>

namespace velmora::ui {

class frmAbout : public QDialog, private window::AboutView {
    Q_OBJECT

public:
    frmAbout(platform::Services& services, double dpi);

    // Shows the box modeless, or raises it when it is already open.
    void Show() { logic_.Show(); }

    // Finds and starts the system-information tool, or says it cannot.
    void StartSysInfo() { logic_.StartSysInfo(); }

    window::frmAbout& logic() { return logic_; }

protected:
    // Esc and the window's close button act as cmdOK, the cancel button.
    void reject() override;

private:
    bool IsLoaded() const override;
    void Load(bool atDesignPosition) override;
    void ShowAndRaise() override;
    void Unload() override;
    void Focus(std::string_view control) override;

    const double dpi_;
    window::frmAbout logic_;
};

}  // namespace velmora::ui
