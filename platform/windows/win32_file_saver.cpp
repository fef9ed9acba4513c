#include "platform/windows/win32_file_saver.h"

#include <windows.h>

#include <string>

namespace velmora::platform {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

// The system's English-or-local words for an error code, without the line
// end it puts after them.
std::string Reason(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 ? std::string(text, length) : "error " + std::to_string(error);
    if (text != nullptr) ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

[[noreturn]] void Fail(const std::string& path, DWORD error) {
    throw FileSaveError("Cannot save " + path + ": " + Reason(error));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

// The temporary file lies in the target's folder, so that the move is a
// rename on one volume; it is flushed before the move, so that a crash
// leaves either the old file or the whole new one.
void Win32FileSaver::Save(const std::string& path, std::string_view bytes) {
    const std::wstring target = Wide(path);
    if (target.empty()) Fail(path, ERROR_INVALID_NAME);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(::GetCurrentProcessId());
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE) Fail(path, ::GetLastError());
    const bool ok = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    const DWORD writeError = ::GetLastError();
    ::CloseHandle(file);
    if (!ok || !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ok ? ::GetLastError() : writeError;
        ::DeleteFileW(temporary.c_str());
        Fail(path, error);
    }
}

}  // namespace velmora::platform
