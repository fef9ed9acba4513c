// The About box: layout from the design, its single instance, the keys that
// close it and the rule that the program ends only when both windows are gone.
#include "qt/design/design_line.h"
#include "qt/design/qt_window_builder.h"
#include "tests/qt/ui_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <set>

using velmora::test::Form1Fixture;
using velmora::ui::Control;
using velmora::ui::DesignLine;
using velmora::ui::frmAbout;

namespace {

const char* const kUnavailable = "System Information Is Unavailable At This Time";

// Presses Command4 with the keyboard and returns the About box, shown.
frmAbout& OpenAbout(Form1Fixture& fixture) {
    QPushButton& about = fixture.button("Command4");
    about.setFocus();
    QTest::keyClick(&about, Qt::Key_Space);
    frmAbout* box = fixture.form.aboutBox();
    if (box == nullptr) throw std::logic_error("Command4 made no About box");
    return *box;
}

int AboutWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) count += qobject_cast<frmAbout*>(widget) != nullptr;
    return count;
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void controlGeometry_data();
    void controlGeometry();
    void etchedSeparator_data();
    void etchedSeparator();
    void windowDesign();
    void captionsAndIcon();
    void firstShowAtDesignPosition();

    void twoPressesGiveOneInstance();
    void shownAgainAfterOk();
    void closingKeys_data();
    void closingKeys();
    void enterOnSysInfoRunsIt();
    void sysInfoReportsUnavailableAndStaysOpen();

    void programEndsWhenBothWindowsAreClosed_data();
    void programEndsWhenBothWindowsAreClosed();
    void accessibleNamesPresentAndDistinct();
};

// At 96 DPI, by hand from the twips (15 twips per pixel); doubled at 192.
void AboutTest::controlGeometry_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("at96");
    const std::pair<const char*, QRect> rects[] = {
        {"picIcon", {16, 16, 36, 36}},        {"lblTitle", {70, 16, 259, 32}},
        {"lblVersion", {70, 52, 259, 15}},    {"lblDescription", {70, 75, 259, 62}},
        {"lblDisclaimer", {17, 175, 258, 39}}, {"cmdOK", {283, 175, 84, 23}},
        {"cmdSysInfo", {284, 205, 83, 23}},   {"Label1", {20, 216, 233, 13}},
    };
    for (double dpi : {96.0, 192.0})
        for (const auto& [name, rect] : rects) QTest::addRow("%s@%g", name, dpi) << dpi << QString(name) << rect;
}

void AboutTest::controlGeometry() {
    QFETCH(double, dpi);
    QFETCH(QString, name);
    QFETCH(QRect, at96);
    velmora::test::FakeServices fakes;
    frmAbout about(fakes.services, dpi);
    const QRect expected = velmora::test::ScaledFrom96(at96, dpi);
    QCOMPARE(Control<QWidget>(about, name.toUtf8().constData()).geometry(), expected);
    QCOMPARE(about.size(), velmora::test::ScaledFrom96(QRect(0, 0, 382, 237), dpi).size());
}

// Grey (90, 2445)-(5654, 2445), white (105, 2460)-(5654, 2460) of width 2:
// 5654 twips is 376.93 px at 96 DPI and 753.87 at 192.
void AboutTest::etchedSeparator_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QLine>("grey");
    QTest::addColumn<int>("greyWidth");
    QTest::addColumn<QLine>("white");
    QTest::addColumn<int>("whiteWidth");
    QTest::newRow("96") << 96.0 << QLine(6, 163, 377, 163) << 1 << QLine(7, 164, 377, 164) << 2;
    QTest::newRow("192") << 192.0 << QLine(12, 326, 754, 326) << 2 << QLine(14, 328, 754, 328) << 4;
}

void AboutTest::etchedSeparator() {
    QFETCH(double, dpi);
    QFETCH(QLine, grey);
    QFETCH(int, greyWidth);
    QFETCH(QLine, white);
    QFETCH(int, whiteWidth);
    velmora::test::FakeServices fakes;
    frmAbout about(fakes.services, dpi);
    const auto& line1 = Control<DesignLine>(about, "Line1(1)");
    const auto& line0 = Control<DesignLine>(about, "Line1(0)");
    QCOMPARE(QLine(line1.from(), line1.to()), grey);
    QCOMPARE(line1.penWidth(), greyWidth);
    QCOMPARE(line1.colour(), QColor(128, 128, 128));
    QCOMPARE(line1.geometry(), QRect(grey.x1(), grey.y1(), grey.dx(), greyWidth));
    QCOMPARE(QLine(line0.from(), line0.to()), white);
    QCOMPARE(line0.penWidth(), whiteWidth);
    QCOMPARE(line0.colour(), QColor(255, 255, 255));
}

void AboutTest::windowDesign() {
    velmora::test::FakeServices fakes;
    frmAbout about(fakes.services, 96.0);
    QCOMPARE(about.windowTitle(), QString("About MyApp"));
    const Qt::WindowFlags flags = about.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);  // kept out of the task bar
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.minimumSize(), about.maximumSize());  // fixed border
    QVERIFY(about.windowIcon().isNull());
    QVERIFY(about.parentWidget() == nullptr);  // no owner window
    QVERIFY(!about.isModal());
    QCOMPARE(Control<QPushButton>(about, "cmdOK").isDefault(), true);
}

