#include "window/program_life.h"

namespace velmora::window {

ProgramLifetime::ProgramLifetime(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {}

void ProgramLifetime::Loaded(const void* window) { loaded_.insert(window); }

void ProgramLifetime::Unloaded(const void* window) {
    // Only a window that was loaded can end the program: unloading one that
    // never showed (or twice) changes nothing.
    if (loaded_.erase(window) == 0 || !loaded_.empty() || ended_) return;
    ended_ = true;
    endProgram_();
}

}  // namespace velmora::window
