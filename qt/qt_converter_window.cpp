#include "qt/qt_converter_window.h"

#include "qt/app_icon.h"
#include "qt/bidi_paragraphs.h"
#include "qt/design/qt_window_builder.h"
#include "qt/qt_modeless_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace velmora::ui {

ConverterWindow::ConverterWindow(const window::ConverterDesign& design, const char* objectName, double dpi)
    : area_(BuildMainWindow(design.window, *this, dpi)) {
    setObjectName(QString::fromUtf8(objectName));
    setWindowIcon(AppIcon());
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (const char* box : design.resultBoxes) Control<QLineEdit>(*this, box).setReadOnly(true);
    for (const window::Buddy& buddy : design.buddies)
        Control<QLabel>(*this, buddy.label).setBuddy(&Control<QLineEdit>(*this, buddy.box));
    DescribeControls(design.accessibleTexts, *this);
    note_ = std::make_unique<ResultNote>(*this, ControlWidget(*this, design.resultBoxes.front()),
                                         ControlWidget(*this, design.resultBoxes.back()), dpi);
    menus_ = new MenuBar(*this, design.menus, [this](window::MenuCommand command) { Pane().Menu_Click(command); });
    FitToDesignedArea(*this);
    for (const window::ConverterButton& button : design.buttons) {
        const CalendarId calendar = button.calendar;
        connect(&Control<QPushButton>(*this, button.control), &QPushButton::clicked, this,
                [this, calendar] { Pane().Convert(calendar); });
    }
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && Pane().Escape_Pressed()) return;
    QMainWindow::keyPressEvent(event);
}

std::string ConverterWindow::Text(std::string_view control) { return ControlText(*this, control).toStdString(); }

void ConverterWindow::SetText(std::string_view control, std::string_view utf8) {
    SetControlText(*this, control, utf8);
}

// Screen readers get the plain lines; the tool tip lays each line out in
// its own direction.
void ConverterWindow::SetDescription(std::string_view control, std::string_view utf8) {
    QWidget& widget = ControlWidget(*this, control);
    const QString text = ToQString(utf8);
    widget.setAccessibleDescription(text);
    widget.setToolTip(ParagraphsAsHtml(text, false));
}

void ConverterWindow::FocusAndSelectAll(std::string_view control) {
    auto& edit = Control<QLineEdit>(*this, std::string(control).c_str());
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

void ConverterWindow::SetResultNote(std::string_view utf8) { note_->Show(ToQString(utf8)); }

void ConverterWindow::CopyToClipboard(std::string_view utf8) {
    QGuiApplication::clipboard()->setText(ToQString(utf8));
}

void ConverterWindow::SetCopyEnabled(bool enabled) { menus_->SetEnabled(window::MenuCommand::CopyResult, enabled); }

bool ConverterWindow::DismissResultNote() {
    if (!note_->popup().isVisible()) return false;
    note_->Dismiss();
    return true;
}

bool ConverterWindow::IsLoaded() const { return isVisible(); }

void ConverterWindow::ShowAndRaise() { ShowModeless(*this); }

void ConverterWindow::Unload() { close(); }

}  // namespace velmora::ui
