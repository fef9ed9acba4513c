// Feeds arbitrary bytes to ParseInt16 and checks each outcome against the
// plain model of the accepted syntax.
#include "numeric.h"
#include "parse_int16_model.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

using velmora::fuzz::ModelOutcome;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto expected = velmora::fuzz::ParseInt16Model(text);
    ModelOutcome actual;
    int value = 0;
    try {
        value = velmora::ParseInt16(text);
        actual = ModelOutcome::Value;
    } catch (const velmora::TypeMismatchError&) {
        actual = ModelOutcome::TypeMismatch;
    } catch (const velmora::OverflowError&) {
        actual = ModelOutcome::Overflow;
    }
    if (actual != expected.outcome || value != expected.value) {
        std::fprintf(stderr, "ParseInt16 gives outcome %d value %d, the model %d value %d\n",
                     static_cast<int>(actual), value, static_cast<int>(expected.outcome),
                     expected.value);
        std::abort();
    }
    return 0;
}
