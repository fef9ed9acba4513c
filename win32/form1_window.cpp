#include "form1_window.h"

#include "control_ids.h"
#include "dpi.h"
#include "rtl_text.h"
#include "text_encoding.h"
#include "window/form1_design.h"
#include "window/texts.h"

#include <commctrl.h>

#include <vector>

namespace velmora::win32 {
namespace {

// The platform's default border: sizable, with minimise and maximise boxes.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

constexpr const char* kResultBoxes[] = {"Text4", "Text5", "Text6"};

// The tool tips' font size, as the result note's, and the longest tip text
// the tool tip control keeps.
constexpr double kTipFontPoints = 8.25;
constexpr std::size_t kTipTextSize = INFOTIPSIZE;
// The space a tool tip leaves between its border and its margins, in pixels
// at 96 DPI.
constexpr int kTipEdgeAt96 = 2;

// How far below the result boxes the note opens, in pixels at 96 DPI.
constexpr int kNoteGapAt96 = 4;

}  // namespace

Form1Window::Form1Window(HINSTANCE instance, HWND hiddenOwner, platform::Services& services,
                         window::ProgramLifetime& lifetime, Accessibility& accessibility)
    : DesignedWindow(window::kForm1Design, kStyle, kExStyle),
      instance_(instance),
      hiddenOwner_(hiddenOwner),
      services_(services),
      lifetime_(lifetime),
      accessibility_(accessibility),
      logic_(*this, services, [this]() -> window::frmAbout& { return MakeAbout(); }) {
    Create(instance, kForm1Class, nullptr, &Form1ControlId, nullptr);
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (const char* box : kResultBoxes) ::SendMessageW(controls_.Control(box), EM_SETREADONLY, TRUE, 0);
    for (const window::AccessibleText& text : window::Form1AccessibleTexts()) {
        const HWND control = controls_.Control(text.control);
        if (text.name != nullptr) accessibility_.SetName(control, text.name);
        accessibility_.SetDescription(control, text.description);
    }
    SetFocusTo(controls_.Control("Text1"));
}

Form1Window::~Form1Window() {
    if (toolTips_ != nullptr) ::DestroyWindow(toolTips_);
    if (tipFont_ != nullptr) ::DeleteObject(tipFont_);
}

void Form1Window::Show(int showCommand) {
    ::ShowWindow(hwnd(), showCommand);
    ::UpdateWindow(hwnd());
    lifetime_.Loaded(this);
}

// Hovering a result box shows its description, the date read out in words.
void Form1Window::AddResultToolTips() {
    toolTips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                  instance_, nullptr);
    for (const char* box : kResultBoxes) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(controls_.Control(box));
        tool.lpszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, ::MulDiv(360, static_cast<int>(WindowDpi(hwnd())), 96));
    // The tips are painted here, each line in its own direction, in the
    // Persian captions' font, which the tool tip also measures them with.
    tipFont_ = CreateDesignFont(window::Tahoma(kTipFontPoints), WindowDpi(hwnd()));
    ::SendMessageW(toolTips_, WM_SETFONT, reinterpret_cast<WPARAM>(tipFont_), FALSE);
    ::SetWindowSubclass(toolTips_, &Form1Window::ToolTipProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Form1Window::ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
    if (message == WM_PAINT) {
        reinterpret_cast<Form1Window*>(data)->PaintToolTip();
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(tip, &Form1Window::ToolTipProc, 0);
    return ::DefSubclassProc(tip, message, wParam, lParam);
}

void Form1Window::PaintToolTip() {
    std::wstring buffer(kTipTextSize, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = buffer.data();
    const bool shown = ::SendMessageW(toolTips_, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(toolTips_, &paint);
    RECT client;
    ::GetClientRect(toolTips_, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_INFOBK));
    const auto tip = tips_.find(reinterpret_cast<HWND>(tool.uId));
    if (shown && tip != tips_.end()) {
        // The text's place in the tip: inside the tool tip's margins and the
        // edge it leaves around them.
        RECT margin{};
        ::SendMessageW(toolTips_, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        const int edge = ::MulDiv(kTipEdgeAt96, static_cast<int>(WindowDpi(hwnd())), USER_DEFAULT_SCREEN_DPI);
        const RECT text{client.left + edge + margin.left, client.top + edge + margin.top,
                        client.right - edge - margin.right, client.bottom - edge - margin.bottom};
        ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
        DrawParagraphs(dc, tip->second, text, tipFont_);
    }
    ::EndPaint(toolTips_, &paint);
}

window::frmAbout& Form1Window::MakeAbout() {
    about_ = std::make_unique<AboutWindow>(instance_, hiddenOwner_, services_, lifetime_, accessibility_);
    return about_->logic();
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (note_) note_->Dismiss();
            ::ShowWindow(hwnd(), SW_HIDE);
            lifetime_.Unloaded(this);
            return 0;
        // The note follows the result boxes, and waits while Form1 is
        // minimised or disabled by a message box. (The window moves while it
        // is built, before the note exists.)
        case WM_MOVE:
            if (note_ && ::IsWindowVisible(note_->hwnd())) note_->Resume(NotePosition());
            break;
        case WM_SIZE:
            if (note_ && wParam == SIZE_MINIMIZED) note_->Suspend();
            else if (note_ && ::IsWindowEnabled(hwnd())) note_->Resume(NotePosition());
            break;
        case WM_ENABLE:
            if (note_ && wParam == FALSE) note_->Suspend();
            else if (note_ && !::IsIconic(hwnd())) note_->Resume(NotePosition());
            break;
        default:
            break;
    }
    return DesignedWindow::HandleMessage(message, wParam, lParam);
}

void Form1Window::OnCommand(int id, int notification) {
    if (id == IDCANCEL) {  // Esc dismisses the note
        if (note_) note_->Dismiss();
        return;
    }
    if (notification != BN_CLICKED) return;
    switch (id) {
        case kIdCommand1: logic_.Command1_Click(); break;
        case kIdCommand2: logic_.Command2_Click(); break;
        case kIdCommand3: logic_.Command3_Click(); break;
        case kIdCommand4: logic_.Command4_Click(); break;
        default: break;
    }
}

std::string Form1Window::Text(std::string_view control) { return WideToUtf8(WindowText(controls_.Control(control))); }

void Form1Window::SetText(std::string_view control, std::string_view utf8) {
    ::SetWindowTextW(controls_.Control(control), Utf8ToWide(utf8).c_str());
}

void Form1Window::SetDescription(std::string_view control, std::string_view utf8) {
    const HWND hwnd_control = controls_.Control(control);
    accessibility_.SetDescription(hwnd_control, utf8);
    if (toolTips_ == nullptr) AddResultToolTips();  // made on the first result, not at start
    std::wstring text = Utf8ToWide(utf8);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_control);
    tool.hinst = instance_;
    tool.lpszText = text.data();
    ::SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    tips_[hwnd_control] = std::move(text);
}

void Form1Window::FocusAndSelectAll(std::string_view control) {
    const HWND box = controls_.Control(control);
    SetFocusTo(box);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
}

// Just below the client area, level with the result boxes' left edge.
POINT Form1Window::NotePosition() const {
    RECT boxes;
    ::GetWindowRect(controls_.Control("Text4"), &boxes);
    RECT client;
    ::GetClientRect(hwnd(), &client);
    POINT below{0, client.bottom};
    ::ClientToScreen(hwnd(), &below);
    const int gap = ::MulDiv(kNoteGapAt96, static_cast<int>(WindowDpi(hwnd())), USER_DEFAULT_SCREEN_DPI);
    return POINT{boxes.left, below.y + gap};
}

void Form1Window::SetResultNote(std::string_view utf8) {
    if (utf8.empty() && !note_) return;
    // Made with the first note, not at start: most sessions never need it.
    if (!note_) note_ = std::make_unique<ResultNote>(instance_, hwnd(), accessibility_);
    note_->Show(utf8, NotePosition(), WindowDpi(hwnd()));
}

}  // namespace velmora::win32
