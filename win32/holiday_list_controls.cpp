#include "win32/holiday_list_controls.h"

#include "win32/control_ids.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"
#include "window/window_design.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>

namespace velmora::win32 {
namespace {

// Sizes in pixels at 96 DPI: the client area, the margin around the
// controls, the year row, the message's room below the list, and each
// column's width, first column (the Persian date) first.
constexpr SIZE kClientAt96{880, 440};
constexpr int kMarginAt96 = 8;
constexpr int kRowHeightAt96 = 23;
constexpr int kYearLabelWidthAt96 = 40;
constexpr int kYearBoxWidthAt96 = 70;
constexpr int kMessageHeightAt96 = 58;
constexpr int kCellMarginAt96 = 6;
constexpr int kColumnWidthsAt96[] = {170, 120, 140, 190, 236};
constexpr int kColumns = 5;

// The Persian captions' font, of the Arabic character set.
constexpr double kFontPoints = 8.25;

int Scaled(int at96, UINT dpi) { return ::MulDiv(at96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

HWND Child(HWND parent, int id, const wchar_t* className, DWORD style, DWORD exStyle, std::wstring_view text) {
    const std::wstring caption(text);
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    return ::CreateWindowExW(exStyle, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void SetCell(HWND list, int row, int column, const std::string& utf8) {
    std::wstring text = Utf8ToWide(utf8);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(512, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

HolidayListControls::~HolidayListControls() {
    if (font_ != nullptr) ::DeleteObject(font_);
}

SIZE HolidayListControls::ClientSize(UINT dpi) { return SIZE{Scaled(kClientAt96.cx, dpi), Scaled(kClientAt96.cy, dpi)}; }

void HolidayListControls::Build(HWND parent, UINT dpi, const Cells& headings, std::string_view yearCaption,
                                Accessibility& accessibility) {
    parent_ = parent;
    // In the dialog keys' order: the year box, then the list.
    yearLabel_ = Child(parent, 0, L"STATIC", SS_OWNERDRAW | SS_NOPREFIX, 0, Utf8ToWide(yearCaption));
    year_ = Child(parent, kIdHolidayYear, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER, WS_EX_CLIENTEDGE, L"");
    list_ = Child(parent, kIdHolidayList, WC_LISTVIEWW,
                  WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                  WS_EX_CLIENTEDGE, L"");
    message_ = Child(parent, kIdHolidayMessage, L"STATIC", SS_OWNERDRAW | SS_NOPREFIX, 0, L"");
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < kColumns; ++column) {
        std::wstring heading = Utf8ToWide(headings[static_cast<std::size_t>(column)]);
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.fmt = LVCFMT_RIGHT;
        info.cx = Scaled(kColumnWidthsAt96[column], dpi);
        info.pszText = heading.data();
        info.iSubItem = column;
        ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    // The first column stands rightmost: the columns read right to left.
    int order[kColumns];
    for (int i = 0; i < kColumns; ++i) order[i] = kColumns - 1 - i;
    ::SendMessageW(list_, LVM_SETCOLUMNORDERARRAY, kColumns, reinterpret_cast<LPARAM>(order));
    accessibility.SetName(year_, yearCaption);
    Layout(dpi);
}

void HolidayListControls::Layout(UINT dpi) {
    dpi_ = dpi;
    const HFONT old = font_;
    font_ = CreateDesignFont(window::Tahoma(kFontPoints), dpi);
    for (const HWND control : {yearLabel_, year_, list_, message_})
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) ::DeleteObject(old);
    RECT client;
    ::GetClientRect(parent_, &client);
    const int margin = Scaled(kMarginAt96, dpi);
    const int row = Scaled(kRowHeightAt96, dpi);
    // The year's label at the right edge, its box to the label's left.
    const int labelWidth = Scaled(kYearLabelWidthAt96, dpi);
    const int boxWidth = Scaled(kYearBoxWidthAt96, dpi);
    const int right = client.right - margin;
    ::SetWindowPos(yearLabel_, nullptr, right - labelWidth, margin, labelWidth, row, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(year_, nullptr, right - labelWidth - boxWidth, margin, boxWidth, row, SWP_NOZORDER | SWP_NOACTIVATE);
    const int listTop = 2 * margin + row;
    const int messageHeight = Scaled(kMessageHeightAt96, dpi);
    const int width = client.right - 2 * margin;
    const bool showList = ::IsWindowVisible(list_) != FALSE;
    const int listHeight = std::max(0, static_cast<int>(client.bottom) - listTop - messageHeight - 2 * margin);
    ::SetWindowPos(list_, nullptr, margin, listTop, width, listHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(message_, nullptr, margin, showList ? listTop + listHeight + margin : listTop, width, messageHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (int column = 0; column < kColumns; ++column)
        ::SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), Scaled(kColumnWidthsAt96[column], dpi));
}

void HolidayListControls::SetRows(const std::vector<Cells>& rows) {
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        std::wstring first = Utf8ToWide(rows[i][0]);
        item.pszText = first.data();
        const auto row = static_cast<int>(::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 1; column < kColumns; ++column) SetCell(list_, row, column, rows[i][static_cast<std::size_t>(column)]);
    }
    if (!rows.empty()) {
        LVITEMW state{};
        state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        state.state = LVIS_FOCUSED | LVIS_SELECTED;
        ::SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    }
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

void HolidayListControls::SetMessage(std::string_view utf8, bool showList) {
    ::SetWindowTextW(message_, Utf8ToWide(utf8).c_str());
    ::ShowWindow(list_, showList ? SW_SHOWNA : SW_HIDE);
    Layout(dpi_);
    ::InvalidateRect(message_, nullptr, TRUE);
}

bool HolidayListControls::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_LISTVIEW) return false;
    const HDC dc = ::GetDC(parent_);
    const HGDIOBJ old = ::SelectObject(dc, font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(parent_, dc);
    item.itemHeight = static_cast<UINT>(metrics.tmHeight + Scaled(kCellMarginAt96, dpi_));
    return true;
}

bool HolidayListControls::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem == list_ && item.CtlType == ODT_LISTVIEW) {
        DrawRow(item);
        return true;
    }
    const bool label = item.hwndItem == yearLabel_;
    if (!label && item.hwndItem != message_) return false;
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetTextColor(item.hDC, ::GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring text = WindowText(item.hwndItem);
    if (label)
        DrawRightToLeft(item.hDC, text, item.rcItem, font_, {.middle = true, .wrap = false});
    else
        DrawParagraphs(item.hDC, text, item.rcItem, font_);
    return true;
}

// Each cell right-aligned and read right to left, in the columns' order on
// screen; the selected row in the highlight colours, the focused one framed.
void HolidayListControls::DrawRow(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool focusedList = ::GetFocus() == list_;
    const int background = selected ? (focusedList ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(background));
    ::SetTextColor(dc, ::GetSysColor(selected && focusedList ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    int order[kColumns];
    ::SendMessageW(list_, LVM_GETCOLUMNORDERARRAY, kColumns, reinterpret_cast<LPARAM>(order));
    const int margin = Scaled(kCellMarginAt96, dpi_);
    int left = item.rcItem.left;
    for (const int column : order) {
        const int width = static_cast<int>(::SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        const RECT cell{left + margin, item.rcItem.top, left + width - margin, item.rcItem.bottom};
        DrawRightToLeft(dc, CellText(list_, static_cast<int>(item.itemID), column), cell, font_,
                        {.middle = true, .wrap = false});
        left += width;
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) ::DrawFocusRect(dc, &item.rcItem);
}

}  // namespace velmora::win32
