// Iran's public holidays in the Qt windows: the holiday note beside a
// result in both converter windows, and the window «تعطیلات رسمی سال»
// opened with Ctrl+H, driven by the keyboard, copied and saved as an
// iCalendar file that libical reads back. Days by hand from the official
// tables: 1405/4/3 is 24 June 2026, Tasua 1448 as published; the
// arithmetic 1404/4/15 is 5 July 2025, Tasua 1447, and 1404/4/14 the day
// before, officially 1404/4/13.
#include "qt/design/qt_window_builder.h"
#include "tests/qt/ui_test_support.h"

#include <libical/ical.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using velmora::test::Form1Fixture;
using velmora::ui::Control;
using velmora::ui::HolidayWindow;

namespace {

QString NoteOf(QWidget& window) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(QAccessible::Name) == "Result note")
            return parent->child(i)->text(QAccessible::Description);
    return {};
}

void Press(QPushButton& button) {
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
}

struct Fixture : Form1Fixture {
    HolidayWindow& OpenList() {
        if (!ShowAndActivate()) throw std::logic_error("Form1 did not become active");
        QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
        HolidayWindow* window = form.holidayWindow();
        if (window == nullptr || !QTest::qWaitForWindowActive(window)) throw std::logic_error("no list opened");
        return *window;
    }
    QTreeWidget& List(HolidayWindow& window) { return window.list(); }
    // The English words of a column, row by row.
    QStringList Column(HolidayWindow& window, int column) {
        QStringList words;
        for (int i = 0; i < List(window).topLevelItemCount(); ++i)
            words << List(window).topLevelItem(i)->data(column, Qt::AccessibleDescriptionRole).toString();
        return words;
    }
};

}  // namespace

class HolidayTest : public QObject {
    Q_OBJECT

private slots:
    void form1Note_data();
    void form1Note();
    void toPersianGivesBothNotes();
    void ctrlHListsTheTypedYear();
    void keyboardAndScreenReaders();
    void yearOutsideTheListGetsAMessage();
    void copyAndSave();
};

void HolidayTest::form1Note_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("said");  // "": no holiday note
    QTest::newRow("Tasua 1448") << "1405" << "4" << "3" << "Public holiday in Iran: Tasua (its day as Iran's official "
                                                             "lunar calendar was published in advance, not yet confirmed)";
    QTest::newRow("Tasua 1447") << "1404" << "4" << "15" << "Public holiday in Iran: Tasua";
    QTest::newRow("the day before") << "1404" << "4" << "14" << "";
}

// Whatever button converts the typed date, the note speaks of its day.
void HolidayTest::form1Note() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, said);
    Fixture f;
    QVERIFY(f.ShowAndActivate());
    f.Type(year, month, day);
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        Press(f.button(button));
        const QString note = NoteOf(f.form);
        if (said.isEmpty()) QVERIFY2(!note.contains("Public holiday"), qPrintable(note));
        else QVERIFY2(note.contains(said) && note.contains(QString::fromUtf8("تعطیل رسمی ایران: تاسوعای حسینی")),
                      qPrintable(note));
    }
}

// 20 March 2025 is the arithmetic 1404/1/1, officially 1403/12/30, the
// year-end holiday of a leap year.
void HolidayTest::toPersianGivesBothNotes() {
    Fixture f;
    QVERIFY(f.ShowAndActivate());
    QTest::keyClick(&f.form, Qt::Key_R, Qt::ControlModifier);
    QWidget& window = *f.form.toPersianWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const auto& [box, text] : {std::pair{"txtYear", "2025"}, {"txtMonth", "3"}, {"txtDay", "20"}}) {
        Control<QLineEdit>(window, box).clear();
        QTest::keyClicks(&Control<QLineEdit>(window, box), text);
    }
    Press(Control<QPushButton>(window, "cmdFromGregorian"));
    const QString note = NoteOf(window);
    QVERIFY2(note.contains("In the official Iranian calendar this day is 1403/12/30."), qPrintable(note));
    QVERIFY2(note.contains("Public holiday in Iran: Year-end holiday"), qPrintable(note));
}

