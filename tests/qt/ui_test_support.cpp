#include "ui_test_support.h"

#include "design/window_builder.h"

#include <QTest>

namespace velmora::test {

void RecordingMessageBox::Show(std::string_view text) {
    shown.emplace_back(text);
    if (whileOpen) whileOpen();
}

QRect ScaledFrom96(const QRect& at96, double dpi) {
    const int scale = dpi == 192.0 ? 2 : 1;
    return QRect(at96.x() * scale, at96.y() * scale, at96.width() * scale, at96.height() * scale);
}

Form1Fixture::Form1Fixture(double dpi) : form(fakes.services, lifetime, dpi) {}

QLineEdit& Form1Fixture::box(const char* name) { return ui::Control<QLineEdit>(form, name); }

QPushButton& Form1Fixture::button(const char* name) { return ui::Control<QPushButton>(form, name); }

void Form1Fixture::Type(const QString& year, const QString& month, const QString& day) {
    const std::pair<const char*, const QString*> inputs[] = {{"Text1", &year}, {"Text2", &month}, {"Text3", &day}};
    for (const auto& [name, text] : inputs) {
        QLineEdit& input = box(name);
        input.clear();
        // Key events that carry their text, so Persian digits type like ASCII ones.
        for (const QChar ch : *text) {
            QTest::sendKeyEvent(QTest::Press, &input, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, &input, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

bool Form1Fixture::ShowAndActivate() {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

}  // namespace velmora::test
