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

IcuToPersianConverter::IcuToPersianConverter(const char* source)
    : source_(MakeCalendar(source)), persian_(MakeCalendar("@calendar=persian")) {}

DateFields IcuToPersianConverter::SourceFieldsOf(JulianDayNumber jd) {
    UErrorCode status = U_ZERO_ERROR;
    source_->clear();
    source_->set(UCAL_JULIAN_DAY, jd);
    const DateFields fields{static_cast<std::int16_t>(source_->get(UCAL_EXTENDED_YEAR, status)),
                            static_cast<std::int16_t>(source_->get(UCAL_MONTH, status)),
                            static_cast<std::int16_t>(source_->get(UCAL_DATE, status))};
    if (U_FAILURE(status)) throw std::runtime_error("ICU source fields");
    return fields;
}

DateFields IcuToPersianConverter::Convert(const DateFields& source) {
    UErrorCode status = U_ZERO_ERROR;
    source_->clear();
    source_->set(UCAL_EXTENDED_YEAR, source.year);
    source_->set(UCAL_MONTH, source.month);
    source_->set(UCAL_DATE, source.day);
    persian_->setTime(source_->getTime(status), status);
    const DateFields result{static_cast<std::int16_t>(persian_->get(UCAL_EXTENDED_YEAR, status)),
                            static_cast<std::int16_t>(persian_->get(UCAL_MONTH, status) + 1),
                            static_cast<std::int16_t>(persian_->get(UCAL_DATE, status))};
    if (U_FAILURE(status)) throw std::runtime_error("ICU conversion to Persian");
    return result;
}

}  // namespace velmora::bench
