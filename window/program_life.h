// The program ends when none of its windows is loaded any more: closing
// Form1 while the About box is open leaves the program running until the
// About box closes too. Each toolkit reports its windows' loads and unloads
// here and ends its event loop when told to.
#pragma once

#include <functional>
#include <set>

namespace velmora::window {

class ProgramLifetime {
public:
    // endProgram runs once, when the last loaded window has been unloaded.
    explicit ProgramLifetime(std::function<void()> endProgram);

    // window identifies the window to the toolkit; only its identity counts.
    void Loaded(const void* window);
    void Unloaded(const void* window);

    bool Ended() const { return ended_; }

private:
    std::function<void()> endProgram_;
    std::set<const void*> loaded_;
    bool ended_ = false;
};

}  // namespace velmora::window
