// The platform's message box as a Win32 message box with the application's title, modal
// to the whole program: every window of the program is disabled until OK.
#pragma once

#include "platform/alert.h"

namespace velmora::win32 {

class Win32AlertBox final : public platform::Alert {
public:
    void Show(std::string_view text) override;
};

}  // namespace velmora::win32
