// The menu bar of Form1 and the window "به هجری شمسی" driven through their
// widgets: Ctrl+R, the copy item, the menus from the keyboard, and the new
// window's conversions, error report, note and keys.
#include "qt/design/qt_window_builder.h"
#include "tests/qt/ui_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using velmora::test::Form1Fixture;
using velmora::ui::Control;
using velmora::ui::frmToPersian;
using velmora::window::MenuCommand;

namespace {

const QString kTitle = QString::fromUtf8("به هجری شمسی");

int ToPersianWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<frmToPersian*>(widget) != nullptr && widget->isVisible();
    return count;
}

// Form1 shown and the window opened from it with Ctrl+R.
struct Fixture : Form1Fixture {
    frmToPersian& Open() {
        if (!ShowAndActivate()) throw std::logic_error("Form1 did not become active");
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        frmToPersian* window = form.toPersianWindow();
        if (window == nullptr || !QTest::qWaitForWindowActive(window)) throw std::logic_error("no window opened");
        return *window;
    }
    QLineEdit& Box(frmToPersian& window, const char* name) { return Control<QLineEdit>(window, name); }
    void TypeDate(frmToPersian& window, const QString& year, const QString& month, const QString& day) {
        for (const auto& [name, text] : {std::pair{"txtYear", &year}, {"txtMonth", &month}, {"txtDay", &day}}) {
            Box(window, name).clear();
            QTest::keyClicks(&Box(window, name), *text);
        }
    }
    void Press(frmToPersian& window, const char* button) {
        auto& b = Control<QPushButton>(window, button);
        b.setFocus();
        QTest::keyClick(&b, Qt::Key_Space);
    }
    QStringList Results(frmToPersian& window) {
        return {Box(window, "txtPersianYear").text(), Box(window, "txtPersianMonth").text(),
                Box(window, "txtPersianDay").text(), Control<QLabel>(window, "lblCalendar").text()};
    }
};

QAccessibleInterface* AccessibleChild(QWidget& window, const QString& name) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(QAccessible::Name) == name) return parent->child(i);
    return nullptr;
}

}  // namespace

class ToPersianTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlROpensOneWindow();
    void designedAreaBelowItsMenuBar();
    void tabOrder();
    void conversion_data();
    void conversion();
    void invalidDateIsReportedAndNothingWritten();
    void noteThenEscDismissesThenCloses();
    void noteShowsOnlyWhileItsWindowIsActive();
    void copyItemPutsForm1ResultOnTheClipboard();
    void menusReadRightToLeftAndOpenFromTheKeyboard();
};

void ToPersianTest::ctrlROpensOneWindow() {
    Fixture f;
    frmToPersian& window = f.Open();
    QCOMPARE(window.windowTitle(), kTitle);
    QCOMPARE(QApplication::focusWidget(), &f.Box(window, "txtYear"));
    f.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    QTest::keyClick(&f.form, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(ToPersianWindowCount(), 1);
    QCOMPARE(f.form.toPersianWindow(), &window);
}

// Rectangles at 96 DPI from the design's twips (15 twips a pixel).
void ToPersianTest::designedAreaBelowItsMenuBar() {
    Fixture f;
    frmToPersian& window = f.Open();
    QCOMPARE(window.designedArea().size(), QSize(299, 147));
    QCOMPARE(window.designedArea().y(), window.menuBar()->geometry().bottom() + 1);
    QCOMPARE(f.Box(window, "txtYear").geometry(), QRect(88, 36, 65, 25));
    QCOMPARE(Control<QWidget>(window, "cmdFromHebrew").geometry(), QRect(224, 68, 65, 41));
    QCOMPARE(f.Box(window, "txtPersianDay").geometry(), QRect(224, 112, 65, 25));
}

void ToPersianTest::tabOrder() {
    Fixture f;
    f.Open();
    const char* order[] = {"txtYear",          "txtMonth",      "txtDay",         "cmdFromIslamic",
                           "cmdFromGregorian", "cmdFromHebrew", "txtPersianYear", "txtPersianMonth",
                           "txtPersianDay",    "txtYear"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(order[i]));
    }
}

// The same day, Persian 1382/3/19, typed in each calendar.
void ToPersianTest::conversion_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("button");
    QTest::newRow("Gregorian") << QStringList{"2003", "6", "9"} << "cmdFromGregorian";
    QTest::newRow("Islamic") << QStringList{"1424", "4", "8"} << "cmdFromIslamic";
    QTest::newRow("Hebrew") << QStringList{"5763", "10", "9"} << "cmdFromHebrew";
}

