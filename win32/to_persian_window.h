// The window "به هجری شمسی" as a Win32 window: a fixed border with a menu
// bar (the copy item) above the design's controls, the result note and the
// glue between them and the window's logic. One instance, modeless.
#pragma once

#include "win32/accessibility.h"
#include "win32/designed_window.h"
#include "win32/menu_bar.h"
#include "win32/result_note.h"
#include "win32/result_tool_tips.h"
#include "window/program_life.h"
#include "window/to_persian_pane.h"

#include <memory>

namespace velmora::win32 {

class ToPersianWindow final : public DesignedWindow, private window::ToPersianView {
public:
    ToPersianWindow(HINSTANCE instance, platform::Services& services, window::ProgramLifetime& lifetime,
                    Accessibility& accessibility);
    ~ToPersianWindow() override;

    window::frmToPersian& logic() { return logic_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int notification) override;

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

    POINT NotePosition() const;

    HINSTANCE instance_;
    window::ProgramLifetime& lifetime_;
    Accessibility& accessibility_;
    window::frmToPersian logic_;
    MenuBar menus_;
    std::unique_ptr<ResultNote> note_;
    std::unique_ptr<ResultToolTips> toolTips_;
};

}  // namespace velmora::win32
