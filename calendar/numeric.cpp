#include "calendar/numeric.h"

#include <optional>

namespace velmora {

void RaiseOverflow() { throw OverflowError(); }
void RaiseFloatingPoint() { throw FloatingPointError(); }

namespace {

constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;

// Decodes one code point of strict UTF-8 starting at text[pos] and advances
// pos past it. Overlong forms, surrogates, values above U+10FFFF and
// truncated sequences yield kInvalidCodePoint.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length;
    char32_t cp;
    char32_t smallest;  // below this the sequence is overlong
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07u, smallest = 0x10000;
    } else {
        return kInvalidCodePoint;
    }
    if (text.size() - pos < length) return kInvalidCodePoint;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return kInvalidCodePoint;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kInvalidCodePoint;
    pos += length;
    return cp;
}

bool IsIgnoredBlank(char32_t cp) {
    switch (cp) {
        case U' ': case U'\t': case U'\r': case U'\n':
        case U'\u00A0':                            // no-break space
        case U'\u200E': case U'\u200F':            // left-to-right and right-to-left marks
        case U'\u061C':                            // Arabic letter mark
            return true;
        default:
            return false;
    }
}

// The value 0..9 of an ASCII, Persian or Arabic-Indic digit.
std::optional<int> DigitValue(char32_t cp) {
    if (cp >= U'0' && cp <= U'9') return static_cast<int>(cp - U'0');
    if (cp >= U'\u06F0' && cp <= U'\u06F9') return static_cast<int>(cp - U'\u06F0');
    if (cp >= U'\u0660' && cp <= U'\u0669') return static_cast<int>(cp - U'\u0660');
    return std::nullopt;
}

bool IsSign(char32_t cp) { return cp == U'+' || cp == U'-' || cp == U'\u2212'; }
bool IsDecimalSeparator(char32_t cp) { return cp == U'.' || cp == U'\u066B'; }

// Magnitudes are saturated here: anything larger is out of range however many
// digits follow, and saturating keeps long input free of overflow.
constexpr std::int32_t kSaturatedMagnitude = 100000;

}  // namespace

std::int16_t ParseInt16(std::string_view utf8) {
    // Decode everything first: invalid UTF-8 anywhere is a type mismatch.
    std::u32string text;
    text.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (cp == kInvalidCodePoint) throw TypeMismatchError();
        text.push_back(cp);
    }

    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsIgnoredBlank(text[begin])) ++begin;
    while (end > begin && IsIgnoredBlank(text[end - 1])) --end;

    bool negative = false;
    if (begin < end && IsSign(text[begin])) {
        negative = text[begin] != U'+';
        ++begin;
    }

    std::int32_t magnitude = 0;  // integer part, saturated
    int digitCount = 0;
    std::size_t i = begin;
    for (; i < end; ++i) {
        const auto digit = DigitValue(text[i]);
        if (!digit) break;
        ++digitCount;
        magnitude = std::min(magnitude * 10 + *digit, kSaturatedMagnitude);
    }

    // The fraction decides the rounding: its first digit, and whether any
    // later digit is non-zero (the tie "5" exactly, or above it).
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (i < end && IsDecimalSeparator(text[i])) {
        ++i;
        for (bool first = true; i < end; ++i, first = false) {
            const auto digit = DigitValue(text[i]);
            if (!digit) break;
            ++digitCount;
            if (first) firstFractionDigit = *digit;
            else restNonZero = restNonZero || *digit != 0;
        }
    }
    if (i != end || digitCount == 0) throw TypeMismatchError();

    const bool roundUp = firstFractionDigit > 5 ||
                         (firstFractionDigit == 5 && (restNonZero || magnitude % 2 == 1));
    if (roundUp) magnitude = std::min(magnitude + 1, kSaturatedMagnitude);

    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < INT16_MIN || value > INT16_MAX) throw OverflowError();
    return static_cast<std::int16_t>(value);
}

std::string FormatInt16(std::int16_t value) { return std::to_string(value); }

}  // namespace velmora
