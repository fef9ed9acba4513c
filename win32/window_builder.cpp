#include "win32/window_builder.h"

#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "window/geometry.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace velmora::win32 {
namespace {

using window::ControlDesign;
using window::ControlKind;

// Tahoma with the Arabic character set (178) and normal weight, as designed.
constexpr BYTE kArabicCharset = ARABIC_CHARSET;
constexpr double kPointsPerInch = 72.0;

int Px(int twips, UINT dpi) { return window::TwipsToPixels(twips, static_cast<double>(dpi)); }

// A label whose text can be selected and copied: a read-only edit control
// without a border, outside the focus order as every label is.
constexpr DWORD kSelectableLabelStyle = ES_READONLY | ES_AUTOHSCROLL | ES_LEFT;

// Persian labels and buttons are drawn by the window (owner-drawn), right to
// left: the system's own drawing reads them right to left only on a
// right-to-left Windows. They stay the system's controls for the keyboard,
// the focus, their window text and screen readers.
DWORD StyleOf(const ControlDesign& control, bool selectable) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (control.kind) {
        case ControlKind::Label:
            if (selectable) return kChild | kSelectableLabelStyle;
            return kChild | SS_NOPREFIX | (control.rightToLeft ? SS_OWNERDRAW : SS_LEFT);
        case ControlKind::TextBox:
            return kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT;
        case ControlKind::CommandButton:
            return kChild | WS_TABSTOP | (control.rightToLeft ? BS_OWNERDRAW : BS_PUSHBUTTON | BS_MULTILINE);
        case ControlKind::PictureBox:
            // A picture box is a stop in the focus order, as the design's tab
            // index has it.
            return kChild | WS_TABSTOP | SS_ICON | SS_CENTERIMAGE | SS_NOTIFY;
        case ControlKind::List:
            // Rows drawn by the window (WM_DRAWITEM), one selected at a time.
            return kChild | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                   LVS_NOSORTHEADER;
        case ControlKind::Line:
            break;
    }
    return 0;
}

// Persian captions read right to left; numbers in the text boxes do not.
// A list draws its own rows.
DWORD ExStyleOf(const ControlDesign& control) {
    if (control.kind == ControlKind::List) return WS_EX_CLIENTEDGE;
    return control.rightToLeft ? WS_EX_RTLREADING : 0;
}

const wchar_t* ClassOf(ControlKind kind, bool selectable) {
    if (selectable) return L"EDIT";
    switch (kind) {
        case ControlKind::TextBox: return L"EDIT";
        case ControlKind::CommandButton: return L"BUTTON";
        case ControlKind::List: return WC_LISTVIEWW;
        default: return L"STATIC";
    }
}

// The window's default font: the system's message font at dpi.
LOGFONTW DefaultFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    const HDC screen = ::GetDC(nullptr);
    const int systemDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), systemDpi);
    return metrics.lfMessageFont;
}

bool SameFont(const window::FontDesign& a, const window::FontDesign& b) {
    const bool sameFamily = a.family == nullptr || b.family == nullptr
                                ? a.family == b.family
                                : std::string_view(a.family) == std::string_view(b.family);
    return sameFamily && a.points == b.points && a.italic == b.italic;
}

// Space between a button's edge and its caption, in pixels at 96 DPI.
constexpr int kButtonTextMarginAt96 = 3;

void DrawLabel(const DRAWITEMSTRUCT& item, HFONT font, std::optional<COLORREF> colour) {
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    ::SetTextColor(item.hDC, disabled ? ::GetSysColor(COLOR_GRAYTEXT) : colour.value_or(::GetSysColor(COLOR_WINDOWTEXT)));
    const std::wstring text = WindowText(item.hwndItem);
    DrawRightToLeft(item.hDC, text, item.rcItem, font);
}

// A push button: its face (the visual style's where one is active, else the
// classic edges), the default button's frame, the pressed and disabled
// states, the caption with its access key, and the focus rectangle.
void DrawButton(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) {
    const HDC dc = item.hDC;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    // As the dialog manager does for push buttons: the focused one is the
    // default, otherwise the one the window names.
    const HWND parent = ::GetParent(item.hwndItem);
    const LRESULT defId = ::SendMessageW(parent, DM_GETDEFID, 0, 0);
    const bool isDefault = focused || (HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == item.CtlID);
    RECT face = item.rcItem;
    ::FillRect(dc, &face, ::GetSysColorBrush(COLOR_BTNFACE));
    if (const HTHEME theme = ::OpenThemeData(item.hwndItem, L"BUTTON")) {
        const int state = disabled ? PBS_DISABLED : pushed ? PBS_PRESSED : isDefault ? PBS_DEFAULTED : PBS_NORMAL;
        ::DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &face, nullptr);
        ::CloseThemeData(theme);
    } else {
        if (isDefault) {
            ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_WINDOWFRAME));
            ::InflateRect(&face, -1, -1);
        }
        if (pushed && isDefault)
            ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_BTNSHADOW));
        else
            ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }
    const int margin = ::MulDiv(kButtonTextMarginAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    RECT text = item.rcItem;
    ::InflateRect(&text, -margin, -margin);
    if (pushed) ::OffsetRect(&text, 1, 1);
    ::SetTextColor(dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const std::wstring caption = WindowText(item.hwndItem);
    DrawRightToLeft(dc, caption, text, font,
                    {.centred = true, .middle = true, .wrap = true, .accessKey = true,
                     .hideAccessKey = (item.itemState & ODS_NOACCEL) != 0});
    if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -margin, -margin);
        ::DrawFocusRect(dc, &focus);
    }
}

}  // namespace

