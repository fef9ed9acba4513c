#include "win32/text_encoding.h"

namespace velmora::win32 {
namespace {

constexpr char32_t kHighSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateEnd = 0xE000;
constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(char32_t u) { return u >= kHighSurrogateFirst && u < kLowSurrogateFirst; }
bool IsLow(char32_t u) { return u >= kLowSurrogateFirst && u < kSurrogateEnd; }

void AppendUtf8(std::string& out, char32_t c) {
    auto byte = [&out](char32_t b) { out.push_back(static_cast<char>(static_cast<unsigned char>(b))); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::wstring& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<wchar_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<wchar_t>(kHighSurrogateFirst + (c >> 10)));
        out.push_back(static_cast<wchar_t>(kLowSurrogateFirst + (c & 0x3FF)));
    }
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    // The window layer's texts are valid UTF-8; anything else shows as U+FFFD.
    std::wstring out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
            AppendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        AppendUtf16(out, c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto unit = static_cast<char32_t>(static_cast<char16_t>(wide[i]));
        if (IsHigh(unit) && i + 1 < wide.size() && IsLow(static_cast<char16_t>(wide[i + 1]))) {
            const auto low = static_cast<char32_t>(static_cast<char16_t>(wide[++i]));
            AppendUtf8(out, 0x10000 + ((unit - kHighSurrogateFirst) << 10) + (low - kLowSurrogateFirst));
        } else {
            AppendUtf8(out, unit);  // a lone surrogate keeps its (invalid) three bytes
        }
    }
    return out;
}

bool HasArabicScript(std::wstring_view text) {
    for (const wchar_t c : text)
        if (c >= 0x0600 && c <= 0x06FF) return true;
    return false;
}

}  // namespace velmora::win32
