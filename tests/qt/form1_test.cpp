// The converter window driven through its widgets: layout from the design,
// focus order, conversions, the error report and accessibility.
#include "qt/design/qt_window_builder.h"
#include "tests/qt/ui_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <set>

using velmora::test::Form1Fixture;
using velmora::test::GlyphCentre;
using velmora::test::ParagraphWith;
using velmora::ui::Control;

namespace {

// Button captions and the calendar names Label5 shows.
const QString kIslamicButton = QString::fromUtf8("Command1");
const QString kGregorianButton = QString::fromUtf8("Command2");
const QString kHebrewButton = QString::fromUtf8("Command3");
const QString kIslamicName = QString::fromUtf8("قمري");
const QString kGregorianName = QString::fromUtf8("ميلادي");
const QString kHebrewName = QString::fromUtf8("هبريو");

QString AccessibleName(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

QString AccessibleDescription(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description);
}

// The accessible child of window with the given name, as a screen reader
// finds it.
QAccessibleInterface* AccessibleChild(QWidget& window, const QString& name) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(QAccessible::Name) == name) return parent->child(i);
    return nullptr;
}

// The visual position of the first character of part in paragraph.
qreal X(const QTextBlock& paragraph, const QString& part, qsizetype offset = 0) {
    return GlyphCentre(paragraph, paragraph.text().indexOf(part) + offset);
}

void Press(QPushButton& button) {
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void controlGeometry_data();
    void controlGeometry();
    void clientArea_data();
    void clientArea();
    void fonts();
    void tabOrderFollowsDesign();
    void startsEmptyWithFocusOnYear();

    void conversion_data();
    void conversion();
    void eachConversionStartsFromTypedDate();

    void errorIsReportedAndNothingWritten_data();
    void errorIsReportedAndNothingWritten();

    void resultBoxesAreReadOnlyButCopyable();
    void accessibleNamesPresentAndDistinct();
    void label5IsReadAsItsCalendarName();

    void resultNoteBesideTheResults();
    void officialLunarNote_data();
    void officialLunarNote();
    void resultToolTipReadsTheDateInWords();
};

// Expected pixel rectangles at 96 DPI, worked out by hand from the design's
// twips (15 twips per pixel; every value is a multiple of 15). At 192 DPI
// each doubles.
void Form1Test::controlGeometry_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("at96");
    const std::pair<const char*, QRect> rects[] = {
        {"Label4", {8, 12, 73, 49}},      {"Label1", {88, 12, 65, 17}},    {"Label2", {156, 12, 61, 17}},
        {"Label3", {224, 12, 65, 17}},    {"Text1", {88, 36, 65, 25}},     {"Text2", {156, 36, 61, 25}},
        {"Text3", {224, 36, 65, 25}},     {"Command4", {8, 72, 73, 33}},   {"Command1", {88, 68, 65, 41}},
        {"Command2", {156, 68, 65, 41}},  {"Command3", {224, 68, 65, 41}}, {"Label5", {8, 112, 73, 25}},
        {"Text4", {88, 112, 61, 25}},     {"Text5", {156, 112, 61, 25}},   {"Text6", {224, 112, 65, 25}},
    };
    for (double dpi : {96.0, 192.0})
        for (const auto& [name, rect] : rects)
            QTest::addRow("%s@%g", name, dpi) << dpi << QString(name) << rect;
}

void Form1Test::controlGeometry() {
    QFETCH(double, dpi);
    QFETCH(QString, name);
    QFETCH(QRect, at96);
    Form1Fixture fixture(dpi);
    const QRect expected = velmora::test::ScaledFrom96(at96, dpi);
    QCOMPARE(Control<QWidget>(fixture.form, name.toUtf8().constData()).geometry(), expected);
}

void Form1Test::clientArea_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("size");
    QTest::newRow("96") << 96.0 << QSize(299, 147);
    QTest::newRow("192") << 192.0 << QSize(598, 294);
    QTest::newRow("120") << 120.0 << QSize(374, 184);  // 373.75 and 183.75 round up
}

