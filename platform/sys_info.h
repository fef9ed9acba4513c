// Starting the platform's system-information tool from the About box.
#pragma once

#include "services.h"

#include <string>

namespace velmora::platform {

// Raised for a registry value with no data: there is no last byte to test.
class InvalidArgumentError : public RuntimeError {
public:
    const char* what() const noexcept override { return "Invalid procedure call or argument"; }
};

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Size of the buffer a registry value is read into.
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads the value subKeyRef of the key keyName under keyRoot into keyVal:
// text as stored, less one trailing NUL; a 32-bit number as unsigned
// decimal; any other type leaves keyVal as it was. True when the value was
// read; false, with keyVal empty, when the key does not open or the value
// cannot be queried (a value over kValueBufferSize bytes included). A value
// with no data raises InvalidArgumentError.
bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// Finds the system-information tool through the registry and starts it, or
// tells the user in one message box that it cannot; never raises.
void StartSysInfo(Services& services);

}  // namespace velmora::platform
