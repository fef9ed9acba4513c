// The About box as a Win32 window: fixed dialog border, no task-bar button
// (it is owned by a hidden window), modeless, and the glue between its
// controls and the About box's logic.
#pragma once

#include "win32/accessibility.h"
#include "win32/designed_window.h"
#include "window/about_box.h"
#include "window/program_life.h"

namespace velmora::win32 {

class AboutWindow final : public DesignedWindow, private window::AboutView {
public:
    AboutWindow(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                window::ProgramLifetime& lifetime, Accessibility& accessibility);

    window::frmAbout& logic() { return logic_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int notification) override;

    bool IsLoaded() const override;
    void Load(bool atDesignPosition) override;
    void ShowAndRaise() override;
    void Unload() override;
    void Focus(std::string_view control) override;

    // Shows the program's icon in the picture box at its size for dpi.
    void ShowIcon(UINT dpi);

    HINSTANCE instance_;
    window::frmAbout logic_;
    HICON icon_ = nullptr;
};

}  // namespace velmora::win32