void Form1Test::clientArea() {
    QFETCH(double, dpi);
    QFETCH(QSize, size);
    Form1Fixture fixture(dpi);
    // The menu bar lies above the designed client area, which keeps its size.
    QWidget& area = fixture.form.designedArea();
    fixture.form.show();
    QCOMPARE(area.size(), size);
    QCOMPARE(area.y(), fixture.form.menuBar()->geometry().bottom() + 1);
    QCOMPARE(fixture.form.windowTitle(), QString("Velmora"));
    const QList<QSize> iconSizes = fixture.form.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)));
    QVERIFY(iconSizes.contains(QSize(32, 32)));
}

void Form1Test::fonts() {
    Form1Fixture fixture;
    const QStringList families{"Tahoma", "Noto Sans Arabic UI"};
    struct Expected {
        const char* name;
        double points;
        bool italic;
    };
    for (const Expected& e : {Expected{"Label4", 8.25, false}, Expected{"Command4", 8.25, false},
                              Expected{"Command1", 8.25, true}, Expected{"Command2", 8.25, true},
                              Expected{"Command3", 8.25, true}, Expected{"Label5", 9.75, false}}) {
        const QFont font = Control<QWidget>(fixture.form, e.name).font();
        QCOMPARE(font.families(), families);
        QCOMPARE(font.pointSizeF(), e.points);
        QCOMPARE(font.italic(), e.italic);
        QCOMPARE(font.weight(), QFont::Normal);
    }
    // "Window default" controls keep the window's own font.
    for (const char* name : {"Label1", "Label2", "Label3", "Text1", "Text4", "Text6"})
        QCOMPARE(Control<QWidget>(fixture.form, name).font(), fixture.form.font());
}

void Form1Test::tabOrderFollowsDesign() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    // The Islamic button follows the year box; the chain wraps to Text1.
    const char* order[] = {"Text1", "Command1", "Text2",    "Text3",    "Text4", "Text5",
                           "Text6", "Command2", "Command3", "Command4", "Text1"};
    QCOMPARE(QApplication::focusWidget()->objectName(), QString(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(order[i]));
    }
}

void Form1Test::startsEmptyWithFocusOnYear() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    QCOMPARE(QApplication::focusWidget(), &fixture.box("Text1"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        QVERIFY(fixture.box(name).text().isEmpty());
    QVERIFY(Control<QLabel>(fixture.form, "Label5").text().isEmpty());
}

// Expected results: Gregorian ones from the day-number tables and worked out
// by hand (Persian -700/1/1 is day 1692652, Julian -78/3/25), Islamic and
// Hebrew from the calendar tables of the conversions.
void Form1Test::conversion_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<QString>("calendar");
    QTest::newRow("Gregorian 1382/3/19") << "1382" << "3" << "19" << kGregorianButton
                                          << QStringList{"2003", "6", "9"} << kGregorianName;
    QTest::newRow("Islamic 1382/3/19") << "1382" << "3" << "19" << kIslamicButton
                                        << QStringList{"1424", "4", "8"} << kIslamicName;
    QTest::newRow("Hebrew 1382/3/19") << "1382" << "3" << "19" << kHebrewButton
                                       << QStringList{"5763", "10", "9"} << kHebrewName;
    QTest::newRow("Persian digits") << QString::fromUtf8("۱۳۸۲") << QString::fromUtf8("۳")
                                    << QString::fromUtf8("۱۹") << kGregorianButton
                                    << QStringList{"2003", "6", "9"} << kGregorianName;
    QTest::newRow("last Julian day") << "961" << "7" << "22" << kGregorianButton
                                      << QStringList{"1582", "10", "4"} << kGregorianName;
    QTest::newRow("month and day 0 unchecked") << "1382" << "0" << "0" << kGregorianButton
                                                << QStringList{"2003", "2", "17"} << kGregorianName;
    QTest::newRow("negative year shows minus") << "-700" << "1" << "1" << kGregorianButton
                                                << QStringList{"-78", "3", "25"} << kGregorianName;
    QTest::newRow("before the Hebrew era") << "-5000" << "1" << "1" << kHebrewButton
                                            << QStringList{"0", "0", "0"} << kHebrewName;
}

