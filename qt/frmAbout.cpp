#include "frmAbout.h"

#include "app_icon.h"
#include "window/about_design.h"
#include "design/window_builder.h"
#include "platform/sys_info.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::ui {
namespace {

// A tool window stays out of the task bar; fixed dialog border with a close
// button only, no minimise or maximise box.
constexpr Qt::WindowFlags kAboutWindowFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

constexpr AccessibleText kAccessibleTexts[] = {
    {"cmdOK", nullptr, "Close the About box"},
    {"cmdSysInfo", nullptr, "Start the system information tool"},
    {"picIcon", "Velmora icon", "The program's icon, a calendar page"},
};

}  // namespace

frmAbout::frmAbout(platform::Services& services, double dpi)
    : QDialog(nullptr, kAboutWindowFlags), services_(services), dpi_(dpi) {
    BuildWindow(kAboutDesign, *this, dpi);
    setFixedSize(size());
    setSizeGripEnabled(false);

    auto& picture = Control<QLabel>(*this, "picIcon");
    picture.setPixmap(AppIconLargePixmap());
    Control<QLabel>(*this, "Label1").setTextInteractionFlags(Qt::TextSelectableByMouse);
    Control<QLabel>(*this, "Label1").setFocusPolicy(Qt::NoFocus);
    DescribeControls(kAccessibleTexts, *this);

    auto& ok = Control<QPushButton>(*this, "cmdOK");
    ok.setDefault(true);  // Enter, unless another button has the focus
    connect(&ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(&Control<QPushButton>(*this, "cmdSysInfo"), &QPushButton::clicked, this,
            &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Show() {
    if (!isVisible()) {
        if (!placed_) PlaceAtDesignPosition(kAboutDesign, *this, dpi_);
        placed_ = true;
        Control<QPushButton>(*this, "cmdOK").setFocus();
    }
    show();
    raise();
    activateWindow();
}

void frmAbout::StartSysInfo() { platform::StartSysInfo(services_); }

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::cmdOK_Click() { Unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

// The instance stays; only its window goes until the next Show.
void frmAbout::Unload() { hide(); }

}  // namespace velmora::ui
