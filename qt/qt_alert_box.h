// The message box of the platform layer, as a Qt dialog.
#pragma once

#include "platform/alert.h"

namespace velmora::ui {

class QtAlertBox final : public platform::Alert {
public:
    void Show(std::string_view text) override;
};

}  // namespace velmora::ui