void Form1Test::conversion() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, button);
    QFETCH(QStringList, result);
    QFETCH(QString, calendar);
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.Type(year, month, day);
    QTest::mouseClick(&fixture.button(button.toUtf8().constData()), Qt::LeftButton);

    QVERIFY(fixture.alert.shown.empty());
    QCOMPARE(fixture.box("Text4").text(), result[0]);
    QCOMPARE(fixture.box("Text5").text(), result[1]);
    QCOMPARE(fixture.box("Text6").text(), result[2]);
    QCOMPARE(Control<QLabel>(fixture.form, "Label5").text(), calendar);
    // The inputs are only read.
    QCOMPARE(fixture.box("Text1").text(), year);
    QCOMPARE(fixture.box("Text2").text(), month);
    QCOMPARE(fixture.box("Text3").text(), day);
}

void Form1Test::eachConversionStartsFromTypedDate() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.Type("1382", "3", "19");
    const auto pressAndRead = [&](const char* button) {
        fixture.button(button).setFocus();
        QTest::keyClick(&fixture.button(button), Qt::Key_Space);
        return QStringList{fixture.box("Text4").text(), fixture.box("Text5").text(), fixture.box("Text6").text(),
                           Control<QLabel>(fixture.form, "Label5").text()};
    };
    QCOMPARE(pressAndRead("Command2"), (QStringList{"2003", "6", "9", kGregorianName}));
    QCOMPARE(pressAndRead("Command1"), (QStringList{"1424", "4", "8", kIslamicName}));
    QCOMPARE(pressAndRead("Command3"), (QStringList{"5763", "10", "9", kHebrewName}));
    QCOMPARE(pressAndRead("Command2"), (QStringList{"2003", "6", "9", kGregorianName}));
}

// Each row: the inputs, the error kind the report names first, the heading of
// the box it names (empty when the conversion itself failed) and the box that
// gets the focus back. Two faulty boxes show which one was read first.
void Form1Test::errorIsReportedAndNothingWritten_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("focusBox");
    for (const QString& button : {kIslamicButton, kGregorianButton, kHebrewButton})
        QTest::addRow("empty year, %s", qPrintable(button))
            << "" << "3" << "19" << button << "Type mismatch" << "YEAR" << "Text1";
    QTest::newRow("empty year before 40000 month")
        << "" << "40000" << "19" << kGregorianButton << "Type mismatch" << "YEAR" << "Text1";
    QTest::newRow("40000 month before empty day")
        << "1382" << "40000" << "" << kGregorianButton << "Overflow" << "MONTH" << "Text2";
    QTest::newRow("typo in day") << "1382" << "3" << "1g" << kHebrewButton << "Type mismatch" << "DAY" << "Text3";
    QTest::newRow("year below 16 bits") << "-32769" << "1" << "1" << kIslamicButton << "Overflow" << "YEAR"
                                        << "Text1";
    QTest::newRow("cycle base overflows") << "-32296" << "1" << "1" << kGregorianButton << "Overflow" << ""
                                          << "Command2";
    QTest::newRow("Gregorian year 32768") << "32146" << "10" << "20" << kGregorianButton << "Overflow" << ""
                                          << "Command2";
}

void Form1Test::errorIsReportedAndNothingWritten() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, button);
    QFETCH(QString, kind);
    QFETCH(QString, heading);
    QFETCH(QString, focusBox);
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    // Results of an earlier conversion stay as they are.
    fixture.Type("1382", "3", "19");
    QTest::mouseClick(&fixture.button("Command2"), Qt::LeftButton);
    fixture.Type(year, month, day);
    QWidget& pressed = fixture.button(button.toUtf8().constData());
    pressed.setFocus();
    QTest::keyClick(&pressed, Qt::Key_Space);

    QCOMPARE(fixture.alert.shown.size(), std::size_t{1});
    const QStringList lines = QString::fromStdString(fixture.alert.shown[0]).split('\n');
    QCOMPARE(lines.size(), 2);
    const QString english = heading.isEmpty() ? kind : QString("%1 in the %2 box").arg(kind, heading);
    QCOMPARE(lines[0], english);
    QVERIFY(lines[1].contains(QChar(0x0627)));  // a Persian sentence
    if (!heading.isEmpty()) QVERIFY(lines[1].contains(heading));

    QCOMPARE(fixture.box("Text4").text(), QString("2003"));
    QCOMPARE(fixture.box("Text5").text(), QString("6"));
    QCOMPARE(fixture.box("Text6").text(), QString("9"));
    QCOMPARE(Control<QLabel>(fixture.form, "Label5").text(), kGregorianName);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusBox);
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        QCOMPARE(box->selectedText(), box->text());
    QVERIFY(fixture.form.isVisible());
    QCOMPARE(fixture.programEnds, 0);
}

