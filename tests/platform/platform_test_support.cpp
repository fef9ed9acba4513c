#include "platform_test_support.h"

namespace velmora::test {

platform::RegistryResult RecordingRegistry::OpenKey(platform::RegistryRoot root, const std::string& subKey,
                                                    std::uint32_t options, std::uint32_t access,
                                                    platform::RegistryKey& key) {
    opened.push_back(subKey);
    accessMasks.push_back(access);
    const platform::RegistryResult result = real_.OpenKey(root, subKey, options, access, key);
    if (result == platform::kRegistrySuccess) stillOpen.insert(key);
    return result;
}

platform::RegistryResult RecordingRegistry::QueryValue(platform::RegistryKey key, const std::string& valueName,
                                                       std::uint32_t& type, unsigned char* data, std::uint32_t& size) {
    queried.push_back(valueName);
    return real_.QueryValue(key, valueName, type, data, size);
}

platform::RegistryResult RecordingRegistry::CloseKey(platform::RegistryKey key) {
    stillOpen.erase(key);
    return real_.CloseKey(key);
}

void RecordingLauncher::Launch(const std::string& path, int windowStyle) {
    attempted.push_back(path);
    windowStyles.push_back(windowStyle);
    real_.Launch(path, windowStyle);
}

std::string ReplacePlaceholders(std::string text, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, value] : values) {
        const std::string placeholder = '{' + name + '}';
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size()))
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

}  // namespace velmora::test
