// A converter window in Win32, as Form1 and «به هجری شمسی» both are: a menu
// bar above the design's controls, read-only result boxes with tool tips,
// the result note, and the glue between them and the window's pane. The
// pane is the derived window's: its buttons, menu items and Esc go to it.
#pragma once

#include "win32/accessibility.h"
#include "win32/designed_window.h"
#include "win32/menu_bar.h"
#include "win32/result_note.h"
#include "win32/result_tool_tips.h"
#include "window/converter_pane.h"
#include "window/to_persian_pane.h"

#include <memory>

namespace velmora::win32 {

class ConverterWindow : public DesignedWindow, protected window::ToPersianView {
public:
    ~ConverterWindow() override;

protected:
    ConverterWindow(HINSTANCE instance, const window::ConverterDesign& design, const wchar_t* className,
                    DWORD style, window::ProgramLifetime& lifetime, Accessibility& accessibility);

    // The window's behaviour, which its controls drive once it is built.
    virtual window::ConverterPane& Pane() = 0;

    // A button of the design that is not a converter button.
    virtual void OnOtherButton(int id) { (void)id; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int notification) override;

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view utf8) override;
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;
    bool DismissResultNote() override;

    // The life of a modeless window: it stays made between shows.
    bool IsLoaded() const override { return IsShown(); }
    void Load() override {}
    void ShowAndRaise() override { ShowModeless(); }
    void Unload() override;

private:
    POINT NotePosition() const;

    HINSTANCE instance_;
    const window::ConverterDesign& design_;
    Accessibility& accessibility_;
    MenuBar menus_;
    std::unique_ptr<ResultNote> note_;
    std::unique_ptr<ResultToolTips> toolTips_;
};

}  // namespace velmora::win32
