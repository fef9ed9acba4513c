#include "qt/qt_holiday_window.h"

#include "qt/app_icon.h"
#include "qt/bidi_paragraphs.h"
#include "qt/design/qt_window_builder.h"
#include "qt/qt_modeless_window.h"
#include "window/holiday_list_design.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {

namespace {

constexpr int kNameColumn = 3;

QStringList Columns(const window::HolidayColumns& c) {
    return {ToQString(c.persianDate), ToQString(c.gregorianDate), ToQString(c.lunarDate), ToQString(c.name),
            ToQString(c.known)};
}

}  // namespace

HolidayWindow::HolidayWindow(platform::Services& services, double dpi)
    : area_(BuildMainWindow(window::kHolidayListDesign, *this, dpi)),
      list_(Control<QTreeWidget>(*this, "lstHolidays")),
      logic_(*this, services) {
    setObjectName(QStringLiteral("frmHolidays"));
    setWindowIcon(AppIcon());
    setLayoutDirection(Qt::RightToLeft);
    DescribeControls(window::HolidayListAccessibleTexts(), *this);
    Control<QLabel>(*this, "lblYear").setBuddy(&Control<QLineEdit>(*this, "txtYear"));
    list_.setHeaderLabels(Columns(window::HolidayColumnHeadings(true)));
    // The dates and how the day is known fit their widest text; the name
    // takes the rest of the width, a long one on more lines.
    list_.setWordWrap(true);
    list_.setUniformRowHeights(false);
    QHeaderView& header = *list_.header();
    header.setStretchLastSection(false);
    header.setDefaultAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 0; column < list_.columnCount(); ++column)
        header.setSectionResizeMode(column, column == kNameColumn ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    menus_ = new MenuBar(*this, window::HolidayListMenus(),
                         [this](window::MenuCommand command) { logic_.Menu_Click(command); });
    FitToDesignedArea(*this);
    connect(&Control<QPushButton>(*this, "cmdShow"), &QPushButton::clicked, this, [this] { logic_.cmdShow_Click(); });
    connect(&Control<QLineEdit>(*this, "txtYear"), &QLineEdit::returnPressed, this,
            [this] { logic_.cmdShow_Click(); });
}

void HolidayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && logic_.Escape_Pressed()) return;
    QMainWindow::keyPressEvent(event);
}

std::string HolidayWindow::Text(std::string_view control) { return ControlText(*this, control).toStdString(); }

// The message's Persian and English lines each read in their own direction.
void HolidayWindow::SetText(std::string_view control, std::string_view utf8) {
    if (control == "lblMessage") {
        auto& label = Control<QLabel>(*this, "lblMessage");
        label.setTextFormat(Qt::RichText);
        label.setText(utf8.empty() ? QString() : ParagraphsAsHtml(ToQString(utf8)));
        label.setAccessibleName(ToQString(utf8));
        return;
    }
    SetControlText(*this, control, utf8);
}

void HolidayWindow::SetDescription(std::string_view control, std::string_view utf8) {
    ControlWidget(*this, control).setAccessibleDescription(ToQString(utf8));
}

void HolidayWindow::FocusAndSelectAll(std::string_view control) {
    auto& edit = Control<QLineEdit>(*this, std::string(control).c_str());
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

void HolidayWindow::CopyToClipboard(std::string_view utf8) { QGuiApplication::clipboard()->setText(ToQString(utf8)); }

void HolidayWindow::SetCopyEnabled(bool enabled) {
    menus_->SetEnabled(window::MenuCommand::CopyHolidayList, enabled);
    menus_->SetEnabled(window::MenuCommand::SaveCalendarFile, enabled);
}

// Each cell reads in Persian; its English words are what a screen reader
// says of it beyond them, and its tool tip gives both in full, as a long
// name does not fit its column.
void HolidayWindow::SetRows(const std::vector<window::HolidayRow>& rows) {
    list_.clear();
    for (const window::HolidayRow& row : rows) {
        const QStringList persian = Columns(row.persian);
        const QStringList english = Columns(row.english);
        auto* item = new QTreeWidgetItem(&list_, persian);
        for (int column = 0; column < english.size(); ++column) {
            item->setToolTip(column, ParagraphsAsHtml(persian[column] + '\n' + english[column], false));
            item->setData(column, Qt::AccessibleDescriptionRole, english[column]);
        }
    }
    list_.setEnabled(!rows.empty());
    if (!rows.empty()) list_.setCurrentItem(list_.topLevelItem(0));
}

std::optional<std::string> HolidayWindow::AskSavePath(std::string_view proposedName) {
    QFileDialog dialog(this, QString::fromUtf8("ذخیره تعطیلات به صورت iCalendar"),
                       QDir::home().filePath(ToQString(proposedName)),
                       QString::fromUtf8("iCalendar (*.ics)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    dialog.selectFile(ToQString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

bool HolidayWindow::IsLoaded() const { return isVisible(); }

void HolidayWindow::ShowAndRaise() { ShowModeless(*this); }

void HolidayWindow::Unload() { close(); }

}  // namespace velmora::ui
