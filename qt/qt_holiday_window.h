// The window «تعطیلات رسمی سال» in Qt: the widgets of its design under its
// menu bar, and the glue between them and the window's logic. One
// instance, shown modeless like «به هجری شمسی».
#pragma once

#include "platform/services.h"
#include "qt/qt_menu_bar.h"
#include "window/holiday_window.h"

#include <QMainWindow>
#include <QTreeWidget>

namespace velmora::ui {

class HolidayWindow final : public QMainWindow, private window::HolidayListView {
    Q_OBJECT

public:
    HolidayWindow(platform::Services& services, double dpi);

    window::HolidayListWindow& logic() { return logic_; }
    QTreeWidget& list() { return list_; }
    MenuBar& menus() { return *menus_; }

protected:
    // Esc that no control took closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view) override {}
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;
    void SetRows(const std::vector<window::HolidayRow>& rows) override;
    std::optional<std::string> AskSavePath(std::string_view proposedName) override;
    bool IsLoaded() const override;
    void Load() override {}
    void ShowAndRaise() override;
    void Unload() override;

    QWidget& area_;
    QTreeWidget& list_;
    MenuBar* menus_ = nullptr;  // a child of the window
    window::HolidayListWindow logic_;
};

}  // namespace velmora::ui
