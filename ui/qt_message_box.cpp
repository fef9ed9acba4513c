#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora::ui {

void QtMessageBox::Show(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(platform::kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName("VelmoraMessageBox");
    // Neither window takes input until OK is pressed.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace velmora::ui
