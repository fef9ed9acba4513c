// The real message box: titled Velmora, modal to the whole program, OK only,
// and Show returns once OK is pressed; its Persian sentence reads right to
// left.
#include "qt/qt_alert_box.h"
#include "tests/qt/ui_test_support.h"
#include "window/error_report.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class QtAlertBoxTest : public QObject {
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
        velmora::ui::QtAlertBox alert;
        alert.Show("System Information Is Unavailable At This Time");
        QCOMPARE(title, QString("Velmora"));
        QCOMPARE(text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(buttons, 1);
    }

    // Laid out as the box's label lays it out, the sentence's first word
    // lies right of its last, the box's name YEAR and the numbers read left
    // to right where they stand, and -32768 keeps its minus in front.
    void persianSentenceReadsRightToLeft() {
        QString persianHtml;
        Qt::LayoutDirection labelDirection = Qt::LayoutDirectionAuto;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->text().contains(QChar(0x0628))) continue;
                persianHtml = label->text();
                labelDirection = label->layoutDirection();
            }
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        const velmora::TypeMismatchError mismatch;
        velmora::ui::QtAlertBox alert;
        alert.Show(velmora::window::ErrorReportText(velmora::window::InputBoxError(mismatch, "Text1", "YEAR")));

        QTextDocument document;
        velmora::test::LayOut(document, persianHtml, labelDirection);
        const QTextBlock sentence = velmora::test::ParagraphWith(document, "YEAR");
        QVERIFY(sentence.isValid());
        QCOMPARE(sentence.textDirection(), Qt::RightToLeft);
        const QString text = sentence.text();
        const auto x = [&](const QString& part, qsizetype offset = 0) {
            return velmora::test::GlyphCentre(sentence, text.indexOf(part) + offset);
        };
        QVERIFY(x(QString::fromUtf8("در")) > x(QString::fromUtf8("بنویسید")));
        QVERIFY(x(QString::fromUtf8("خانه")) > x("YEAR"));
        QVERIFY(x("YEAR") > x(QString::fromUtf8("عددی")));
        QVERIFY(x("YEAR", 0) < x("YEAR", 3));
        QVERIFY(x("-32768", 0) < x("-32768", 1));
        QVERIFY(x("-32768", 1) < x("-32768", 5));
        QVERIFY(x("-32768") > x("32767"));  // "from" before "to", right to left
    }
};

QTEST_MAIN(QtAlertBoxTest)
#include "qt_alert_box_test.moc"
