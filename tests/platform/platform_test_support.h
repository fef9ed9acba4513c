// Shared by the platform tests on every system: recorders that wrap the real
// services, and the test's view of one platform (a "world") in which
// registry contents are stored and tool programs are laid out.
#pragma once

#include "file_lookup.h"
#include "platform/alert.h"
#include "program_launcher.h"
#include "registry.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {

// Passes every call to the real registry and notes what was asked.
class RecordingRegistry final : public platform::Registry {
public:
    explicit RecordingRegistry(platform::Registry& real) : real_(real) {}

    platform::RegistryResult OpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t options,
                                     std::uint32_t access, platform::RegistryKey& key) override;
    platform::RegistryResult QueryValue(platform::RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                        unsigned char* data, std::uint32_t& size) override;
    platform::RegistryResult CloseKey(platform::RegistryKey key) override;

    std::vector<std::string> opened;   // sub-key paths, in order
    std::vector<std::uint32_t> accessMasks;
    std::vector<std::string> queried;  // value names, in order
    std::set<platform::RegistryKey> stillOpen;

private:
    platform::Registry& real_;
};

class RecordingLauncher final : public platform::ProgramLauncher {
public:
    explicit RecordingLauncher(platform::ProgramLauncher& real) : real_(real) {}
    void Launch(const std::string& path, int windowStyle) override;

    std::vector<std::string> attempted;
    std::vector<int> windowStyles;

private:
    platform::ProgramLauncher& real_;
};

class RecordingAlert final : public platform::Alert {
public:
    void Show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

// One value to store: under HKEY_LOCAL_MACHINE, key\name of the given type.
struct StoredValue {
    std::string key;
    std::string name;
    std::uint32_t type;
    std::string data;  // the exact bytes
};

// A platform as the tests see it. Each world has a fresh folder with:
//   {tool}         a tool program that notes that it ran
//   {tool dir}     a folder holding such a program named MSINFO32.EXE
//   {empty dir}    a folder without it
//   {missing}      a program path that does not exist
//   {spaced tool}  a tool in a folder whose name has blanks and a ";"
class SysInfoWorld {
public:
    virtual ~SysInfoWorld() = default;

    // Replaces the test keys' contents with values.
    virtual void Store(const std::vector<StoredValue>& values) = 0;
    virtual platform::Registry& registry() = 0;
    virtual platform::FileLookup& files() = 0;
    virtual platform::ProgramLauncher& launcher() = 0;

    // text with the placeholders above replaced by this world's paths.
    virtual std::string Resolve(const std::string& text) const = 0;
    // Whether the tool at path has run, waiting a few seconds for it.
    virtual bool WaitUntilStarted(const std::string& path) const = 0;
    // Whether any tool of the world has run (no waiting).
    virtual bool AnyStarted() const = 0;
    // Whether a file of that name exists in the world's folder; a launch
    // through a shell would have made the {spaced tool}'s ";" run "touch".
    virtual bool FileExists(const std::string& name) const = 0;
};

std::unique_ptr<SysInfoWorld> MakeSysInfoWorld();

// Replaces every "{name}" of text by its value.
std::string ReplacePlaceholders(std::string text, const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace velmora::test
