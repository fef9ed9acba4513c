// The platform services that the windows use, handed to them at start-up so
// that tests can put fakes in their place.
#pragma once

#include "message_box.h"

namespace velmora::platform {

struct Services {
    MessageBox& messageBox;
};

}  // namespace velmora::platform
