// A note beside a result or a list: a Persian line and an English line.
#pragma once

#include <string>

namespace velmora::window {

struct Note {
    std::string persian;
    std::string english;
};

}  // namespace velmora::window
