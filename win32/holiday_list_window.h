// The window «تعطیلات رسمی سال» as a Win32 window: a fixed border with a
// menu bar (save, copy) above the design's controls, the list of the year's
// holidays, the save dialog and the glue between them and the window's
// logic. One instance, modeless, made on Form1's first Ctrl+H.
#pragma once

#include "win32/accessibility.h"
#include "win32/designed_window.h"
#include "win32/holiday_report_list.h"
#include "win32/menu_bar.h"
#include "window/holiday_window.h"
#include "window/program_life.h"

namespace velmora::win32 {

class HolidayListWindow final : public DesignedWindow, private window::HolidayListView {
public:
    HolidayListWindow(HINSTANCE instance, platform::Services& services, window::ProgramLifetime& lifetime,
                           Accessibility& accessibility);

    window::HolidayListWindow& logic() { return logic_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int notification) override;

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view utf8) override;
    void SetDescription(std::string_view control, std::string_view utf8) override;
    void FocusAndSelectAll(std::string_view control) override;
    void SetResultNote(std::string_view) override {}  // the window has no result note
    void CopyToClipboard(std::string_view utf8) override;
    void SetCopyEnabled(bool enabled) override;
    void SetRows(const std::vector<window::HolidayRow>& rows) override;
    std::optional<std::string> AskSavePath(std::string_view proposedName) override;
    bool IsLoaded() const override { return IsShown(); }
    void Load() override {}  // the window stays made between shows
    void ShowAndRaise() override { ShowModeless(); }
    void Unload() override { Hide(); }

    int IdOf(std::string_view control) const;

    Accessibility& accessibility_;
    window::HolidayListWindow logic_;
    MenuBar menus_;
    HolidayReportList list_;
};

}  // namespace velmora::win32
