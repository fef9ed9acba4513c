// The system's Save As dialog for one kind of file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace velmora::win32 {

// What the dialog offers: the file type's name in its list ("iCalendar
// (*.ics)"), its extension without the dot, added when the user types a
// name without one, and the name it proposes.
struct SaveFileKind {
    std::wstring_view typeName;
    std::wstring_view extension;
};

// Asks where to save, modal to owner; asks before replacing a file. The
// chosen path, or nothing when the user cancels or the dialog fails.
std::optional<std::wstring> AskSavePath(HWND owner, const SaveFileKind& kind, std::wstring_view proposedName);

}  // namespace velmora::win32
