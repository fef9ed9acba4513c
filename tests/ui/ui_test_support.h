// Helpers shared by the window tests: a message box that records instead of
// showing, and a converter window built with it.
#pragma once

#include "Form1.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "program_lifetime.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmora::test {

class RecordingMessageBox final : public platform::MessageBox {
public:
    void Show(std::string_view text) override;

    std::vector<std::string> shown;
    // Runs while the "box" is open, before Show returns (as OK is pressed).
    std::function<void()> whileOpen;
};

// A converter window on fakes, with a count of the program's ends.
struct Form1Fixture {
    explicit Form1Fixture(double dpi = 96.0);

    RecordingMessageBox messageBox;
    platform::Services services{messageBox};
    int programEnds = 0;
    ui::ProgramLifetime lifetime{[this] { ++programEnds; }};
    ui::Form1 form;

    QLineEdit& box(const char* name);
    QPushButton& button(const char* name);
    // Types the three inputs, replacing what the boxes held.
    void Type(const QString& year, const QString& month, const QString& day);
    bool ShowAndActivate();
};

}  // namespace velmora::test
