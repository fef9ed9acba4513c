// The real message box: titled Velmora, modal to the whole program, OK only,
// and Show returns once OK is pressed.
#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class QtMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTitledModalBoxUntilOk() {
        QString title, text;
        Qt::WindowModality modality = Qt::NonModal;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            modality = box->windowModality();
            buttons = static_cast<int>(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        velmora::ui::QtMessageBox messageBox;
        messageBox.Show("System Information Is Unavailable At This Time");
        QCOMPARE(title, QString("Velmora"));
        QCOMPARE(text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(buttons, 1);
    }
};

QTEST_MAIN(QtMessageBoxTest)
#include "qt_message_box_test.moc"
