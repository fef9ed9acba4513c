// The converter window as a Win32 window: the design's controls, the result
// note and the glue between them and the converter window's logic.
#pragma once

#include "about_window.h"
#include "accessibility.h"
#include "designed_window.h"
#include "result_note.h"
#include "window/converter_window.h"
#include "window/program_lifetime.h"
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

    window::frmAbout& MakeAbout();
    POINT NotePosition() const;
    void AddResultToolTips();
    static LRESULT CALLBACK ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data);
    void PaintToolTip();

    HINSTANCE instance_;
    HWND hiddenOwner_;
    platform::Services& services_;
    window::ProgramLifetime& lifetime_;
    Accessibility& accessibility_;
    window::Form1 logic_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<ResultNote> note_;
    HWND toolTips_ = nullptr;
    HFONT tipFont_ = nullptr;
    std::map<HWND, std::wstring> tips_;  // each result box's tip text
};

}  // namespace velmora::win32
