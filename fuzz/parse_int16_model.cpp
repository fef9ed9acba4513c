#include "parse_int16_model.h"

#include <utility>

namespace velmora::fuzz {

namespace {

// Stand-ins: ' ' for an ignored blank, '-' and '+' for signs, '.' for the
// separator, '0'..'9' for digits.
struct Spelling {
    std::string_view bytes;
    char standIn;
};

constexpr Spelling kSpellings[] = {
    {"\xC2\xA0", ' '}, {"\xE2\x80\x8E", ' '}, {"\xE2\x80\x8F", ' '}, {"\xD8\x9C", ' '},
    {"\xE2\x88\x92", '-'}, {"\xD9\xAB", '.'},
    {"\xDB\xB0", '0'}, {"\xDB\xB1", '1'}, {"\xDB\xB2", '2'}, {"\xDB\xB3", '3'},
    {"\xDB\xB4", '4'}, {"\xDB\xB5", '5'}, {"\xDB\xB6", '6'}, {"\xDB\xB7", '7'},
    {"\xDB\xB8", '8'}, {"\xDB\xB9", '9'},
    {"\xD9\xA0", '0'}, {"\xD9\xA1", '1'}, {"\xD9\xA2", '2'}, {"\xD9\xA3", '3'},
    {"\xD9\xA4", '4'}, {"\xD9\xA5", '5'}, {"\xD9\xA6", '6'}, {"\xD9\xA7", '7'},
    {"\xD9\xA8", '8'}, {"\xD9\xA9", '9'},
};

// The text in stand-ins, or nullopt when it holds a character outside the set.
std::optional<std::string> ToStandIns(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.') {
            out += c, ++i;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            out += ' ', ++i;
        } else {
            bool found = false;
            for (const auto& s : kSpellings) {
                if (text.substr(i).starts_with(s.bytes)) {
                    out += s.standIn, i += s.bytes.size(), found = true;
                    break;
                }
            }
            if (!found) return std::nullopt;
        }
    }
    return out;
}

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

ModelResult ParseInt16Model(std::string_view utf8) {
    const ModelResult mismatch{ModelOutcome::TypeMismatch};
    auto text = ToStandIns(utf8);
    if (!text) return mismatch;
    std::string s = *text;
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return mismatch;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (s[0] == '+' || s[0] == '-') negative = s[0] == '-', s.erase(0, 1);
    const auto dot = s.find('.');
    std::string whole = s.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : s.substr(dot + 1);
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.size() + fraction.size() == 0)
        return mismatch;

    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.size() > 6) return {ModelOutcome::Overflow};
    int magnitude = whole.empty() ? 0 : std::stoi(whole);

    // Compare the fraction with one half, written as "5" and zeros.
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (fraction > "5" || (fraction == "5" && magnitude % 2 == 1)) ++magnitude;

    const int value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) return {ModelOutcome::Overflow};
    return {ModelOutcome::Value, value};
}

}  // namespace velmora::fuzz
