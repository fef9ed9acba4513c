// The registry file: a registry in the text form that regedit exports. It
// stands in for the registry on systems that have none.
//
//   Windows Registry Editor Version 5.00        (or REGEDIT4)
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Example]
//   "Text"="C:\\Tools\\a \"quoted\" name"       type 1, stored with its NUL
//   "Number"=dword:0000000a                     type 4
//   "Bytes"=hex:01,02,\                         type 3; "\" continues the line
//     03
//   "Other"=hex(2):41,00                        type 2 (any type in hex)
//   @="the key's default value"
//
// Lines end in LF or CRLF; a file may be UTF-8 or, as regedit writes it,
// UTF-16LE with a byte-order mark. Lines starting with ";" are comments.
// Key paths and value names compare without regard to ASCII case.
#pragma once

#include "registry.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

struct RegistryValue {
    std::uint32_t type;
    std::vector<unsigned char> data;
};

// Keys by full path ("HKEY_LOCAL_MACHINE\SOFTWARE\..."), values by name; both
// in upper case.
using RegistryValues = std::map<std::string, RegistryValue>;
using RegistryContents = std::map<std::string, RegistryValues>;

struct RegistryFileError {
    int line;  // 1-based
    std::string reason;
};

struct RegistryFileParse {
    RegistryContents contents;               // empty when error is set
    std::optional<RegistryFileError> error;  // the first fault found
};

RegistryFileParse ParseRegistryFile(std::string_view bytes);

// The name of a predefined root key as a file writes it, or null.
const char* RegistryRootName(RegistryRoot root);

// ASCII upper case, the form keys and names are compared in.
std::string RegistryFold(std::string_view text);

}  // namespace velmora::platform
