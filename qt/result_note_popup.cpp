#include "qt/result_note_popup.h"

#include "qt/bidi_paragraphs.h"
#include "qt/design/qt_window_builder.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

// A tool tip's window: no frame from the window manager, above the other
// windows, never activated and never given the keyboard focus.
constexpr Qt::WindowFlags kPopupFlags = Qt::ToolTip | Qt::WindowDoesNotAcceptFocus;

// Room between the frame and the text, as much again as the style's frame.
constexpr int kTextPadding = 3;

}  // namespace

ResultNotePopup::ResultNotePopup(QWidget& owner) : QWidget(&owner, kPopupFlags) {
    setObjectName(QStringLiteral("ResultNotePopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setPalette(QToolTip::palette());
    // The tool tips' font, with a family that has the Persian glyphs should
    // the first have none.
    QFont font = QToolTip::font();
    font.setFamilies({font.family(), QString::fromUtf8(kArabicFallbackFamily)});
    setFont(font);
    document_.setDefaultFont(font);
    document_.setDocumentMargin(0);
}

int ResultNotePopup::Margin() const {
    return style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this) + kTextPadding;
}

void ResultNotePopup::SetNote(const QString& text, int minWidth, int maxWidth) {
    document_.setHtml(ParagraphsAsHtml(text));
    const int margins = 2 * Margin();
    document_.setTextWidth(std::max(1, maxWidth - margins));
    const int textWidth = static_cast<int>(std::ceil(document_.idealWidth()));
    document_.setTextWidth(std::max(textWidth, minWidth - margins));
    const QSizeF size = document_.size();
    resize(static_cast<int>(std::ceil(size.width())) + margins, static_cast<int>(std::ceil(size.height())) + margins);
    update();
}

void ResultNotePopup::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
    painter.translate(Margin(), Margin());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
    document_.documentLayout()->draw(&painter, context);
}

void ResultNotePopup::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

}  // namespace velmora::ui
