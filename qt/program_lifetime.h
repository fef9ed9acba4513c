// Tells the window layer's lifetime rule when a Qt window is loaded and
// unloaded. Qt's own rule (quit when the last primary window closes) leaves
// tool windows such as the About box out, so main() turns it off.
#pragma once

#include "window/program_life.h"

#include <QObject>
#include <QWidget>

#include <functional>

namespace velmora::ui {

class ProgramLifetime : public QObject {
    Q_OBJECT

public:
    // endProgram runs once, when the last tracked window has been hidden.
    explicit ProgramLifetime(std::function<void()> endProgram);

    // Counts window as one of the program's windows from now on.
    void Track(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    window::ProgramLifetime rule_;
};

}  // namespace velmora::ui
