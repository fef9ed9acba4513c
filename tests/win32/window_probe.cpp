// Answers the window tests' questions about the running Velmora windows, from
// another process under the same Wine prefix, and prints the answer as UTF-8:
//
//   window_probe text <name> text of the control of that design name in the
//                            visible Form1, About box or «به هجری شمسی»
//                            (exit 2 when there is no such control)
//   window_probe sel <name>  "<start> <end>" of that edit control's selection
//   window_probe focus       "<name> <class>": the control with the keyboard
//                            focus in Velmora's window thread and the class
//                            of its top-level window
//   window_probe msgbox      text of the open message box titled "Velmora"
//   window_probe windows     "<class>\t<title>" of each visible Velmora
//                            top-level window (message boxes as #32770)
//   window_probe note        text of the visible result note
//   window_probe rect <name> "<left> <top> <width> <height>" of that control
//                            in its window's client area
//   window_probe client <class>  "<width> <height>" of the client area of
//                            the visible window of that class
//   window_probe clipboard   the clipboard's Unicode text
//   window_probe menu        "bar" while Velmora's menu bar is selected,
//                            "popup" while one of its menus is open
//   window_probe foreground  title of the foreground window
//   window_probe rows <name> the number of rows of that list view
//
// Prints nothing where there is nothing to report. Queries go out with
// SendMessageTimeout, which a window inside a modal loop (a message box)
// still answers, and which gives up on a hung one. Controls are found by
// the IDs that the program gives them from their design rows.
#include "win32/control_ids.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using velmora::win32::kAboutClass;
using velmora::win32::kForm1Class;
using velmora::win32::kHolidayListClass;
using velmora::win32::kResultNoteClass;
using velmora::win32::kToPersianClass;
namespace window = velmora::window;

// The class of the standard dialog that a message box is.
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMessageBoxTitle[] = L"Velmora";
// The child ID of a message box's text static (user32's dialog template).
constexpr int kMessageBoxTextId = 0xFFFF;
// A message-box text or a control's text is far below this in the tests.
constexpr int kMaxText = 4096;

constexpr int kExitUsage = 64;
constexpr int kExitNotFound = 2;

void Print(const std::wstring& text) {
    const int wide = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    utf8 += '\n';
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written,
                nullptr);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

