#include "qt/frmAbout.h"

#include "qt/app_icon.h"
#include "qt/design/qt_window_builder.h"
#include "qt/qt_modeless_window.h"
#include "window/about_design.h"
#include "window/texts.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::ui {
namespace {

// A tool window stays out of the task bar; fixed dialog border with a close
// button only, no minimise or maximise box.
constexpr Qt::WindowFlags kAboutWindowFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

frmAbout::frmAbout(platform::Services& services, double dpi)
    : QDialog(nullptr, kAboutWindowFlags), dpi_(dpi), logic_(*this, services) {
    BuildWindow(window::kAboutDesign, *this, dpi);
    setFixedSize(size());
    setSizeGripEnabled(false);

    auto& picture = Control<QLabel>(*this, "picIcon");
    picture.setPixmap(AppIconLargePixmap());
    Control<QLabel>(*this, "Label1").setTextInteractionFlags(Qt::TextSelectableByMouse);
    Control<QLabel>(*this, "Label1").setFocusPolicy(Qt::NoFocus);
    DescribeControls(window::AboutAccessibleTexts(), *this);

    auto& ok = Control<QPushButton>(*this, "cmdOK");
    ok.setDefault(true);  // Enter, unless another button has the focus
    connect(&ok, &QPushButton::clicked, this, [this] { logic_.cmdOK_Click(); });
    connect(&Control<QPushButton>(*this, "cmdSysInfo"), &QPushButton::clicked, this,
            [this] { logic_.cmdSysInfo_Click(); });
}

void frmAbout::reject() { logic_.cmdOK_Click(); }

bool frmAbout::IsLoaded() const { return isVisible(); }

void frmAbout::Load(bool atDesignPosition) {
    if (atDesignPosition) PlaceAtDesignPosition(window::kAboutDesign, *this, dpi_);
}

void frmAbout::ShowAndRaise() { ShowModeless(*this); }

// The instance stays; only its window goes until the next Show.
void frmAbout::Unload() { hide(); }

void frmAbout::Focus(std::string_view control) { ControlWidget(*this, control).setFocus(); }

}  // namespace velmora::ui
