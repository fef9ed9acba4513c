// The window "به هجری شمسی" in Qt: a main window with the copy item in its
// menu bar above the design's client area, the design's widgets and the
// glue between them and the window's logic. One instance, shown modeless.
#pragma once

#include "menu_bar.h"
#include "platform/services.h"
#include "result_note.h"
#include "window/to_persian_pane.h"

#include <QMainWindow>

#include <memory>

namespace velmora::ui {

class frmToPersian : public QMainWindow, private window::ToPersianView {
    Q_OBJECT

public:
    frmToPersian(platform::Services& services, double dpi);
    ~frmToPersian() override;

    window::frmToPersian& logic() { return logic_; }
    ResultNote& resultNote() { return *note_; }
    QWidget& designedArea() { return area_; }
    MenuBar& menus() { return *menus_; }

protected:
    // Esc that no control and no shown note took: the logic closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view utf8) override;
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;
    bool IsLoaded() const override;
    void Load() override;
    void ShowAndRaise() override;
    void Unload() override;
    bool DismissResultNote() override;

    window::frmToPersian logic_;
    QWidget& area_;
    MenuBar* menus_ = nullptr;  // a child of the window
    // Made once the result boxes exist; goes before the window's children.
    std::unique_ptr<ResultNote> note_;
};

}  // namespace velmora::ui
