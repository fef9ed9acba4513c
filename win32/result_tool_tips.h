// Tool tips over a window's result boxes: hovering one shows its
// description, the date read out in words, each line painted in its own
// direction. Made on the first result.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::win32 {

class ResultToolTips {
public:
    ResultToolTips(HINSTANCE instance, HWND window, std::vector<HWND> boxes);
    ~ResultToolTips();
    ResultToolTips(const ResultToolTips&) = delete;
    ResultToolTips& operator=(const ResultToolTips&) = delete;

    // Sets the tip of one of the boxes.
    void Set(HWND box, std::string_view utf8);

private:
    void Create();
    static LRESULT CALLBACK ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data);
    void Paint();

    HINSTANCE instance_;
    HWND window_;
    std::vector<HWND> boxes_;
    HWND toolTips_ = nullptr;  // a window the owner destroys with itself
    HFONT font_ = nullptr;
    std::map<HWND, std::wstring> tips_;  // each result box's tip text
};

}  // namespace velmora::win32
