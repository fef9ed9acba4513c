// The system clock on POSIX systems, in the process's time zone (TZ).
#pragma once

#include "platform/clock.h"

namespace velmora::platform {

class PosixClock final : public Clock {
public:
    CivilTime LocalNow() override;
    CivilTime UtcNow() override;
};

}  // namespace velmora::platform
