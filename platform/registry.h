// The registry service: open a key, query one of its values, close it. The
// calls return the platform's result codes: 0 is success, anything else a
// failure; callers test for 0 only.
#pragma once

#include <cstdint>
#include <string>

namespace velmora::platform {

// A predefined root key, as the 32-bit handle value the platform defines.
using RegistryRoot = std::uint32_t;
inline constexpr RegistryRoot kHkeyClassesRoot = 0x80000000;
inline constexpr RegistryRoot kHkeyCurrentUser = 0x80000001;
inline constexpr RegistryRoot kHkeyLocalMachine = 0x80000002;
inline constexpr RegistryRoot kHkeyUsers = 0x80000003;
inline constexpr RegistryRoot kHkeyCurrentConfig = 0x80000005;

// An open key, valid from a successful OpenKey to its CloseKey.
using RegistryKey = std::uintptr_t;

using RegistryResult = std::int32_t;
inline constexpr RegistryResult kRegistrySuccess = 0;
// The platform's error codes that the implementations here return.
inline constexpr RegistryResult kErrorFileNotFound = 2;
inline constexpr RegistryResult kErrorAccessDenied = 5;
inline constexpr RegistryResult kErrorInvalidHandle = 6;
inline constexpr RegistryResult kErrorInvalidParameter = 87;
inline constexpr RegistryResult kErrorMoreData = 234;

// Access rights: KEY_READ is read-control, query values, enumerate sub-keys
// and notify; the rest ask for changes.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWow64Views = 0x0300;  // KEY_WOW64_64KEY | KEY_WOW64_32KEY

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens subKey below root; options must be 0.
    virtual RegistryResult OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, RegistryKey& key) = 0;

    // Reads the value named valueName of an open key into data, which holds
    // size bytes. On success type and size (the data's length in bytes) are
    // set. A value longer than size fails with kErrorMoreData and sets size
    // to its length.
    virtual RegistryResult QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                      unsigned char* data, std::uint32_t& size) = 0;

    virtual RegistryResult CloseKey(RegistryKey key) = 0;
};

}  // namespace velmora::platform
