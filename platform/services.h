// The platform services that the windows use, handed to them at start-up so
// that tests can put fakes in their place.
#pragma once

#include "file_lookup.h"
#include "platform/alert.h"
#include "platform/clock.h"
#include "platform/file_saver.h"
#include "program_launcher.h"
#include "registry.h"

namespace velmora::platform {

struct Services {
    Alert& alert;
    Registry& registry;
    FileLookup& files;
    ProgramLauncher& launcher;
    Clock& clock;
    FileSaver& saver;
};

}  // namespace velmora::platform
