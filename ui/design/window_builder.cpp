#include "window_builder.h"

#include "design_line.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::ui {
namespace {

QRect PixelRect(const ControlDesign& control, double dpi) {
    return QRect(TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
                 TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi));
}

void ApplyFont(const FontDesign& design, QWidget& widget) {
    if (design.family == nullptr) return;  // the window's default font
    QFont font = widget.font();
    font.setFamilies({QString::fromUtf8(design.family), QString::fromUtf8(kArabicFallbackFamily)});
    font.setPointSizeF(design.points);
    font.setItalic(design.italic);
    font.setWeight(QFont::Normal);
    widget.setFont(font);
}

QColor ToQColor(const Colour& colour) { return QColor(colour.red, colour.green, colour.blue); }

void ApplyTextColour(const Colour& colour, QWidget& widget) {
    if (colour.isDefault) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    widget.setPalette(palette);
}

// Persian text reads right to left and is right-aligned; everything else,
// the numbers of the text boxes included, stays left to right.
void ApplyDirection(const ControlDesign& control, QWidget& widget) {
    widget.setLayoutDirection(control.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

Qt::Alignment LabelAlignment(const ControlDesign& control) {
    const Qt::Alignment horizontal =
        control.rightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute;
    return horizontal | Qt::AlignTop;
}

QWidget* MakeLabel(const ControlDesign& control, QWidget& window) {
    auto* label = new QLabel(QString::fromUtf8(control.caption), &window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(LabelAlignment(control));
    return label;
}

QWidget* MakeTextBox(const ControlDesign& control, QWidget& window) {
    auto* box = new QLineEdit(QString::fromUtf8(control.caption), &window);
    box->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    return box;
}

QWidget* MakeButton(const ControlDesign& control, QWidget& window) {
    auto* button = new QPushButton(QString::fromUtf8(control.caption), &window);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* MakePicture(QWidget& window) {
    auto* picture = new QLabel(&window);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFocusPolicy(Qt::TabFocus);  // a picture box is a tab stop
    return picture;
}

QWidget* MakeLine(const ControlDesign& control, QWidget& window, double dpi) {
    const QPoint from(TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi));
    const QPoint to(TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi));
    const int penWidth = std::max(1, static_cast<int>(std::lround(control.lineWidth * dpi / kDesignDpi)));
    return new DesignLine(from, to, penWidth, ToQColor(control.colour), &window);
}

QWidget* MakeControl(const ControlDesign& control, QWidget& window, double dpi) {
    switch (control.kind) {
        case ControlKind::Label: return MakeLabel(control, window);
        case ControlKind::TextBox: return MakeTextBox(control, window);
        case ControlKind::CommandButton: return MakeButton(control, window);
        case ControlKind::PictureBox: return MakePicture(window);
        case ControlKind::Line: return MakeLine(control, window, dpi);
    }
    throw std::logic_error("unknown control kind");
}

// Chains the controls that take the focus in the order of their tab index.
void ChainFocusOrder(const WindowDesign& design, QWidget& window) {
    std::vector<const ControlDesign*> stops;
    for (const ControlDesign& control : design.controls) {
        if (control.tabIndex == kNoTabIndex) continue;
        const QWidget& widget = Control<QWidget>(window, control.name);
        if (widget.focusPolicy() != Qt::NoFocus) stops.push_back(&control);
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(&Control<QWidget>(window, stops[i - 1]->name),
                             &Control<QWidget>(window, stops[i]->name));
    if (!stops.empty()) Control<QWidget>(window, stops.front()->name).setFocus();
}

}  // namespace

int TwipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double ScreenLogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : kDesignDpi;
}

void BuildWindow(const WindowDesign& design, QWidget& window, double dpi) {
    window.setWindowTitle(QString::fromUtf8(design.caption));
    window.resize(TwipsToPixels(design.clientWidth, dpi), TwipsToPixels(design.clientHeight, dpi));
    for (const ControlDesign& control : design.controls) {
        QWidget* widget = MakeControl(control, window, dpi);
        widget->setObjectName(QString::fromUtf8(control.name));
        if (control.kind != ControlKind::Line) {
            widget->setGeometry(PixelRect(control, dpi));
            ApplyDirection(control, *widget);
            ApplyFont(control.font, *widget);
            ApplyTextColour(control.colour, *widget);
        }
    }
    ChainFocusOrder(design, window);
}

void PlaceAtDesignPosition(const WindowDesign& design, QWidget& window, double dpi) {
    if (!design.hasPosition) return;
    // setGeometry places the client area; move() would place the frame.
    const QPoint clientTopLeft(TwipsToPixels(design.clientLeft, dpi), TwipsToPixels(design.clientTop, dpi));
    window.setGeometry(QRect(clientTopLeft, window.size()));
}

}  // namespace velmora::ui
