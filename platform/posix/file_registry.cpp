#include "file_registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <iostream>

namespace velmora::platform {
namespace {

constexpr const char* kRegistryVariable = "VELMORA_REGISTRY";
constexpr const char* kRegistryFileBelowConfig = "/velmora/registry.reg";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// True when every right asked for is one of reading.
bool ReadOnlyAccess(std::uint32_t access) { return (access & ~(kKeyRead | kKeyWow64Views)) == 0; }

// The key exists when the file has it or anything below it.
bool KeyExists(const RegistryContents& contents, const std::string& path) {
    auto below = contents.lower_bound(path);
    return below != contents.end() &&
           (below->first == path || below->first.compare(0, path.size() + 1, path + '\\') == 0);
}

}  // namespace

std::string DefaultRegistryFilePath() {
    if (std::string named = Environment(kRegistryVariable); !named.empty()) return named;
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = Environment("HOME");
        if (home.empty()) return "";
        config = home + "/.config";
    }
    return config + kRegistryFileBelowConfig;
}

FileRegistry::FileRegistry(std::string path) : path_(std::move(path)) {}

RegistryContents FileRegistry::Load() {
    if (path_.empty()) return {};
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            Warn("");  // a missing file is simply an empty registry
        } else {
            Warn(path_ + ": " + std::strerror(error));
        }
        return {};
    }
    std::string bytes;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, got);
    std::fclose(file);
    RegistryFileParse parse = ParseRegistryFile(bytes);
    if (parse.error) {
        Warn(path_ + ":" + std::to_string(parse.error->line) + ": " + parse.error->reason);
        return {};
    }
    Warn("");
    return std::move(parse.contents);
}

void FileRegistry::Warn(const std::string& problem) {
    if (!problem.empty() && problem != lastProblem_)
        std::cerr << "velmora: " << problem << "; System Info sees an empty registry\n";
    lastProblem_ = problem;
}

RegistryResult FileRegistry::OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                                     std::uint32_t access, RegistryKey& key) {
    const char* rootName = RegistryRootName(root);
    if (rootName == nullptr) return kErrorInvalidHandle;
    if (options != 0) return kErrorInvalidParameter;
    if (!ReadOnlyAccess(access)) return kErrorAccessDenied;
    const std::string path = RegistryFold(subKey.empty() ? std::string(rootName) : rootName + ('\\' + subKey));
    RegistryContents contents = Load();
    if (!KeyExists(contents, path)) return kErrorFileNotFound;
    key = nextKey_++;
    openKeys_[key] = std::move(contents[path]);
    return kRegistrySuccess;
}

RegistryResult FileRegistry::QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                        unsigned char* data, std::uint32_t& size) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) return kErrorInvalidHandle;
    const auto value = open->second.find(RegistryFold(valueName));
    if (value == open->second.end()) return kErrorFileNotFound;
    const std::vector<unsigned char>& bytes = value->second.data;
    const auto length = static_cast<std::uint32_t>(bytes.size());
    type = value->second.type;
    if (length > size) {
        size = length;
        return kErrorMoreData;
    }
    if (data != nullptr) std::copy(bytes.begin(), bytes.end(), data);
    size = length;
    return kRegistrySuccess;
}

RegistryResult FileRegistry::CloseKey(RegistryKey key) {
    return openKeys_.erase(key) == 1 ? kRegistrySuccess : kErrorInvalidHandle;
}

}  // namespace velmora::platform
