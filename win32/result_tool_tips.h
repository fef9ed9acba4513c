// Tool tips over a window's result boxes: hovering one shows its
// description, the date read out in words. Made on the first result.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace velmora::win32 {

class ResultToolTips {
public:
    ResultToolTips(HINSTANCE instance, HWND window, std::vector<HWND> boxes);

    // Sets the tip of one of the boxes.
    void Set(HWND box, std::string_view utf8);

private:
    void Create();

    HINSTANCE instance_;
    HWND window_;
    std::vector<HWND> boxes_;
    HWND toolTips_ = nullptr;  // a window the owner destroys with itself
};

}  // namespace velmora::win32
