// The system clock on Windows, in the user's time zone.
#pragma once

#include "platform/clock.h"

namespace velmora::platform {

class Win32Clock final : public Clock {
public:
    CivilTime LocalNow() override;
    CivilTime UtcNow() override;
};

}  // namespace velmora::platform
