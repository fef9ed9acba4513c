// The list of a year's holidays as a Win32 report-style list view: five
// columns that read right to left, the first (the Persian date) rightmost,
// each cell drawn by the program right to left (see win32/rtl_text.h). The
// list view keeps every cell's text for screen readers and its own keys
// (arrows, Home, End, Page Up and Down); a row's tip holds its Persian name
// and its English words.
#pragma once

#include "window/holiday_list.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace velmora::win32 {

class HolidayReportList {
public:
    // Takes over a list view of the report and owner-drawn fixed styles;
    // the window passes it the messages below.
    void Attach(HWND list, UINT dpi);

    // The columns' widths and the rows' height for a new DPI or new rows:
    // rows of as few lines as let every text show whole in the list's width.
    void Layout(UINT dpi);

    // Replaces the rows; the first gets the focus mark, so that the arrow
    // keys start there.
    void SetRows(const std::vector<window::HolidayRow>& rows);

    // WM_MEASUREITEM of a list, which comes while the list is made, before
    // Attach: list is the control it asks for.
    bool Measure(MEASUREITEMSTRUCT& item, HWND list) const;
    // WM_DRAWITEM of the list; false for other controls.
    bool Draw(const DRAWITEMSTRUCT& item) const;

    // The tip of a row (LVN_GETINFOTIPW): its English words.
    bool InfoTip(NMLVGETINFOTIPW& tip) const;

    HWND hwnd() const { return list_; }

private:
    HWND list_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int lines_ = 2;  // of a row
    std::vector<std::wstring> englishTips_;
};

}  // namespace velmora::win32
