#include "win32/save_file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace velmora::win32 {
namespace {

// A path longer than MAX_PATH needs the long-path prefix, which the dialog
// does not give; this is room enough for what it returns.
constexpr std::size_t kPathCapacity = 32768;

}  // namespace

std::optional<std::wstring> AskSavePath(HWND owner, const SaveFileKind& kind, std::wstring_view proposedName) {
    // The filter is pairs of NUL-terminated strings, ending in an empty one:
    // "iCalendar (*.ics)\0*.ics\0\0".
    std::wstring filter(kind.typeName);
    filter += L'\0';
    filter += L"*.";
    filter += kind.extension;
    filter += L'\0';
    filter += L'\0';
    const std::wstring extension(kind.extension);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    proposedName.substr(0, kPathCapacity - 1).copy(path.data(), kPathCapacity - 1);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = extension.c_str();
    // No change of the program's working folder; a folder that exists.
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!::GetSaveFileNameW(&dialog)) return std::nullopt;
    return std::wstring(path.data());
}

}  // namespace velmora::win32