void AboutTest::captionsAndIcon() {
    velmora::test::FakeServices fakes;
    frmAbout about(fakes.services, 96.0);
    // What a reader sees and hears, whether the label holds it as plain or rich text.
    const auto caption = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(&Control<QLabel>(about, name))->text(QAccessible::Name);
    };
    QCOMPARE(caption("Label1"), QString("https://velmora.example"));
    QCOMPARE(caption("lblDisclaimer"),
             QString::fromUtf8("برای علاقه‌مندان به برنامه‌نویسی: کد منبع این برنامه از نشانی اینترنتی زیر در دسترس است."));
    QCOMPARE(caption("lblTitle"), QString::fromUtf8("برنامه Velmora"));
    QCOMPARE(Control<QPushButton>(about, "cmdSysInfo").text(), QString("&System Info..."));
    QCOMPARE(Control<QLabel>(about, "picIcon").pixmap().size(), QSize(32, 32));
    const QFont title = Control<QLabel>(about, "lblTitle").font();
    QCOMPARE(title.pointSizeF(), 9.0);
    QVERIFY(!title.italic());
    QCOMPARE(Control<QLabel>(about, "lblTitle").palette().color(QPalette::WindowText), QColor(Qt::black));
}

void AboutTest::firstShowAtDesignPosition() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    // 2340 and 1935 twips from the screen's corner.
    QCOMPARE(about.geometry().topLeft(), QPoint(156, 129));
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), &Control<QPushButton>(about, "cmdOK"));
}

void AboutTest::twoPressesGiveOneInstance() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& first = OpenAbout(fixture);
    fixture.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
    frmAbout& second = OpenAbout(fixture);
    QCOMPARE(&first, &second);
    QCOMPARE(AboutWindowCount(), 1);
    QVERIFY(second.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&second));  // brought forward
    QVERIFY(fixture.form.isVisible());  // modeless: Form1 stays open and usable
}

void AboutTest::shownAgainAfterOk() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    QTest::mouseClick(&Control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(&OpenAbout(fixture), &about);
    QVERIFY(about.isVisible());
    QCOMPARE(AboutWindowCount(), 1);
}

// Esc anywhere, and Enter while the focus is not on cmdSysInfo, press cmdOK.
void AboutTest::closingKeys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Esc on cmdOK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Esc on cmdSysInfo") << "cmdSysInfo" << int(Qt::Key_Escape);
    QTest::newRow("Enter on cmdOK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Enter on picIcon") << "picIcon" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on picIcon") << "picIcon" << int(Qt::Key_Enter);
    QTest::newRow("Space on cmdOK") << "cmdOK" << int(Qt::Key_Space);
}

void AboutTest::closingKeys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QWidget& target = Control<QWidget>(about, focus.toUtf8().constData());
    target.setFocus();
    QTest::keyClick(&target, static_cast<Qt::Key>(key));
    QVERIFY(!about.isVisible());
    QVERIFY(fixture.alert.shown.empty());
    QCOMPARE(fixture.programEnds, 0);
}

void AboutTest::enterOnSysInfoRunsIt() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QWidget& sysInfo = Control<QWidget>(about, "cmdSysInfo");
    sysInfo.setFocus();
    QTest::keyClick(&sysInfo, Qt::Key_Return);
    QCOMPARE(fixture.alert.shown.size(), std::size_t{1});
    QVERIFY(about.isVisible());
}

void AboutTest::sysInfoReportsUnavailableAndStaysOpen() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QPushButton& sysInfo = Control<QPushButton>(about, "cmdSysInfo");
    // Alt+S is the access key (Qt's offscreen platform delivers no
    // shortcuts, so the key itself is checked under X by scripts/screenshot).
    QCOMPARE(sysInfo.shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    QTest::mouseClick(&sysInfo, Qt::LeftButton);
    QCOMPARE(fixture.alert.shown, std::vector<std::string>{kUnavailable});
    QVERIFY(about.isVisible());
    QTest::mouseClick(&sysInfo, Qt::LeftButton);  // usable again
    QCOMPARE(fixture.alert.shown.size(), std::size_t{2});
}

// Closing Form1 with the About box open keeps the program running until the
// About box goes too, however it is closed; either order ends it once.
void AboutTest::programEndsWhenBothWindowsAreClosed_data() {
    QTest::addColumn<bool>("formFirst");
    QTest::addColumn<QString>("aboutClosedBy");
    QTest::newRow("Form1 first, then OK") << true << "ok";
    QTest::newRow("Form1 first, then Esc") << true << "esc";
    QTest::newRow("Form1 first, then close button") << true << "close";
    QTest::newRow("About first, then Form1") << false << "ok";
}

void AboutTest::programEndsWhenBothWindowsAreClosed() {
    QFETCH(bool, formFirst);
    QFETCH(QString, aboutClosedBy);
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    frmAbout& about = OpenAbout(fixture);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    const auto closeAbout = [&] {
        if (aboutClosedBy == "ok") QTest::mouseClick(&Control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        if (aboutClosedBy == "esc") QTest::keyClick(&about, Qt::Key_Escape);
        if (aboutClosedBy == "close") about.close();
    };
    if (formFirst) {
        QVERIFY(fixture.form.close());
        QCOMPARE(fixture.programEnds, 0);
        QVERIFY(about.isVisible());
        closeAbout();
    } else {
        closeAbout();
        QCOMPARE(fixture.programEnds, 0);
        QVERIFY(fixture.form.close());
    }
    QVERIFY(!about.isVisible());
    QCOMPARE(fixture.programEnds, 1);
}

void AboutTest::accessibleNamesPresentAndDistinct() {
    velmora::test::FakeServices fakes;
    frmAbout about(fakes.services, 96.0);
    std::set<QString> names;
    int focusable = 0;
    for (QWidget* widget : about.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        ++focusable;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(names.insert(name).second, qPrintable(name));
    }
    QCOMPARE(focusable, 3);  // cmdOK, picIcon, cmdSysInfo
    QCOMPARE(QAccessible::queryAccessibleInterface(&Control<QLabel>(about, "Label1"))->text(QAccessible::Name),
             QString("https://velmora.example"));
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
