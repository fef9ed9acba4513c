// The converter window under hostile input: very long texts, control
// characters, mixed scripts and broken encodings pasted into the input
// boxes, then every conversion button pressed. The program must stay alive,
// report each error in its message box and leave the result boxes as the
// last good conversion left them.
#include "tests/qt/ui_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using velmora::test::Form1Fixture;

namespace {

const char* const kInputs[] = {"Text1", "Text2", "Text3"};
const char* const kConversionButtons[] = {"Command1", "Command2", "Command3"};
const char* const kResults[] = {"Text4", "Text5", "Text6"};

// Pastes text through the clipboard, as a user would, replacing what the box holds.
void Paste(QLineEdit& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box.selectAll();
    box.paste();
}

QStringList ResultTexts(Form1Fixture& fixture) {
    QStringList texts;
    for (const char* name : kResults) texts << fixture.box(name).text();
    return texts;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonSurvives_data();
    void everyButtonSurvives();
};

void HostileInputTest::everyButtonSurvives_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("converts");

    const QString persian1382 = QString::fromUtf8("۱۳۸۲");
    QTest::newRow("longest box of digits") << QString(40000, '9') << "3" << "19" << false;
    QTest::newRow("longest box of letters") << QString(40000, 'x') << "3" << "19" << false;
    QTest::newRow("leading zeros fill the box")
        << QString(32000, '0') + "1382" << "3" << "19" << true;
    QTest::newRow("control characters") << QString::fromUtf8("13\x01" "82") << "3" << "19" << false;
    QTest::newRow("escape and bell") << QString::fromUtf8("\x1b[2J\x07") << "3" << "19" << false;
    QTest::newRow("tab and newline around") << QString::fromUtf8("\t1382\n") << "3" << "19" << true;
    QTest::newRow("NUL inside") << QString("13") + QChar(0) + "82" << "3" << "19" << false;
    QTest::newRow("mixed digit sets") << persian1382 << QString::fromUtf8("٣") << "19" << true;
    QTest::newRow("digits and Latin letters") << persian1382 + "abc" << "3" << "19" << false;
    QTest::newRow("Hebrew letters") << QString::fromUtf8("תשס״ג") << "3" << "19" << false;
    QTest::newRow("direction overrides") << QString::fromUtf8("\u202E1382\u202C") << "3" << "19" << false;
    QTest::newRow("direction marks") << QString::fromUtf8("\u200F1382\u200E") << "3" << "19" << true;
    QTest::newRow("invalid UTF-8 decoded")
        << QString::fromUtf8("13\xC0\xAF" "82") << "3" << "19" << false;
    QTest::newRow("lone surrogate") << QString("13") + QChar(0xD800) + "82" << "3" << "19" << false;
    QTest::newRow("emoji") << QString::fromUtf8("1382\U0001F600") << "3" << "19" << false;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１３８２") << "3" << "19" << false;
    QTest::newRow("number far out of range") << "1" + QString(500, '0') << "3" << "19" << false;
    QTest::newRow("month at the border") << "1382" << "-32768" << "32767" << true;
    QTest::newRow("day out of range") << "1382" << "3" << "32768" << false;
    QTest::newRow("every box hostile")
        << QString(300, QChar(0x0627)) << QString::fromUtf8("\xFF\xFE") << QString(1000, ' ')
        << false;
}

void HostileInputTest::everyButtonSurvives() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(bool, converts);

    for (const char* buttonName : kConversionButtons) {
        Form1Fixture fixture;
        QVERIFY(fixture.ShowAndActivate());
        // A good conversion first, whose results an error must leave alone.
        fixture.Type("1382", "3", "19");
        QTest::mouseClick(&fixture.button(buttonName), Qt::LeftButton);
        const QStringList before = ResultTexts(fixture);
        QVERIFY(fixture.alert.shown.empty());

        const QString* texts[] = {&year, &month, &day};
        for (int i = 0; i < 3; ++i) Paste(fixture.box(kInputs[i]), *texts[i]);
        QTest::mouseClick(&fixture.button(buttonName), Qt::LeftButton);

        QCOMPARE(fixture.programEnds, 0);
        if (converts) {
            QVERIFY2(fixture.alert.shown.empty(), buttonName);
            for (const QString& result : ResultTexts(fixture)) QVERIFY(!result.isEmpty());
        } else {
            QCOMPARE(fixture.alert.shown.size(), std::size_t{1});
            QCOMPARE(ResultTexts(fixture), before);
        }
        // The window still converts afterwards.
        fixture.Type("1382", "3", "19");
        QTest::mouseClick(&fixture.button(buttonName), Qt::LeftButton);
        QCOMPARE(ResultTexts(fixture), before);
    }
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
