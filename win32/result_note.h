// The note on the last result: a small popup below the result boxes that
// never takes the focus. Its window text is the note, for screen readers and
// tools that read it; a click on it, or Esc in its window, dismisses it. It
// shows only while its window is the active one.
#pragma once

#include "win32/accessibility.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace velmora::win32 {

// Where the note of window opens: just below its client area, level with
// the first result box's left edge.
POINT NotePositionBelow(HWND window, HWND firstResult);

class ResultNote {
public:
    static void RegisterWindowClass(HINSTANCE instance);

    ResultNote(HINSTANCE instance, HWND owner, Accessibility& accessibility);
    ~ResultNote();
    ResultNote(const ResultNote&) = delete;
    ResultNote& operator=(const ResultNote&) = delete;

    // Shows text with its top-left corner at a screen point; empty text hides it.
    void Show(std::string_view utf8, POINT topLeft, UINT dpi);
    void Dismiss();

    // Hides the note for a while (Form1 disabled by a message box, minimised
    // or hidden) without dismissing it, and shows it again at a point.
    void Suspend();
    void Resume(POINT topLeft);

    // Follows its owner window's moves, activation, minimising and
    // disabling (by a message box): called with each of the owner's
    // messages and where the note goes now.
    void FollowOwner(HWND owner, UINT message, WPARAM wParam, POINT topLeft);

    // Hides a shown note; true when it showed.
    bool DismissIfShown();

    HWND hwnd() const { return hwnd_; }

    // True while a note is to be shown: given and not dismissed.
    bool Pending() const { return pending_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    SIZE Measure(HDC dc) const;

    Accessibility& accessibility_;
    HWND hwnd_ = nullptr;
    bool pending_ = false;
    bool ownerActive_;
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::wstring text_;
};

}  // namespace velmora::win32
