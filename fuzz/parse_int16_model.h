// A second, deliberately plain reading of the text syntax that ParseInt16
// accepts, for the fuzzer to compare against. It works on bytes: each
// accepted non-ASCII character is spelled out as its UTF-8 bytes and mapped
// to an ASCII stand-in, every other byte above 0x7F fails, and the number is
// then judged as a string of ASCII digits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::fuzz {

enum class ModelOutcome { Value, TypeMismatch, Overflow };

struct ModelResult {
    ModelOutcome outcome;
    int value = 0;
};

ModelResult ParseInt16Model(std::string_view utf8);

}  // namespace velmora::fuzz