DesignedControls::DesignedControls(const window::WindowDesign& design) : design_(design) {}

DesignedControls::~DesignedControls() { ReleaseFonts(); }

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void DesignedControls::Build(HWND parent, UINT dpi, std::initializer_list<std::string_view> selectableLabels) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design_.controls)
        if (control.kind != ControlKind::Line) order.push_back(&control);
    // Z-order is the dialog keys' focus order: create by tab index.
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const ControlDesign* control : order) {
        const std::wstring caption = Utf8ToWide(control->caption);
        const bool selectable = control->kind == ControlKind::Label &&
                                std::find(selectableLabels.begin(), selectableLabels.end(), control->name) !=
                                    selectableLabels.end();
        const auto id = static_cast<INT_PTR>(window::ControlId(design_, control->name).value());
        const HWND hwnd = ::CreateWindowExW(
            ExStyleOf(*control) | (control->kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0),
            ClassOf(control->kind, selectable), caption.c_str(), StyleOf(*control, selectable), 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(id), instance, nullptr);
        if (hwnd == nullptr) throw std::runtime_error(std::string("cannot create control ") + control->name);
        controls_.push_back({control, hwnd, nullptr});
    }
    Layout(dpi);
}

void DesignedControls::Layout(UINT dpi) {
    dpi_ = dpi;
    const std::vector<HFONT> old = std::move(fonts_);
    fonts_.clear();
    for (Built& built : controls_) built.font = nullptr;
    for (Built& built : controls_) {
        const ControlDesign& c = *built.design;
        ::SetWindowPos(built.hwnd, nullptr, Px(c.left, dpi), Px(c.top, dpi), Px(c.width, dpi), Px(c.height, dpi),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        built.font = FontFor(c.font);
        ::SendMessageW(built.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(built.font), TRUE);
    }
    for (const HFONT font : old) ::DeleteObject(font);
}

// One font for each distinct design font: the controls share them.
HFONT DesignedControls::FontFor(const window::FontDesign& font) {
    for (const Built& built : controls_) {
        const window::FontDesign& other = built.design->font;
        if (built.font != nullptr && SameFont(other, font)) return built.font;
    }
    const HFONT handle = CreateDesignFont(font, dpi_);
    fonts_.push_back(handle);
    return handle;
}

HFONT CreateDesignFont(const window::FontDesign& font, UINT dpi) {
    LOGFONTW logFont = DefaultFont(dpi);
    if (font.family != nullptr) {
        logFont = LOGFONTW{};
        logFont.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / kPointsPerInch));
        logFont.lfWeight = FW_NORMAL;
        logFont.lfItalic = font.italic ? TRUE : FALSE;
        logFont.lfCharSet = kArabicCharset;
        logFont.lfQuality = DEFAULT_QUALITY;
        const std::wstring family = Utf8ToWide(font.family);
        family.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    }
    return ::CreateFontIndirectW(&logFont);
}

void DesignedControls::ReleaseFonts() {
    for (const HFONT font : fonts_) ::DeleteObject(font);
    fonts_.clear();
}

SIZE DesignedControls::ClientSize(UINT dpi) const {
    return SIZE{Px(design_.clientWidth, dpi), Px(design_.clientHeight, dpi)};
}

HWND DesignedControls::Control(std::string_view name) const {
    for (const Built& built : controls_)
        if (name == built.design->name) return built.hwnd;
    throw std::logic_error("no control " + std::string(name));
}

std::optional<COLORREF> DesignedControls::TextColour(HWND control) const {
    for (const Built& built : controls_)
        if (built.hwnd == control && !built.design->colour.isDefault)
            return RGB(built.design->colour.red, built.design->colour.green, built.design->colour.blue);
    return std::nullopt;
}

bool DesignedControls::DrawItem(const DRAWITEMSTRUCT& item) const {
    for (const Built& built : controls_) {
        if (built.hwnd != item.hwndItem || !built.design->rightToLeft) continue;
        if (item.CtlType == ODT_STATIC) DrawLabel(item, built.font, TextColour(built.hwnd));
        if (item.CtlType == ODT_BUTTON) DrawButton(item, built.font, dpi_);
        return true;
    }
    return false;
}

bool DesignedControls::IsDrawnButton(HWND control) const {
    for (const Built& built : controls_)
        if (built.hwnd == control) return built.design->kind == ControlKind::CommandButton && built.design->rightToLeft;
    return false;
}

// A line is a strip of its pen width from its first point up to, not
// including, its last one; only horizontal and vertical lines occur.
void DesignedControls::PaintLines(HDC dc) const {
    for (const ControlDesign& c : design_.controls) {
        if (c.kind != ControlKind::Line) continue;
        const int x1 = Px(c.left, dpi_), y1 = Px(c.top, dpi_), x2 = Px(c.width, dpi_), y2 = Px(c.height, dpi_);
        const int pen = window::PenWidthPixels(c.lineWidth, static_cast<double>(dpi_));
        const RECT strip = y1 == y2 ? RECT{std::min(x1, x2), y1, std::max(x1, x2), y1 + pen}
                                    : RECT{x1, std::min(y1, y2), x1 + pen, std::max(y1, y2)};
        const HBRUSH brush = ::CreateSolidBrush(RGB(c.colour.red, c.colour.green, c.colour.blue));
        ::FillRect(dc, &strip, brush);
        ::DeleteObject(brush);
    }
}

}  // namespace velmora::win32
