// The platform's message box: a text with an OK button only. Named Alert,
// not MessageBox, because <windows.h> defines MessageBox as a macro for
// MessageBoxW, which would rename the interface in some files and not others.
#pragma once

#include <string_view>

namespace velmora::platform {

// The application's title, which a message box without a title of its own carries.
inline constexpr const char* kApplicationTitle = "Velmora";

class Alert {
public:
    virtual ~Alert() = default;

    // Shows the UTF-8 text, titled kApplicationTitle and modal to the whole
    // program, and returns when the user has pressed OK.
    virtual void Show(std::string_view text) = 0;
};

}  // namespace velmora::platform
