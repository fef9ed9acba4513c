// Names and descriptions of controls for screen readers (MSAA and, through
// its proxy, UI Automation), set as explicit annotations on the controls'
// windows: the input and result boxes have no label of their own just before
// them that a screen reader could take as their name.
#pragma once

#include <windows.h>

#include <string_view>

struct IAccPropServices;

namespace velmora::win32 {

// Holds the annotation service for the life of the program's windows; COM
// must be initialised on the thread. Without the service the calls do nothing.
class Accessibility {
public:
    Accessibility();
    ~Accessibility();
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    void SetName(HWND control, std::string_view utf8);
    void SetDescription(HWND control, std::string_view utf8);
    // Tells screen readers that a window's text or state changed.
    static void Announce(HWND window);

private:
    IAccPropServices* services_ = nullptr;
};

}  // namespace velmora::win32