// WM_GETTEXT, which Wine marshals across processes; a timeout keeps a hung
// target from hanging the probe.
std::wstring TextOf(HWND window) {
    std::vector<wchar_t> buffer(kMaxText, L'\0');
    DWORD_PTR copied = 0;
    if (::SendMessageTimeoutW(window, WM_GETTEXT, kMaxText, reinterpret_cast<LPARAM>(buffer.data()),
                              SMTO_ABORTIFHUNG, 5000, &copied) == 0)
        return {};
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

bool IsMessageBox(HWND window) { return ClassOf(window) == kDialogClass && TextOf(window) == kMessageBoxTitle; }

BOOL CALLBACK CollectVelmoraWindow(HWND window, LPARAM list) {
    if (!::IsWindowVisible(window)) return TRUE;
    const std::wstring name = ClassOf(window);
    if (name == kForm1Class || name == kAboutClass || name == kToPersianClass || name == kHolidayListClass ||
        name == kResultNoteClass ||
        IsMessageBox(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The visible top-level windows of Velmora's classes, and its message boxes.
std::vector<HWND> VelmoraWindows() {
    std::vector<HWND> found;
    ::EnumWindows(&CollectVelmoraWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND VisibleWindowOf(const wchar_t* className) {
    for (HWND window : VelmoraWindows())
        if (ClassOf(window) == className) return window;
    return nullptr;
}

HWND ControlOf(const std::string& name) {
    for (const wchar_t* owner : {kForm1Class, kAboutClass, kToPersianClass, kHolidayListClass}) {
        const HWND window = VisibleWindowOf(owner);
        const window::WindowDesign* design = velmora::win32::DesignOfClass(owner);
        for (const window::ControlDesign& control : design->controls)
            if (window != nullptr && control.name == name)
                if (HWND found = ::GetDlgItem(window, *window::ControlId(*design, name))) return found;
    }
    return nullptr;
}

// The state of the thread that owns all of Velmora's windows, whether or
// not Wine thinks it is in the foreground.
bool VelmoraThreadInfo(GUITHREADINFO& info) {
    HWND form = nullptr;
    for (const wchar_t* name : {kForm1Class, kAboutClass, kToPersianClass, kHolidayListClass})
        if (form == nullptr) form = ::FindWindowW(name, nullptr);
    if (form == nullptr) return false;
    info = GUITHREADINFO{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(form, nullptr), &info) != FALSE;
}

// The class of the system's menu windows.
constexpr wchar_t kMenuClass[] = L"#32768";

int Menu() {
    GUITHREADINFO info;
    if (!VelmoraThreadInfo(info)) return kExitNotFound;
    const HWND popup = ::FindWindowW(kMenuClass, nullptr);
    if ((info.flags & GUI_POPUPMENUMODE) != 0 || (popup != nullptr && ::IsWindowVisible(popup))) Print(L"popup");
    else if ((info.flags & GUI_INMENUMODE) != 0) Print(L"bar");
    return 0;
}

int Clipboard() {
    if (!::OpenClipboard(nullptr)) return kExitNotFound;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
            Print(text);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return 0;
}

int ClientSize(const std::string& className) {
    const std::wstring wide(className.begin(), className.end());
    HWND window = VisibleWindowOf(wide.c_str());
    if (window == nullptr) return kExitNotFound;
    RECT client;
    ::GetClientRect(window, &client);
    Print(std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom));
    return 0;
}

int Focus() {
    GUITHREADINFO info;
    if (!VelmoraThreadInfo(info) || info.hwndFocus == nullptr) return kExitNotFound;
    const std::wstring owner = ClassOf(::GetAncestor(info.hwndFocus, GA_ROOT));
    const window::WindowDesign* design = velmora::win32::DesignOfClass(owner);
    const char* name = design != nullptr ? velmora::win32::ControlName(*design, ::GetDlgCtrlID(info.hwndFocus)) : nullptr;
    const std::string control = name != nullptr ? name : std::to_string(::GetDlgCtrlID(info.hwndFocus));
    Print(std::wstring(control.begin(), control.end()) + L" " + owner);
    return 0;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "focus") return Focus();
    if (command == "windows") {
        for (HWND window : VelmoraWindows()) Print(ClassOf(window) + L"\t" + TextOf(window));
        return 0;
    }
    if (command == "msgbox") {
        if (HWND box = VisibleWindowOf(kDialogClass)) Print(TextOf(::GetDlgItem(box, kMessageBoxTextId)));
        return 0;
    }
    if (command == "foreground") {
        if (HWND window = ::GetForegroundWindow()) Print(TextOf(window));
        return 0;
    }
    if (command == "note") {
        if (HWND note = VisibleWindowOf(kResultNoteClass)) Print(TextOf(note));
        return 0;
    }
    if (command == "menu") return Menu();
    if (command == "clipboard") return Clipboard();
    if (argc != 3) return kExitUsage;
    if (command == "client") return ClientSize(argv[2]);
    HWND control = ControlOf(argv[2]);
    if (control == nullptr) return kExitNotFound;
    if (command == "text") {
        Print(TextOf(control));
        return 0;
    }
    if (command == "rect") {
        RECT rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        Print(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top));
        return 0;
    }
    if (command == "rows") {
        // A message without a pointer: nothing to marshal across processes.
        Print(std::to_wstring(::SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    if (command == "sel") {
        // With null pointers EM_GETSEL packs start and end into its result,
        // so nothing needs marshalling across processes.
        const DWORD_PTR selection = static_cast<DWORD_PTR>(::SendMessageW(control, EM_GETSEL, 0, 0));
        Print(std::to_wstring(LOWORD(selection)) + L" " + std::to_wstring(HIWORD(selection)));
        return 0;
    }
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) { return Run(argc, argv); }
