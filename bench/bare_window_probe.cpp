// The baseline for the start-up benchmark: a bare Qt 6 window of Form1's
// size, built like Velmora, that ends after its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(299, 147);
    velmora::bench::FirstPaintSignal signal(window);
    window.show();
    return QApplication::exec();
}
