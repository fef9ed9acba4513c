// Persian text laid out right to left whatever the system's display
// language. The system's own controls read a caption right to left only on a
// right-to-left Windows (WS_EX_RTLREADING and MB_RTLREADING are ignored
// elsewhere); DrawTextW with DT_RTLREADING depends only on the font, which
// is why every Persian text of the program is drawn through here, with a
// font of the Arabic character set.
//
// A window or an owner-drawn menu item draws its text with DrawRightToLeft
// into the rectangle it is given (WM_DRAWITEM's rcItem, less a margin);
// text with lines of both scripts goes through DrawParagraphs.
#pragma once

#include <windows.h>

#include <string_view>

namespace velmora::win32 {

struct RightToLeftFormat {
    bool centred = false;          // centred across the box, else right-aligned
    bool middle = false;           // centred top to bottom, else from the top
    bool wrap = true;              // break lines between words to fit the width
    bool accessKey = false;        // '&' marks the access key, which is underlined
    bool hideAccessKey = false;    // ... but not shown (keyboard cues off)
    bool ellipsis = false;         // a line too long for the box ends in "..."
};

// Draws text right to left in box with font, in the DC's text colour on a
// transparent background. Returns the height of the text drawn.
int DrawRightToLeft(HDC dc, std::wstring_view text, const RECT& box, HFONT font, RightToLeftFormat format = {});

// The size the text takes at most width pixels wide.
SIZE MeasureRightToLeft(HDC dc, std::wstring_view text, int width, HFONT font, RightToLeftFormat format = {});

// Each line of text in its own direction: lines with Arabic script right to
// left and right-aligned, the others left to right and left-aligned; lines
// wrap at the box's width and an empty line leaves a line's height free.
// Returns the height drawn; with measureOnly nothing is drawn and the width
// used comes back in usedWidth (if given).
int DrawParagraphs(HDC dc, std::wstring_view text, const RECT& box, HFONT font, bool measureOnly = false,
                   int* usedWidth = nullptr);

}  // namespace velmora::win32
