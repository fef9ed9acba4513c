// Text between the window layer (UTF-8) and the Win32 API (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace velmora::win32 {

std::wstring Utf8ToWide(std::string_view utf8);

// UTF-16 to UTF-8. A lone surrogate has no UTF-8 form; it is written as the
// three bytes its code unit would take (ED A0 80 to ED BF BF), which no
// strict UTF-8 reader accepts, so the number parser rejects the text as it
// rejects any invalid UTF-8 instead of seeing a different character.
std::string WideToUtf8(std::wstring_view wide);

// True when the text holds Arabic-script letters: such a paragraph is laid
// out right to left.
bool HasArabicScript(std::wstring_view text);

}  // namespace velmora::win32
