#include "window/persian_numbers.h"

namespace velmora::window {

namespace {

// U+06F0 EXTENDED ARABIC-INDIC DIGIT ZERO, the first of the ten Persian
// digits, in UTF-8: DB B0 to DB B9.
constexpr char kPersianDigitLead = '\xDB';
constexpr unsigned char kPersianZeroTrail = 0xB0;

}  // namespace

std::string LeftToRightRun(std::string_view text) {
    return kLeftToRightEmbedding + std::string(text) + kPopDirectionalFormatting;
}

std::string PersianDigits(std::string_view ascii) {
    std::string persian;
    persian.reserve(ascii.size() * 2);
    for (const char c : ascii) {
        if (c < '0' || c > '9') {
            persian += c;
            continue;
        }
        persian += kPersianDigitLead;
        persian += static_cast<char>(kPersianZeroTrail + static_cast<unsigned char>(c - '0'));
    }
    return persian;
}

std::string PersianNumber(std::int16_t value) {
    const std::string digits = PersianDigits(FormatInt16(value));
    return value < 0 ? LeftToRightRun(digits) : digits;
}

std::string DateNumbers(const DateFields& date) {
    return FormatInt16(date.year) + '/' + FormatInt16(date.month) + '/' + FormatInt16(date.day);
}

std::string PersianDateNumbers(const DateFields& date) { return LeftToRightRun(PersianDigits(DateNumbers(date))); }

}  // namespace velmora::window
