// The program ends when none of its windows is loaded any more. Qt's own
// rule (quit when the last primary window closes) leaves tool windows such
// as the About box out, so the program counts its windows itself; main()
// turns Qt's rule off.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

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
    bool AnyWindowLoaded() const;

    std::function<void()> endProgram_;
    std::vector<QPointer<QWidget>> windows_;
    bool ended_ = false;
};

}  // namespace velmora::ui
