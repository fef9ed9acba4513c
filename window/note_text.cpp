#include "window/note_text.h"

namespace velmora::window {

std::string NotesText(const std::vector<Note>& notes) {
    std::string text;
    for (const Note& note : notes) {
        if (!text.empty()) text += "\n\n";
        text += note.persian + '\n' + note.english;
    }
    return text;
}

}  // namespace velmora::window
