// For the start-up probes: reports the first time a window has painted
// itself by writing one byte to the file descriptor named in
// VELMORA_PROBE_FD, then ends the program.
#pragma once

#include <QObject>

class QWidget;

namespace velmora::bench {

class FirstPaintSignal : public QObject {
public:
    // Watches window; the signal goes out on its first paint.
    explicit FirstPaintSignal(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool signalled_ = false;
};

}  // namespace velmora::bench
