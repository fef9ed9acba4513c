// A note beside a result: a Persian line and an English line. A window's
// notes read as one text, notes an empty line apart.
#pragma once

#include "calendar/numeric.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::window {

struct Note {
    std::string persian;
    std::string english;
};

// The notes as the result note shows them; empty when there are none.
std::string NotesText(const std::vector<Note>& notes);

// A note is an explanation beside a result that stands: a calendar error
// while working one out leaves that note out rather than failing the
// conversion the user already sees.
template <typename Result, typename Make>
void AddNote(std::vector<Note>& notes, const Result& result, Make make) {
    try {
        if (std::optional<Note> note = make(result)) notes.push_back(std::move(*note));
    } catch (const RuntimeError&) {
    }
}

}  // namespace velmora::window
