#include "icu_converter.h"

#include <unicode/timezone.h>

#include <stdexcept>

namespace velmora::bench {

namespace {

std::unique_ptr<icu::Calendar> MakeCalendar(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status));
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU calendar ") + locale);
    return calendar;
}

}  // namespace

IcuConverter::IcuConverter(const char* target)
    : persian_(MakeCalendar("@calendar=persian")), target_(MakeCalendar(target)) {}

DateFields IcuConverter::Convert(const DateFields& persian) {
    UErrorCode status = U_ZERO_ERROR;
    persian_->clear();
    persian_->set(persian.year, persian.month - 1, persian.day);
    target_->setTime(persian_->getTime(status), status);
    const DateFields result{static_cast<std::int16_t>(target_->get(UCAL_EXTENDED_YEAR, status)),
                            static_cast<std::int16_t>(target_->get(UCAL_MONTH, status) + 1),
                            static_cast<std::int16_t>(target_->get(UCAL_DATE, status))};
    if (U_FAILURE(status)) throw std::runtime_error("ICU conversion");
    return result;
}

}  // namespace velmora::bench
