// Velmora's window for the start-up benchmark: the program exactly as main()
// builds it, ending after Form1's first paint.
#include "first_paint.h"
#include "qt/velmora_program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ui::VelmoraProgram program;
    velmora::bench::FirstPaintSignal signal(program.MainWindow());
    program.MainWindow().show();
    return QApplication::exec();
}
