#include "win32/holiday_report_list.h"

#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <numeric>

namespace velmora::win32 {
namespace {

constexpr int kColumns = 5;
// Room between a cell's text and its edges, and around a heading's.
constexpr int kCellMarginAt96 = 6;
constexpr int kHeadingMarginAt96 = 7;
// A cell's text is far shorter.
constexpr std::size_t kCellCapacity = 512;

// Rows grow to this many lines at most: long names and the ways a day is
// known wrap rather than leave the list wider than its window.
constexpr int kMostLinesPerRow = 3;
constexpr RightToLeftFormat kCellFormat{.centred = false, .middle = true, .wrap = true};
constexpr RightToLeftFormat kOneLine{.centred = false, .middle = false, .wrap = false};
constexpr int kUnbounded = 10000;

int Scaled(int at96, UINT dpi) { return ::MulDiv(at96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

std::array<std::string, kColumns> Cells(const window::HolidayColumns& c) {
    return {c.persianDate, c.gregorianDate, c.lunarDate, c.name, c.known};
}

void SetCell(HWND list, int row, int column, const std::string& utf8) {
    std::wstring text = Utf8ToWide(utf8);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(kCellCapacity, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT length =
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    return text;
}

std::wstring HeadingText(HWND list, int column) {
    std::wstring text(kCellCapacity, L'\0');
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text.data();
    info.cchTextMax = static_cast<int>(text.size());
    ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

}  // namespace

void HolidayReportList::Attach(HWND list, UINT dpi) {
    list_ = list;
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP,
                   LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    const std::array headings = Cells(window::HolidayColumnHeadings(true));
    for (int column = 0; column < kColumns; ++column) {
        std::wstring heading = Utf8ToWide(headings[static_cast<std::size_t>(column)]);
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        info.fmt = LVCFMT_RIGHT;
        info.pszText = heading.data();
        info.iSubItem = column;
        ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    // On screen from the left: the last column first, the first rightmost.
    std::array<int, kColumns> order{};
    for (int i = 0; i < kColumns; ++i) order[static_cast<std::size_t>(i)] = kColumns - 1 - i;
    ::SendMessageW(list_, LVM_SETCOLUMNORDERARRAY, kColumns, reinterpret_cast<LPARAM>(order.data()));
    Layout(dpi);
}

// The fewest lines a row needs so that the columns fit the list's width
// with every text whole, headings on one line: each column as narrow as
// that many lines allow, the room left over shared out towards each
// column's one-line width.
void HolidayReportList::Layout(UINT dpi) {
    dpi_ = dpi;
    const HDC dc = ::GetDC(list_);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0));
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    const int cellMargin = 2 * Scaled(kCellMarginAt96, dpi);
    const auto rows = static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    std::array<std::vector<std::wstring>, kColumns> texts;
    std::array<int, kColumns> oneLine{};
    std::array<int, kColumns> heading{};
    for (int column = 0; column < kColumns; ++column) {
        auto& cells = texts[static_cast<std::size_t>(column)];
        for (int row = 0; row < rows; ++row) cells.push_back(CellText(list_, row, column));
        // Measured as drawn: the marks that keep numbers in left-to-right
        // runs take no room.
        int widest = 0;
        for (const std::wstring& text : cells)
            widest = std::max(widest, static_cast<int>(MeasureRightToLeft(dc, text, kUnbounded, font, kOneLine).cx));
        oneLine[static_cast<std::size_t>(column)] = widest + cellMargin;
        heading[static_cast<std::size_t>(column)] =
            static_cast<int>(MeasureRightToLeft(dc, HeadingText(list_, column), kUnbounded, font, kOneLine).cx) +
            2 * Scaled(kHeadingMarginAt96, dpi);
    }
    // Whether every cell of a column fits in lines lines at width.
    const auto fits = [&](int column, int width, int lines) {
        for (const std::wstring& text : texts[static_cast<std::size_t>(column)])
            if (MeasureRightToLeft(dc, text, width - cellMargin, font, kCellFormat).cy > lines * metrics.tmHeight)
                return false;
        return true;
    };
    // The room beside a vertical scroll bar, whether or not one shows now.
    RECT client;
    ::GetClientRect(list_, &client);
    if ((::GetWindowLongW(list_, GWL_STYLE) & WS_VSCROLL) == 0) client.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    const int room = static_cast<int>(client.right);
    // narrowest[k][c]: column c's narrowest width on k + 1 lines.
    std::array<std::array<int, kColumns>, kMostLinesPerRow> narrowest{};
    for (std::size_t k = 0; k < narrowest.size(); ++k)
        for (int column = 0; column < kColumns; ++column) {
            const auto c = static_cast<std::size_t>(column);
            int low = heading[c], high = std::max(heading[c], oneLine[c]);
            while (low < high) {
                const int middle = (low + high) / 2;
                if (fits(column, middle, static_cast<int>(k) + 1)) high = middle;
                else low = middle + 1;
            }
            narrowest[k][c] = low;
        }
    ::ReleaseDC(list_, dc);
    const auto total = [](const std::array<int, kColumns>& w) { return std::accumulate(w.begin(), w.end(), 0); };
    std::size_t k = 0;
    while (k + 1 < narrowest.size() && total(narrowest[k]) > room) ++k;
    lines_ = static_cast<int>(k) + 1;
    std::array<int, kColumns> widths = narrowest[k];
    // The room left lets the first columns, the dates, take fewer lines.
    int spare = room - total(widths);
    for (std::size_t c = 0; c < widths.size(); ++c)
        for (std::size_t fewer = 0; fewer < k; ++fewer)
            if (narrowest[fewer][c] - widths[c] <= spare) {
                spare -= std::max(0, narrowest[fewer][c] - widths[c]);
                widths[c] = std::max(widths[c], narrowest[fewer][c]);
                break;
            }
    int wanted = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) wanted += std::max(0, oneLine[c] - widths[c]);
    if (spare > 0 && wanted > 0)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] += ::MulDiv(std::max(0, oneLine[c] - widths[c]), std::min(spare, wanted), wanted);
    for (int column = 0; column < kColumns; ++column)
        ::SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), widths[static_cast<std::size_t>(column)]);
    // An owner-drawn list asks its rows' height again when told that its
    // size changed.
    RECT place;
    ::GetWindowRect(list_, &place);
    ::MapWindowPoints(nullptr, ::GetParent(list_), reinterpret_cast<POINT*>(&place), 2);
    WINDOWPOS moved{list_,       nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE};
    ::SendMessageW(list_, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&moved));
}

