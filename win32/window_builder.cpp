#include "window_builder.h"

#include "text_encoding.h"
#include "window/geometry.h"

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

DWORD StyleOf(const ControlDesign& control) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (control.kind) {
        case ControlKind::Label:
            return kChild | SS_NOPREFIX | (control.rightToLeft ? SS_RIGHT : SS_LEFT);
        case ControlKind::TextBox:
            return kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT;
        case ControlKind::CommandButton:
            return kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
        case ControlKind::PictureBox:
            // A picture box is a stop in the focus order, as the design's tab
            // index has it.
            return kChild | WS_TABSTOP | SS_ICON | SS_CENTERIMAGE | SS_NOTIFY;
        case ControlKind::Line:
            break;
    }
    return 0;
}

// Persian captions read right to left; numbers in the text boxes do not.
DWORD ExStyleOf(const ControlDesign& control) {
    return control.rightToLeft ? WS_EX_RTLREADING : 0;
}

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox: return L"EDIT";
        case ControlKind::CommandButton: return L"BUTTON";
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

}  // namespace

DesignedControls::DesignedControls(const window::WindowDesign& design) : design_(design) {}

DesignedControls::~DesignedControls() { ReleaseFonts(); }

void DesignedControls::Build(HWND parent, UINT dpi, int (*idOf)(std::string_view name)) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design_.controls)
        if (control.kind != ControlKind::Line) order.push_back(&control);
    // Z-order is the dialog keys' focus order: create by tab index.
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const ControlDesign* control : order) {
        const std::wstring caption = Utf8ToWide(control->caption);
        const HWND hwnd = ::CreateWindowExW(
            ExStyleOf(*control) | (control->kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0),
            ClassOf(control->kind), caption.c_str(), StyleOf(*control), 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(control->name))), instance, nullptr);
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
