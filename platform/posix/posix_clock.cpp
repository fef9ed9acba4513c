#include "platform/posix/posix_clock.h"

#include <ctime>
#include <stdexcept>

namespace velmora::platform {

namespace {

CivilTime FromTm(const std::tm& t) {
    return CivilTime{static_cast<std::int16_t>(t.tm_year + 1900), static_cast<std::int16_t>(t.tm_mon + 1),
                     static_cast<std::int16_t>(t.tm_mday),        static_cast<std::int16_t>(t.tm_hour),
                     static_cast<std::int16_t>(t.tm_min),         static_cast<std::int16_t>(t.tm_sec)};
}

// A clock past the year 32767 or before 1 has no 16-bit year to give.
CivilTime Checked(const std::tm* t) {
    if (t == nullptr || t->tm_year + 1900 < 1 || t->tm_year + 1900 > 32767)
        throw std::runtime_error("The system clock gives no date");
    return FromTm(*t);
}

}  // namespace

CivilTime PosixClock::LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    return Checked(localtime_r(&now, &local));
}

CivilTime PosixClock::UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    return Checked(gmtime_r(&now, &utc));
}

}  // namespace velmora::platform
