// A converter window in Qt, as Form1 and «به هجری شمسی» both are: a main
// window whose menu bar lies above the design's client area, the design's
// widgets, read-only result boxes, the labels that name their boxes, the
// result note, and the glue between them and the window's pane. The pane
// is the derived window's: its buttons, menu items and Esc go to it.
#pragma once

#include "qt/qt_menu_bar.h"
#include "qt/qt_result_note.h"
#include "window/converter_pane.h"
#include "window/to_persian_pane.h"

#include <QMainWindow>

#include <memory>

namespace velmora::ui {

class ConverterWindow : public QMainWindow, protected window::ToPersianView {
    Q_OBJECT

public:
    ~ConverterWindow() override;

    // The note on the last result beside the result boxes.
    ResultNote& resultNote() { return *note_; }

    // The designed client area below the menu bar.
    QWidget& designedArea() { return area_; }

    MenuBar& menus() { return *menus_; }

protected:
    // Builds the window of design; objectName names it for tests and tools.
    ConverterWindow(const window::ConverterDesign& design, const char* objectName, double dpi);

    // The window's behaviour, which its controls drive once it is built.
    virtual window::ConverterPane& Pane() = 0;

    // Esc that no control and no shown note took goes to the pane.
    void keyPressEvent(QKeyEvent* event) override;

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view utf8) override;
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;
    bool DismissResultNote() override;

    // The life of a modeless window: the instance keeps its widgets between shows.
    bool IsLoaded() const override;
    void Load() override {}
    void ShowAndRaise() override;
    void Unload() override;

private:
    QWidget& area_;
    MenuBar* menus_ = nullptr;  // a child of the window
    // Made once the result boxes exist; goes before the window's children.
    std::unique_ptr<ResultNote> note_;
};

}  // namespace velmora::ui
