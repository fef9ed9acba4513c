// A clock that tells the time it is set to, and a file saver that keeps the
// files in memory or fails as told: "today" and the saved files under a
// test's control.
#pragma once

#include "platform/clock.h"
#include "platform/file_saver.h"

#include <map>
#include <optional>
#include <string>

namespace velmora::test {

class FixedClock final : public platform::Clock {
public:
    platform::CivilTime local{2026, 3, 21, 9, 30, 0};
    platform::CivilTime utc{2026, 3, 21, 6, 0, 0};

    platform::CivilTime LocalNow() override { return local; }
    platform::CivilTime UtcNow() override { return utc; }
};

class MemorySaver final : public platform::FileSaver {
public:
    std::map<std::string, std::string> files;
    std::optional<std::string> failure;  // the reason every save fails with

    void Save(const std::string& path, std::string_view bytes) override {
        if (failure) throw platform::FileSaveError(*failure);
        files[path] = bytes;
    }
};

}  // namespace velmora::test
