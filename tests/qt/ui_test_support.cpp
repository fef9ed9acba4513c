#include "tests/qt/ui_test_support.h"

#include "qt/design/qt_window_builder.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>

namespace velmora::test {

void RecordingAlert::Show(std::string_view text) {
    shown.emplace_back(text);
    if (whileOpen) whileOpen();
}

QRect ScaledFrom96(const QRect& at96, double dpi) {
    const int scale = dpi == 192.0 ? 2 : 1;
    return QRect(at96.x() * scale, at96.y() * scale, at96.width() * scale, at96.height() * scale);
}

void LayOut(QTextDocument& document, const QString& html, Qt::LayoutDirection widgetDirection) {
    constexpr qreal kWideEnough = 10000;
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(widgetDirection);
    document.setDefaultTextOption(option);
    document.setHtml(html);
    document.setTextWidth(kWideEnough);
    document.documentLayout()->documentSize();  // lays out every block now
}

QTextBlock ParagraphWith(const QTextDocument& document, const QString& needle) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().contains(needle)) return block;
    return {};
}

qreal GlyphCentre(const QTextBlock& paragraph, qsizetype index) {
    const QList<QGlyphRun> runs = paragraph.layout()->glyphRuns(static_cast<int>(index), 1);
    return runs.isEmpty() ? -1.0 : runs.front().boundingRect().center().x();
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
