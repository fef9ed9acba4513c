// Saving a whole file that the user named, without losing what was there.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::platform {

// Why a file could not be saved, in English: "Cannot save /a/b.ics: No such
// file or directory".
class FileSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileSaver {
public:
    virtual ~FileSaver() = default;

    // Writes bytes as the whole file at path (UTF-8). They go to a new
    // temporary file in the same folder first, which replaces the file at
    // path only once all of it is written and flushed: a failure raises
    // FileSaveError and leaves any file at path as it was, with no
    // temporary file left behind.
    virtual void Save(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace velmora::platform
