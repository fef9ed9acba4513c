// Texts from the Win32 controls (UTF-16) reach the number parser as UTF-8,
// and a lone surrogate, which has no UTF-8 form, is rejected by the parser
// like any invalid text instead of turning into another character.
#include "calendar/numeric.h"
#include "win32/text_encoding.h"

#include <gtest/gtest.h>

namespace velmora::win32 {
namespace {

TEST(TextEncoding, Utf16ToUtf8ByHand) {
    struct Case {
        std::wstring wide;
        std::string utf8;
    };
    const Case cases[] = {
        {L"1382", "1382"},
        {L"\u06F1\u06F4\u06F0\u06F3", "\xDB\xB1\xDB\xB4\xDB\xB0\xDB\xB3"},  // Persian digits
        {L"\U0001D7CE", "\xF0\x9D\x9F\x8E"},                                 // a surrogate pair
        {L"\u202A-5\u202C", "\xE2\x80\xAA-5\xE2\x80\xAC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8);
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide);
    }
}

TEST(TextEncoding, LoneSurrogatesAreRejectedAsTheParserRejectsInvalidUtf8) {
    const std::wstring lone[] = {std::wstring(L"12") + wchar_t(0xD800), wchar_t(0xDC00) + std::wstring(L"5"),
                                 std::wstring(L"1") + wchar_t(0xDBFF) + L"2"};
    for (const std::wstring& text : lone) EXPECT_THROW(ParseInt16(WideToUtf8(text)), TypeMismatchError);
    EXPECT_EQ(ParseInt16(WideToUtf8(L"\u06F1\u06F3\u06F8\u06F2")), 1382);
}

}  // namespace
}  // namespace velmora::win32