void HolidayReportList::SetRows(const std::vector<window::HolidayRow>& rows) {
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    englishTips_.clear();
    for (const window::HolidayRow& row : rows) {
        const std::array cells = Cells(row.persian);
        std::wstring first = Utf8ToWide(cells[0]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(englishTips_.size());
        item.pszText = first.data();
        const auto index = static_cast<int>(::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 1; column < kColumns; ++column)
            SetCell(list_, index, column, cells[static_cast<std::size_t>(column)]);
        const window::HolidayColumns& e = row.english;
        englishTips_.push_back(Utf8ToWide(row.persian.name + "\n" + e.persianDate + "\n" + e.gregorianDate + "\n" +
                                          e.lunarDate + "\n" + e.name + "\n" + e.known));
    }
    if (!rows.empty()) {
        LVITEMW state{};
        state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        state.state = LVIS_FOCUSED | LVIS_SELECTED;
        ::SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    }
    Layout(dpi_);
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

// A row is a line of the list's font with a margin above and below.
bool HolidayReportList::Measure(MEASUREITEMSTRUCT& item, HWND list) const {
    if (item.CtlType != ODT_LISTVIEW || list == nullptr) return false;
    const HDC dc = ::GetDC(list);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    if (old != nullptr) ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    item.itemHeight = static_cast<UINT>(lines_ * metrics.tmHeight + Scaled(kCellMarginAt96, WindowDpi(list)));
    return true;
}

// Each cell right-aligned and read right to left, in the columns' order on
// screen; the selected row in the highlight colours while the list has the
// focus, the focused row framed.
// Each cell's place is asked of the list: the rectangle a window gets to
// draw a row in is the whole row on Windows, only the first column's part
// of it under Wine.
bool HolidayReportList::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_LISTVIEW || item.hwndItem != list_) return false;
    const HDC dc = item.hDC;
    const auto row = static_cast<int>(item.itemID);
    std::array<RECT, kColumns> cells{};
    RECT whole = item.rcItem;
    for (int column = 0; column < kColumns; ++column) {
        RECT& cell = cells[static_cast<std::size_t>(column)];
        cell.top = column;
        cell.left = LVIR_LABEL;
        ::SendMessageW(list_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        ::UnionRect(&whole, &whole, &cell);
    }
    const bool active = ::GetFocus() == list_;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int background = !selected ? COLOR_WINDOW : active ? COLOR_HIGHLIGHT : COLOR_BTNFACE;
    ::FillRect(dc, &whole, ::GetSysColorBrush(background));
    ::SetTextColor(dc, ::GetSysColor(selected && active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0));
    const int margin = Scaled(kCellMarginAt96, dpi_);
    for (int column = 0; column < kColumns; ++column) {
        RECT cell = cells[static_cast<std::size_t>(column)];
        ::InflateRect(&cell, -margin, 0);
        DrawRightToLeft(dc, CellText(list_, row, column), cell, font, kCellFormat);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && active) ::DrawFocusRect(dc, &whole);
    return true;
}

bool HolidayReportList::InfoTip(NMLVGETINFOTIPW& tip) const {
    if (tip.hdr.hwndFrom != list_ || tip.iItem < 0 || static_cast<std::size_t>(tip.iItem) >= englishTips_.size())
        return false;
    const std::wstring& text = englishTips_[static_cast<std::size_t>(tip.iItem)];
    if (tip.cchTextMax <= 0) return true;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
    text.copy(tip.pszText, count);
    tip.pszText[count] = L'\0';
    return true;
}

}  // namespace velmora::win32
