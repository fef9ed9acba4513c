// The message box of the platform layer, as a Qt dialog.
#pragma once

#include "platform/message_box.h"

namespace velmora::ui {

class QtMessageBox final : public platform::MessageBox {
public:
    void Show(std::string_view text) override;
};

}  // namespace velmora::ui
