// The controls of the window «تعطیلات رسمی سال» in Win32: the year box with
// its label, the year's holidays as a report-style list view and a message
// below it. The list's cells and the message are drawn by the program right
// to left (see win32/rtl_text.h); the list view keeps every cell's text for
// screen readers and its own keys (arrows, Home, End, Page Up and Down).
#pragma once

#include "win32/accessibility.h"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::win32 {

class HolidayListControls {
public:
    // The cells of a row, first column first, as UTF-8.
    using Cells = std::array<std::string, 5>;

    HolidayListControls() = default;
    ~HolidayListControls();
    HolidayListControls(const HolidayListControls&) = delete;
    HolidayListControls& operator=(const HolidayListControls&) = delete;

    // Makes the controls in parent, of the program's Arabic-script font at
    // dpi, the columns headed by headings; accessibility names them.
    void Build(HWND parent, UINT dpi, const Cells& headings, std::string_view yearCaption, Accessibility& accessibility);
    // The controls' places and font for the client area's size at dpi.
    void Layout(UINT dpi);
    // The client size the window opens with at dpi.
    static SIZE ClientSize(UINT dpi);

    HWND year() const { return year_; }
    HWND list() const { return list_; }
    HWND message() const { return message_; }

    // Replaces the rows; the first gets the focus mark so that the arrow
    // keys start there.
    void SetRows(const std::vector<Cells>& rows);
    // The message below the list; the list itself shows only while
    // showList.
    void SetMessage(std::string_view utf8, bool showList);

    // WM_DRAWITEM for the list's rows and the message; false for others.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;
    // WM_MEASUREITEM of the list: a row's height at the font's size.
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;

private:
    void DrawRow(const DRAWITEMSTRUCT& item) const;

    HWND parent_ = nullptr;
    HWND yearLabel_ = nullptr;
    HWND year_ = nullptr;
    HWND list_ = nullptr;
    HWND message_ = nullptr;
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace velmora::win32
