// What the Win32 windows share: a top-level window whose client area holds
// the controls of a design, sized by its DPI and rescaled when it moves to a
// monitor of another DPI, with the design's lines and label colours, the
// keyboard focus kept across deactivation as a dialog keeps it, and the life
// of a program window: counted as loaded while shown.
#pragma once

#include "win32/accessibility.h"
#include "win32/window_builder.h"
#include "window/program_life.h"

#include <windows.h>

#include <span>

namespace velmora::win32 {

class DesignedWindow {
public:
    virtual ~DesignedWindow();
    DesignedWindow(const DesignedWindow&) = delete;
    DesignedWindow& operator=(const DesignedWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Registers a window class whose windows dispatch to DesignedWindow.
    static void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, HICON large, HICON small);

protected:
    DesignedWindow(const window::WindowDesign& design, DWORD style, DWORD exStyle, window::ProgramLifetime& lifetime);

    // Creates the window at the design's client size for the DPI it opens on
    // and builds its controls; at (x, y) when given, else where the system
    // puts it. selectableLabels as DesignedControls::Build takes them. A menu
    // bar, when given, lies above the designed client area.
    void Create(HINSTANCE instance, const wchar_t* className, HWND owner, const POINT* clientTopLeft,
                std::initializer_list<std::string_view> selectableLabels = {}, HMENU menu = nullptr);

    // Gives the design's controls their names and descriptions for screen readers.
    void Describe(Accessibility& accessibility, std::span<const window::AccessibleText> texts);

    // Puts the client area's top-left corner at a screen point.
    void PlaceClientAt(POINT screen);

    // The life of the window: shown (and counted as loaded) with a show
    // command; shown modeless and brought forward with its focus back; and
    // hidden (unloaded) with the instance kept for the next show.
    void Show(int showCommand);
    void ShowModeless();
    void Hide();
    bool IsShown() const { return ::IsWindowVisible(hwnd_) != FALSE; }

    // Messages the window handles itself; the rest go to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnCommand(int id, int notification) = 0;

    void SetFocusTo(HWND control);

    // Gives the focus back to the control that had it last, or to the first
    // stop of the focus order.
    void RestoreFocus();

    DesignedControls controls_;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void FitClientArea(UINT dpi, const RECT* suggested);

    const DWORD style_;
    const DWORD exStyle_;
    window::ProgramLifetime& lifetime_;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the window was deactivated
};

}  // namespace velmora::win32