void Form1Test::resultBoxesAreReadOnlyButCopyable() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.Type("1382", "3", "19");
    QTest::mouseClick(&fixture.button("Command2"), Qt::LeftButton);
    QLineEdit& year = fixture.box("Text4");
    QVERIFY(year.isReadOnly());
    QVERIFY(year.focusPolicy() & Qt::TabFocus);
    year.setFocus();
    QTest::keyClicks(&year, "7");
    QCOMPARE(year.text(), QString("2003"));
    QTest::keyClick(&year, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&year, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("2003"));
}

void Form1Test::accessibleNamesPresentAndDistinct() {
    Form1Fixture fixture;
    std::set<QString> names;
    int focusable = 0;
    for (QWidget* widget : fixture.form.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        ++focusable;
        const QString name = AccessibleName(*widget);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(names.insert(name).second, qPrintable(name));
        if (qobject_cast<QLineEdit*>(widget) != nullptr)
            QVERIFY2(!AccessibleDescription(*widget).isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(focusable, 10);
    // The headings are their boxes' labels.
    QCOMPARE(Control<QLabel>(fixture.form, "Label1").buddy(), &fixture.box("Text1"));
    QCOMPARE(AccessibleName(Control<QLabel>(fixture.form, "Label4")),
             QString::fromUtf8("تاريخ هجري شمسي را وارد کنيد"));
}

void Form1Test::label5IsReadAsItsCalendarName() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.Type("1382", "3", "19");
    QTest::mouseClick(&fixture.button("Command2"), Qt::LeftButton);
    QCOMPARE(AccessibleName(Control<QLabel>(fixture.form, "Label5")), kGregorianName);
    QVERIFY(AccessibleDescription(fixture.box("Text4")).contains("Gregorian"));
}

// 1404/5/10 is officially a day later (2025/8/1) than the arithmetic
// calendar has it; 1405/9/17 needs no note.
void Form1Test::resultNoteBesideTheResults() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    const QSize designed = fixture.form.size();
    QAccessibleInterface* note = AccessibleChild(fixture.form, "Result note");
    QVERIFY(note != nullptr);
    QCOMPARE(note->role(), QAccessible::Notification);
    QVERIFY(note->text(QAccessible::Description).isEmpty());

    QPushButton& gregorian = fixture.button("Command2");
    fixture.Type("1404", "5", "10");
    Press(gregorian);
    QVERIFY(note->text(QAccessible::Description).contains("1404/5/10 is another day: 2025/8/1 Gregorian"));
    velmora::ui::ResultNotePopup& popup = fixture.form.resultNote().popup();
    QVERIFY(popup.isVisible());
    QCOMPARE(QApplication::focusWidget(), &gregorian);
    QCOMPARE(QApplication::activeWindow(), &fixture.form);
    QCOMPARE(fixture.form.size(), designed);
    const QRect text4 = QRect(fixture.box("Text4").mapToGlobal(QPoint(0, 0)), fixture.box("Text4").size());
    QCOMPARE(popup.x(), text4.left());
    QVERIFY(popup.y() > text4.bottom());

    // The note's Persian line reads right to left, its dates left to right.
    const QTextBlock persian = ParagraphWith(popup.document(), QString::fromUtf8("۲۰۲۵/۸/۱"));
    QCOMPARE(persian.textDirection(), Qt::RightToLeft);
    QVERIFY(X(persian, QString::fromUtf8("در تقویم")) > X(persian, QString::fromUtf8("حسابی")));
    QVERIFY(X(persian, QString::fromUtf8("۲۰۲۵/۸/۱")) < X(persian, QString::fromUtf8("۲۰۲۵/۸/۱"), 7));
    QVERIFY(X(persian, QString::fromUtf8("۱۴۰۴/۵/۱۰")) > X(persian, QString::fromUtf8("۲۰۲۵/۸/۱")));
    QCOMPARE(ParagraphWith(popup.document(), "2025/8/1").textDirection(), Qt::LeftToRight);

    // Esc and a click dismiss the popup; screen readers keep the text.
    QTest::keyClick(&gregorian, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
    QVERIFY(!note->text(QAccessible::Description).isEmpty());
    Press(gregorian);
    QVERIFY(popup.isVisible());
    QTest::mouseClick(&popup, Qt::LeftButton);
    QVERIFY(!popup.isVisible());
    QCOMPARE(QApplication::focusWidget(), &gregorian);

    fixture.Type("1405", "9", "17");
    Press(gregorian);
    QVERIFY(!popup.isVisible());
    QVERIFY(note->text(QAccessible::Description).isEmpty());
}

// Islamic results against Iran's official lunar calendar, from its table:
// 1446/9 began on 2 March 2025 (1403/12/12), 1443/10 on 3 May 2022
// (1401/2/13), 1447/10 on 21 March 2026 as published (1405/1/1); 1405/9/18
// is 1448/6/29 in both; the table ends on 9 March 2027. The close call of
// 1218/9/17 (a new moon at 03:00:55 UT) lies before the table.
void Form1Test::officialLunarNote_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("said");  // "" : no note
    QTest::newRow("Ramadan 1446") << QStringList{"1403", "12", "12"} << QStringList{"1446", "9", "2"}
                                  << QStringList{"this day is 1446/9/1 (Sunday 1 Ramadan 1446)", "۱۴۴۶/۹/۱"};
    QTest::newRow("Eid 1443") << QStringList{"1401", "2", "13"} << QStringList{"1443", "10", "2"}
                              << QStringList{"this day is 1443/10/1", "۱۴۴۳/۱۰/۱"};
    QTest::newRow("published") << QStringList{"1405", "1", "1"} << QStringList{"1447", "10", "2"}
                               << QStringList{"this day is 1447/10/1",
                                              "as published in advance by the Center for Calendar",
                                              "از پیش منتشر"};
    QTest::newRow("same day") << QStringList{"1405", "9", "18"} << QStringList{"1448", "6", "29"} << QStringList{""};
    QTest::newRow("after the table") << QStringList{"1406", "6", "1"} << QStringList{"1449", "3", "20"}
                                     << QStringList{"for this month is not yet published", "80 of 288 months",
                                                    "هنوز منتشر نشده"};
    QTest::newRow("close call") << QStringList{"1218", "9", "17"} << QStringList{"1255", "10", "1"}
                                << QStringList{"the new moon falls near 03:00 UT"};
}