// 1405: 30 holidays on 26 days. Eid al-Fitr 1447 falls with Nowruz on
// 21 March 2026 and Eid al-Fitr 1448 on 10 March 2027.
void HolidayTest::ctrlHListsTheTypedYear() {
    Fixture f;
    f.Type("1405", "", "");
    HolidayWindow& window = f.OpenList();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("تعطیلات رسمی سال"));
    QCOMPARE(Control<QLineEdit>(window, "txtYear").text(), QString("1405"));
    QCOMPARE(f.List(window).topLevelItemCount(), 30);
    const QStringList gregorian = f.Column(window, 1);
    QCOMPARE(QSet<QString>(gregorian.begin(), gregorian.end()).size(), 26);
    const QStringList names = f.Column(window, 3);
    QStringList eidDays;
    for (int i = 0; i < names.size(); ++i)
        if (names[i] == "Eid al-Fitr") eidDays << gregorian[i];
    QCOMPARE(eidDays, (QStringList{"21 March 2026", "10 March 2027"}));
    QCOMPARE(names.count("Nowruz"), 1);
    QCOMPARE(gregorian[names.indexOf("Nowruz")], QString("21 March 2026"));
    QCOMPARE(f.List(window).topLevelItem(0)->text(3), QString::fromUtf8("آغاز نوروز"));
    QVERIFY(f.alert.shown.empty());
}

// The year box takes the focus; Tab leads to its button and the list,
// where the arrow keys move from row to row. The list reads right to left
// and has a name for screen readers; Esc closes the window.
void HolidayTest::keyboardAndScreenReaders() {
    Fixture f;
    f.Type("1405", "", "");
    HolidayWindow& window = f.OpenList();
    QTreeWidget& list = f.List(window);
    QCOMPARE(QApplication::focusWidget(), &Control<QLineEdit>(window, "txtYear"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &Control<QPushButton>(window, "cmdShow"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &list);
    QCOMPARE(list.currentItem(), list.topLevelItem(0));
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentItem(), list.topLevelItem(1));
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.currentItem(), list.topLevelItem(29));
    QCOMPARE(list.layoutDirection(), Qt::RightToLeft);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
    QCOMPARE(table->text(QAccessible::Name), QString::fromUtf8("تعطیلات رسمی سال"));
    QVERIFY(table->tableInterface() != nullptr);
    QCOMPARE(table->tableInterface()->rowCount(), 30);
    QCOMPARE(table->tableInterface()->columnCount(), 5);
    QTest::keyClick(&list, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void HolidayTest::yearOutsideTheListGetsAMessage() {
    Fixture f;
    f.Type("1405", "", "");
    HolidayWindow& window = f.OpenList();
    QLineEdit& year = Control<QLineEdit>(window, "txtYear");
    year.selectAll();
    QTest::keyClicks(&year, "1368");
    QTest::keyClick(&year, Qt::Key_Return);
    QCOMPARE(f.List(window).topLevelItemCount(), 0);
    QVERIFY(!f.List(window).isEnabled());
    const QString message = Control<QLabel>(window, "lblMessage").accessibleName();
    QVERIFY2(message.contains("Public holidays are listed for the years 1369 to 1498 only"), qPrintable(message));
    QVERIFY(!window.menus().Item(velmora::window::MenuCommand::SaveCalendarFile).isEnabled());
    year.selectAll();
    QTest::keyClicks(&year, "1369");
    Press(Control<QPushButton>(window, "cmdShow"));
    QVERIFY(f.List(window).topLevelItemCount() > 0);
    QVERIFY(Control<QLabel>(window, "lblMessage").accessibleName().isEmpty());
}

// Ctrl+Shift+C puts the list on the clipboard, a heading line and a line a
// row; Ctrl+S saves it through the save dialog, one event a row.
void HolidayTest::copyAndSave() {
    Fixture f;
    f.Type("1405", "", "");
    HolidayWindow& window = f.OpenList();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines[1].count('\t'), 4);

    QTemporaryDir folder;
    const QString path = folder.filePath("holidays 1405");  // the dialog adds .ics
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(f.alert.shown.empty());
    QFile file(path + ".ics");
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    icalcomponent* calendar = icalparser_parse_string(bytes.constData());
    QVERIFY(calendar != nullptr);
    QCOMPARE(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    QCOMPARE(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), f.List(window).topLevelItemCount());
    icalcomponent_free(calendar);
}

QTEST_MAIN(HolidayTest)
#include "holiday_test.moc"
