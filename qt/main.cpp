// Velmora: builds the converter window and runs until every window is closed.
#include "qt/velmora_program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ui::VelmoraProgram program;
    program.MainWindow().show();
    return QApplication::exec();
}
