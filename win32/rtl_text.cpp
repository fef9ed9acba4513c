#include "win32/rtl_text.h"

#include "win32/text_encoding.h"

#include <algorithm>

namespace velmora::win32 {
namespace {

UINT DrawFlags(RightToLeftFormat format) {
    UINT flags = DT_RTLREADING | (format.centred ? DT_CENTER : DT_RIGHT);
    flags |= format.wrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (format.ellipsis) flags |= DT_END_ELLIPSIS;
    if (!format.accessKey) flags |= DT_NOPREFIX;
    else if (format.hideAccessKey) flags |= DT_HIDEPREFIX;
    return flags;
}

// DrawTextW takes an int count and does not change the text without
// DT_MODIFYSTRING.
int Draw(HDC dc, std::wstring_view text, RECT& box, UINT flags) {
    return ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, flags);
}

class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(::SelectObject(dc, font)) {}
    ~SelectedFont() { ::SelectObject(dc_, old_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

SIZE MeasureRightToLeft(HDC dc, std::wstring_view text, int width, HFONT font, RightToLeftFormat format) {
    const SelectedFont selected(dc, font);
    RECT box{0, 0, width, 0};
    Draw(dc, text, box, DrawFlags(format) | DT_CALCRECT);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

int DrawRightToLeft(HDC dc, std::wstring_view text, const RECT& box, HFONT font, RightToLeftFormat format) {
    RECT target = box;
    if (format.middle) {
        const SIZE size = MeasureRightToLeft(dc, text, box.right - box.left, font, format);
        target.top += std::max(0L, (box.bottom - box.top - size.cy) / 2);
    }
    const SelectedFont selected(dc, font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const int height = Draw(dc, text, target, DrawFlags(format));
    ::SetBkMode(dc, oldMode);
    return height;
}

int DrawParagraphs(HDC dc, std::wstring_view text, const RECT& box, HFONT font, bool measureOnly, int* usedWidth) {
    const SelectedFont selected(dc, font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    int top = box.top;
    int widest = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        const std::wstring_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty()) {
            top += LineHeight(dc);
            continue;
        }
        const UINT flags = DT_WORDBREAK | DT_NOPREFIX | (HasArabicScript(line) ? DT_RIGHT | DT_RTLREADING : DT_LEFT);
        RECT measured{box.left, top, box.right, top};
        Draw(dc, line, measured, flags | DT_CALCRECT);
        widest = std::max(widest, static_cast<int>(measured.right - measured.left));
        if (!measureOnly) {
            RECT target{box.left, top, box.right, box.bottom};
            Draw(dc, line, target, flags);
        }
        top += measured.bottom - measured.top;
    }
    ::SetBkMode(dc, oldMode);
    if (usedWidth != nullptr) *usedWidth = widest;
    return top - box.top;
}

}  // namespace velmora::win32
