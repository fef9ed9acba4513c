// The converter window as a Win32 window: the menu bar above the design's
// controls, the result note and the glue between them and the converter
// window's logic.
#pragma once

#include "win32/about_window.h"
#include "win32/accessibility.h"
#include "win32/designed_window.h"
#include "win32/holiday_list_window.h"
#include "win32/menu_bar.h"
#include "win32/result_note.h"
#include "win32/result_tool_tips.h"
#include "win32/to_persian_window.h"
#include "window/converter_window.h"
#include "window/program_life.h"
#include "window/window_view.h"

#include <map>
#include <memory>
#include <string>

namespace velmora::win32 {

class Form1Window final : public DesignedWindow, private window::WindowView {
public:
    // hiddenOwner owns the About box, so that the box has no task-bar button
    // and outlives Form1.
    Form1Window(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                window::ProgramLifetime& lifetime, Accessibility& accessibility);
    ~Form1Window() override;

    void Show(int showCommand);

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

    window::frmAbout& MakeAbout();
    window::frmToPersian& MakeToPersian();
    window::HolidayListWindow& MakeHolidayList();
    POINT NotePosition() const;

    HINSTANCE instance_;
    HWND hiddenOwner_;
    platform::Services& services_;
    window::ProgramLifetime& lifetime_;
    Accessibility& accessibility_;
    window::Form1 logic_;
    MenuBar menus_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<ToPersianWindow> toPersian_;
    std::unique_ptr<HolidayListWindow> holidayList_;
    std::unique_ptr<ResultNote> note_;
    std::unique_ptr<ResultToolTips> toolTips_;
};

}  // namespace velmora::win32
