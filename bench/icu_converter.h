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

// Source-to-Persian conversion the same way: the source calendar's
// extended year, month and day fields set, its time handed to the Persian
// calendar, whose fields are read.
class IcuToPersianConverter {
public:
    // source: an ICU locale such as "@calendar=gregorian".
    explicit IcuToPersianConverter(const char* source);

    // The source calendar's fields of day number jd in ICU's own numbering
    // (months from 0), to build a workload with before timing.
    DateFields SourceFieldsOf(JulianDayNumber jd);

    // The Persian date (months from 1) of the source date in ICU's numbering.
    DateFields Convert(const DateFields& source);

private:
    std::unique_ptr<icu::Calendar> source_;
    std::unique_ptr<icu::Calendar> persian_;
};

}  // namespace velmora::bench
