#include "win32_registry.h"

#include <windows.h>

namespace velmora::platform {
namespace {

using RegOpenKeyExAFunction = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
using RegQueryValueExAFunction = LONG(WINAPI*)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using RegCloseKeyFunction = LONG(WINAPI*)(HKEY);

// A function of the library by name; FARPROC goes through the generic
// function pointer type, which converts to any other.
template <typename Function>
Function Bind(HMODULE library, const char* name) {
    const FARPROC address = ::GetProcAddress(library, name);
    if (address == nullptr) throw DllBindingError();
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

struct Advapi32 {
    RegOpenKeyExAFunction openKey;
    RegQueryValueExAFunction queryValue;
    RegCloseKeyFunction closeKey;
};

Advapi32 BindAdvapi32() {
    const HMODULE library = ::LoadLibraryA("advapi32.dll");
    if (library == nullptr) throw DllBindingError();
    return Advapi32{Bind<RegOpenKeyExAFunction>(library, "RegOpenKeyExA"),
                    Bind<RegQueryValueExAFunction>(library, "RegQueryValueExA"),
                    Bind<RegCloseKeyFunction>(library, "RegCloseKey")};
}

// Bound at the first registry call; a failed binding is tried again next time.
const Advapi32& Api() {
    static const Advapi32 api = BindAdvapi32();
    return api;
}

// The predefined roots are 32-bit values, sign-extended into a handle as
// the platform's headers do.
HKEY RootHandle(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY KeyHandle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegistryResult Win32Registry::OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG result = Api().openKey(RootHandle(root), subKey.c_str(), options, access, &opened);
    if (result == ERROR_SUCCESS) key = reinterpret_cast<RegistryKey>(opened);
    return result;
}

RegistryResult Win32Registry::QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                         unsigned char* data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result = Api().queryValue(KeyHandle(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

RegistryResult Win32Registry::CloseKey(RegistryKey key) { return Api().closeKey(KeyHandle(key)); }

}  // namespace velmora::platform