void Form1Test::officialLunarNote() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, said);
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    QAccessibleInterface* note = AccessibleChild(fixture.form, "Result note");
    QVERIFY(note != nullptr);
    fixture.Type(typed[0], typed[1], typed[2]);
    Press(fixture.button("Command1"));
    // The result stays as computed; only the note speaks of the official date.
    QCOMPARE((QStringList{fixture.box("Text4").text(), fixture.box("Text5").text(), fixture.box("Text6").text()}),
             shown);
    const QString text = note->text(QAccessible::Description);
    for (const QString& words : said) {
        if (words.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(text.contains(words), qPrintable(text));
    }
}

void Form1Test::resultToolTipReadsTheDateInWords() {
    Form1Fixture fixture;
    fixture.Type("1382", "3", "19");
    QTest::mouseClick(&fixture.button("Command2"), Qt::LeftButton);
    QLineEdit& year = fixture.box("Text4");
    QTextDocument tip;
    velmora::test::LayOut(tip, year.toolTip(), year.layoutDirection());
    const QTextBlock persian = ParagraphWith(tip, QString::fromUtf8("۲۰۰۳"));
    QCOMPARE(persian.textDirection(), Qt::RightToLeft);
    QVERIFY(X(persian, QString::fromUtf8("دوشنبه")) > X(persian, QString::fromUtf8("ژوئن")));
    QVERIFY(X(persian, QString::fromUtf8("ژوئن")) > X(persian, QString::fromUtf8("۲۰۰۳")));
    QCOMPARE(ParagraphWith(tip, "Monday").textDirection(), Qt::LeftToRight);
    QVERIFY(AccessibleDescription(year).contains("Monday 9 June 2003"));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
