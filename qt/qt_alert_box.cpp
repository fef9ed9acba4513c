#include "qt/qt_alert_box.h"

#include "qt/bidi_paragraphs.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora::ui {

void QtAlertBox::Show(std::string_view text) {
    // The first line is the box's text and the rest its informative text: an
    // English line, then a Persian sentence laid out right to left, its
    // numbers and Latin words reading in their own direction.
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const qsizetype lineEnd = all.indexOf('\n');
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(platform::kApplicationTitle), all.left(lineEnd),
                    QMessageBox::Ok, QApplication::activeWindow());
    if (lineEnd >= 0) box.setInformativeText(ParagraphsAsHtml(all.mid(lineEnd + 1)));
    box.setObjectName("VelmoraMessageBox");
    // Neither window takes input until OK is pressed.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace velmora::ui
