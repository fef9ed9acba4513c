// A second baseline for the start-up benchmark: the bare window with one
// Persian caption in Velmora's font, so the share of start-up that goes into
// setting up fonts and shaping Arabic script shows on its own.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(299, 147);
    QLabel caption(QString::fromUtf8("تاريخ هجري شمسي را وارد کنيد"), &window);
    caption.setFont(QFont(QStringList{"Tahoma", "Noto Sans Arabic UI"}, 8));
    velmora::bench::FirstPaintSignal signal(window);
    window.show();
    return QApplication::exec();
}
