// Date fields as the Islamic tests compare and print them, and the range of
// day numbers that convert to Islamic dates.
#pragma once

#include <cstdint>
#include <ostream>

#include "numeric.h"

namespace velmora::test {

struct Fields {
    std::int16_t year, month, day;
    bool operator==(const Fields&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Fields& d) {
    return out << d.year << "/" << d.month << "/" << d.day;
}

// Persian -31793/12/10 is Islamic -32768/1/1 and Persian 31792/8/8 is
// 32767/12/29; the days outside overflow the 16-bit Islamic year.
inline constexpr JulianDayNumber kFirstIslamicDay = -9663479;
inline constexpr JulianDayNumber kLastIslamicDay = 13559958;

}  // namespace velmora::test
