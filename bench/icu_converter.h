// Persian-to-target conversion written as a C++ user of ICU would: one
// Calendar for "@calendar=persian" and one for the target, set / getTime /
// setTime / get.
#pragma once

#include "numeric.h"

#include <unicode/calendar.h>

#include <memory>

namespace velmora::bench {

class IcuConverter {
public:
    // target: an ICU locale such as "@calendar=gregorian", "@calendar=hebrew"
    // or "@calendar=islamic".
    explicit IcuConverter(const char* target);

    DateFields Convert(const DateFields& persian);

private:
    std::unique_ptr<icu::Calendar> persian_;
    std::unique_ptr<icu::Calendar> target_;
};

}  // namespace velmora::bench