void ToPersianTest::conversion() {
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    Fixture f;
    frmToPersian& window = f.Open();
    f.TypeDate(window, typed[0], typed[1], typed[2]);
    f.Press(window, button.toUtf8().constData());
    QVERIFY(f.alert.shown.empty());
    QCOMPARE(f.Results(window), (QStringList{"1382", "3", "19", QString::fromUtf8("هجری شمسی")}));
    QVERIFY(f.Box(window, "txtPersianYear").accessibleDescription().contains("Monday 19 Khordad 1382"));
    QVERIFY(f.Box(window, "txtPersianYear").toolTip().contains(QString::fromUtf8("خرداد")));
}

void ToPersianTest::invalidDateIsReportedAndNothingWritten() {
    Fixture f;
    frmToPersian& window = f.Open();
    f.TypeDate(window, "2003", "6", "9");
    f.Press(window, "cmdFromGregorian");
    f.TypeDate(window, "2023", "2", "29");
    f.Press(window, "cmdFromGregorian");
    QCOMPARE(f.alert.shown.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(f.alert.shown[0]).startsWith("Not a date of the Gregorian calendar"));
    QCOMPARE(f.Results(window).mid(0, 3), (QStringList{"1382", "3", "19"}));
    QCOMPARE(QApplication::focusWidget(), &f.Box(window, "txtDay"));
    QCOMPARE(f.Box(window, "txtDay").selectedText(), QString("29"));
    QVERIFY(window.isVisible());
    QCOMPARE(f.programEnds, 0);
}

// 2025/3/20 is the arithmetic calendar's 1404/1/1, officially 1403/12/30.
void ToPersianTest::noteThenEscDismissesThenCloses() {
    Fixture f;
    frmToPersian& window = f.Open();
    QAccessibleInterface* note = AccessibleChild(window, "Result note");
    QVERIFY(note != nullptr);
    f.TypeDate(window, "2025", "3", "20");
    f.Press(window, "cmdFromGregorian");
    QCOMPARE(f.Results(window).mid(0, 3), (QStringList{"1404", "1", "1"}));
    QVERIFY(note->text(QAccessible::Description).contains("this day is 1403/12/30"));
    QVERIFY(window.resultNote().popup().isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.resultNote().popup().isVisible());
    QVERIFY(window.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(f.programEnds, 0);  // Form1 is still open
}

// A note stays above every window, so it must hide while another window of
// the program is active (it would cover Form1's prompt) and come back with
// its own window, without taking the focus; Form1's note likewise.
void ToPersianTest::noteShowsOnlyWhileItsWindowIsActive() {
    Fixture f;
    f.Type("1404", "5", "10");
    QVERIFY(f.ShowAndActivate());
    f.button("Command2").click();
    const QWidget& form1Note = f.form.resultNote().popup();
    QVERIFY(form1Note.isVisible());
    frmToPersian& window = f.Open();
    QVERIFY(!form1Note.isVisible());
    f.TypeDate(window, "2025", "3", "20");
    f.Press(window, "cmdFromGregorian");
    const QWidget& note = window.resultNote().popup();
    QVERIFY(note.isVisible());
    for (int round = 0; round < 2; ++round) {
        QVERIFY(f.ShowAndActivate());
        QVERIFY(!note.isVisible());
        QVERIFY(form1Note.isVisible());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(note.isVisible());
        QVERIFY(!form1Note.isVisible());
        QCOMPARE(QApplication::focusWidget(), &Control<QPushButton>(window, "cmdFromGregorian"));
    }
}

void ToPersianTest::copyItemPutsForm1ResultOnTheClipboard() {
    Fixture f;
    QVERIFY(f.ShowAndActivate());
    QAction& copy = f.form.menus().Item(MenuCommand::CopyResult);
    QVERIFY(!copy.isEnabled());
    QCOMPARE(copy.shortcut(), QKeySequence("Ctrl+Shift+C"));
    f.Type("1382", "3", "19");
    QTest::mouseClick(&f.button("Command2"), Qt::LeftButton);
    QVERIFY(copy.isEnabled());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("2003/6/9 Monday 9 June 2003"));
}

void ToPersianTest::menusReadRightToLeftAndOpenFromTheKeyboard() {
    Fixture f;
    QVERIFY(f.ShowAndActivate());
    QMenuBar& bar = *f.form.menuBar();
    QCOMPARE(bar.layoutDirection(), Qt::RightToLeft);
    const QList<QAction*> menus = bar.actions();
    QCOMPARE(menus.size(), 3);
    // The first menu stands rightmost.
    QVERIFY(bar.actionGeometry(menus[0]).x() > bar.actionGeometry(menus[1]).x());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QCOMPARE(QApplication::activePopupWidget(), menus[0]->menu());
    QCOMPARE(menus[0]->menu()->layoutDirection(), Qt::RightToLeft);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(&bar, Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    // Alt alone selects the menu bar.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt);
    QTRY_VERIFY(bar.activeAction() != nullptr);
}

QTEST_MAIN(ToPersianTest)
#include "to_persian_test.moc"
