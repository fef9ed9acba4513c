#include "frmToPersian.h"

#include "app_icon.h"
#include "design/window_builder.h"
#include "view_glue.h"
#include "window/texts.h"
#include "window/to_persian_design.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {

frmToPersian::frmToPersian(platform::Services& services, double dpi)
    : logic_(*this, services), area_(BuildMainWindow(window::kToPersianDesign, *this, dpi)) {
    setObjectName(QStringLiteral("frmToPersian"));
    setWindowIcon(AppIcon());
    for (const char* result : {"txtPersianYear", "txtPersianMonth", "txtPersianDay"})
        Control<QLineEdit>(*this, result).setReadOnly(true);
    Control<QLabel>(*this, "lblPrompt").setBuddy(&Control<QLineEdit>(*this, "txtYear"));
    Control<QLabel>(*this, "lblYear").setBuddy(&Control<QLineEdit>(*this, "txtYear"));
    Control<QLabel>(*this, "lblMonth").setBuddy(&Control<QLineEdit>(*this, "txtMonth"));
    Control<QLabel>(*this, "lblDay").setBuddy(&Control<QLineEdit>(*this, "txtDay"));
    Control<QLabel>(*this, "lblCalendar").setBuddy(&Control<QLineEdit>(*this, "txtPersianYear"));
    DescribeControls(window::ToPersianAccessibleTexts(), *this);
    note_ = std::make_unique<ResultNote>(*this, ControlWidget(*this, "txtPersianYear"),
                                         ControlWidget(*this, "txtPersianDay"), dpi);
    menus_ = new MenuBar(*this, window::ToPersianMenus(),
                         [this](window::MenuCommand command) { logic_.Menu_Click(command); });
    FitToDesignedArea(*this);

    connect(&Control<QPushButton>(*this, "cmdFromIslamic"), &QPushButton::clicked, this,
            [this] { logic_.cmdFromIslamic_Click(); });
    connect(&Control<QPushButton>(*this, "cmdFromGregorian"), &QPushButton::clicked, this,
            [this] { logic_.cmdFromGregorian_Click(); });
    connect(&Control<QPushButton>(*this, "cmdFromHebrew"), &QPushButton::clicked, this,
            [this] { logic_.cmdFromHebrew_Click(); });
}

frmToPersian::~frmToPersian() = default;

void frmToPersian::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        logic_.Escape_Pressed();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

std::string frmToPersian::Text(std::string_view control) { return ControlText(*this, control).toStdString(); }

void frmToPersian::SetText(std::string_view control, std::string_view utf8) { SetControlText(*this, control, utf8); }

void frmToPersian::SetDescription(std::string_view control, std::string_view utf8) {
    DescribeResult(ControlWidget(*this, control), utf8);
}

void frmToPersian::FocusAndSelectAll(std::string_view control) { FocusAndSelect(*this, control); }

void frmToPersian::SetResultNote(std::string_view utf8) { note_->Show(ToQString(utf8)); }

void frmToPersian::CopyToClipboard(std::string_view utf8) { QGuiApplication::clipboard()->setText(ToQString(utf8)); }

void frmToPersian::SetCopyEnabled(bool enabled) { menus_->SetEnabled(window::MenuCommand::CopyResult, enabled); }

bool frmToPersian::IsLoaded() const { return isVisible(); }

void frmToPersian::Load() {}  // the instance keeps its widgets between shows

void frmToPersian::ShowAndRaise() {
    show();
    raise();
    activateWindow();
}

void frmToPersian::Unload() { close(); }

bool frmToPersian::DismissResultNote() {
    if (!note_->popup().isVisible()) return false;
    note_->Dismiss();
    return true;
}

}  // namespace velmora::ui
