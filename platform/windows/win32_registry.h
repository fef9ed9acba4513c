// The Windows registry through advapi32's RegOpenKeyExA, RegQueryValueExA
// and RegCloseKey, bound by name at first use.
#pragma once

#include "numeric.h"
#include "registry.h"

namespace velmora::platform {

// advapi32 or one of its functions could not be bound.
class DllBindingError : public RuntimeError {
public:
    const char* what() const noexcept override { return "Can't find DLL entry point in advapi32"; }
};

class Win32Registry final : public Registry {
public:
    RegistryResult OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& key) override;
    RegistryResult QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& size) override;
    RegistryResult CloseKey(RegistryKey key) override;
};

}  // namespace velmora::platform
