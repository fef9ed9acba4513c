// The registry on systems without one: read-only, from a registry file
// (registry_file.h). The file is read anew at every OpenKey, so an edit
// takes effect at the next look-up; nothing ever writes it.
#pragma once

#include "registry.h"
#include "registry_file.h"

#include <map>
#include <string>

namespace velmora::platform {

// The file the environment names: VELMORA_REGISTRY, or else
// ${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg. Empty when neither
// that variable nor HOME is set.
std::string DefaultRegistryFilePath();

class FileRegistry final : public Registry {
public:
    explicit FileRegistry(std::string path);

    // A missing file is an empty registry; a malformed one too, with one line
    // on standard error naming the file and line (once for each new fault;
    // an unreadable file likewise).
    // The file is read-only, as HKEY_LOCAL_MACHINE is to a normal user: a
    // request for any right beyond KEY_READ is refused.
    RegistryResult OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& key) override;
    RegistryResult QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& size) override;
    RegistryResult CloseKey(RegistryKey key) override;

private:
    RegistryContents Load();
    // One line on standard error for a problem with the file, unless it is
    // the one reported last; an empty problem means the file is fine again.
    void Warn(const std::string& problem);

    std::string path_;
    std::string lastProblem_;
    std::map<RegistryKey, RegistryValues> openKeys_;
    RegistryKey nextKey_ = 1;
};

}  // namespace velmora::platform
