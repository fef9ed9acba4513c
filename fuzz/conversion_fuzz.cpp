// The whole path of a conversion button: three input texts are parsed, the
// date is converted and the three results are formatted. The input is a
// selector byte (which button) and the three texts separated by NUL bytes.
// Every outcome must be a sound result or an error the button reports.
#include "conversion_invariants.h"
#include "numeric.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// The next NUL-terminated field of the input, or the rest of it.
std::string_view NextText(std::string_view& rest) {
    const auto end = rest.find('\0');
    const std::string_view text = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    using velmora::test::kAllConversions;
    const auto conversion = kAllConversions[data[0] % std::size(kAllConversions)];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    velmora::DateFields fields{};
    try {
        fields.year = velmora::ParseInt16(NextText(rest));
        fields.month = velmora::ParseInt16(NextText(rest));
        fields.day = velmora::ParseInt16(NextText(rest));
    } catch (const velmora::TypeMismatchError&) {
        return 0;
    } catch (const velmora::OverflowError&) {
        return 0;
    }

    const std::string fault = velmora::test::CheckConversion(conversion, fields);
    if (!fault.empty()) Fail(fault);

    try {
        velmora::test::Convert(conversion, fields);
    } catch (const velmora::OverflowError&) {
        return 0;  // reported to the user; CheckConversion judged it allowed
    }
    // What the result boxes show reads back as the same numbers.
    for (const std::int16_t value : {fields.year, fields.month, fields.day}) {
        const std::string shown = velmora::FormatInt16(value);
        if (velmora::ParseInt16(shown) != value) Fail("result " + shown + " does not read back");
    }
    return 0;
}
