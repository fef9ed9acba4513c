// The converter window in Qt: a main window whose menu bar lies above the
// design's client area, the design's widgets, built by the window builder,
// and the glue between them and the window logic.
#pragma once

#include "frmAbout.h"
#include "frmToPersian.h"
#include "menu_bar.h"
#include "platform/services.h"
#include "program_lifetime.h"
#include "result_note.h"
#include "window/converter_window.h"
#include "window/window_view.h"

#include <QMainWindow>

#include <memory>

namespace velmora::ui {

class Form1 : public QMainWindow, private window::WindowView {
    Q_OBJECT

public:
    // dpi: the logical DPI the design's twips are turned into pixels with.
    Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi);
    ~Form1() override;

    // The About box, once Command4 has created it.
    frmAbout* aboutBox() const { return about_.get(); }

    // The window "به هجری شمسی", once it has been opened.
    frmToPersian* toPersianWindow() const { return toPersian_.get(); }

    // The note on the last result beside the result boxes.
    ResultNote& resultNote() { return *note_; }

    // The designed client area below the menu bar.
    QWidget& designedArea() { return area_; }

    MenuBar& menus() { return *menus_; }

private:
    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view utf8) override;
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;

    frmAbout& MakeAbout();
    frmToPersian& MakeToPersian();

    platform::Services& services_;
    ProgramLifetime& lifetime_;
    const double dpi_;
    window::Form1 logic_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmToPersian> toPersian_;
    QWidget& area_;
    MenuBar* menus_ = nullptr;  // a child of the window
    // Made once the result boxes exist; goes before the window's children.
    std::unique_ptr<ResultNote> note_;
};

}  // namespace velmora::ui
