#include "qt/design/qt_window_builder.h"

#include "qt/design/design_line.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::ui {
namespace {

QRect PixelRect(const ControlDesign& control, double dpi) {
    return QRect(TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
                 TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi));
}

using window::Colour;
using window::ControlKind;
using window::FontDesign;
using window::kNoTabIndex;

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

// Tahoma's line spacing in ems: ascent 2049 plus descent 423 of 2048 units.
constexpr double kTahomaLineSpacingEm = (2049.0 + 423.0) / 2048.0;

// Sets a multi-line caption so that its lines are no farther apart than in
// the designed Tahoma: the fallback font spaces its lines wider, and the
// last line of a label sized for Tahoma would be cut off.
void SetCaption(QLabel& label, const QString& caption) {
    const double designSpacing = kTahomaLineSpacingEm * QFontInfo(label.font()).pixelSize();
    const double actualSpacing = QFontMetricsF(label.font()).lineSpacing();
    if (caption.isEmpty() || actualSpacing <= designSpacing) {
        label.setTextFormat(Qt::PlainText);
        label.setText(caption);
        return;
    }
    const int percent = static_cast<int>(std::floor(100.0 * designSpacing / actualSpacing));
    label.setTextFormat(Qt::RichText);
    label.setText(QStringLiteral("<p style=\"line-height:%1%\">%2</p>").arg(percent).arg(caption.toHtmlEscaped()));
}

// The direction is set before the text: a label lays its text out once, in
// the direction it has at that moment. The font too comes first, as the
// caption's line spacing depends on it.
QWidget* MakeLabel(const ControlDesign& control, QWidget& window) {
    auto* label = new QLabel(&window);
    ApplyDirection(control, *label);
    ApplyFont(control.font, *label);
    label->setWordWrap(true);
    label->setAlignment(LabelAlignment(control));
    SetCaption(*label, QString::fromUtf8(control.caption));
    return label;
}

QWidget* MakeTextBox(const ControlDesign& control, QWidget& window) {
    auto* box = new QLineEdit(&window);
    ApplyDirection(control, *box);
    box->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    box->setText(QString::fromUtf8(control.caption));
    return box;
}

QWidget* MakeButton(const ControlDesign& control, QWidget& window) {
    auto* button = new QPushButton(&window);
    ApplyDirection(control, *button);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setText(QString::fromUtf8(control.caption));
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
    const int penWidth = window::PenWidthPixels(control.lineWidth, dpi);
    return new DesignLine(from, to, penWidth, ToQColor(control.colour), &window);
}

// Rows under column headings, a whole row selected at a time; the arrow
// keys, Home, End and the page keys move through it, and screen readers
// read each row with its headings. The window that shows it sets its columns.
QWidget* MakeList(const ControlDesign& control, QWidget& window) {
    auto* list = new QTreeWidget(&window);
    ApplyDirection(control, *list);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFocusPolicy(Qt::StrongFocus);
    list->header()->setSectionsMovable(false);
    return list;
}

QWidget* MakeControl(const ControlDesign& control, QWidget& window, double dpi) {
    switch (control.kind) {
        case ControlKind::Label: return MakeLabel(control, window);
        case ControlKind::TextBox: return MakeTextBox(control, window);
        case ControlKind::CommandButton: return MakeButton(control, window);
        case ControlKind::PictureBox: return MakePicture(window);
        case ControlKind::Line: return MakeLine(control, window, dpi);
        case ControlKind::List: return MakeList(control, window);
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

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QWidget& ControlWidget(QWidget& window, std::string_view name) {
    return Control<QWidget>(window, std::string(name).c_str());
}

QString ControlText(QWidget& window, std::string_view name) {
    QWidget& control = ControlWidget(window, name);
    if (const auto* box = qobject_cast<QLineEdit*>(&control)) return box->text();
    if (const auto* label = qobject_cast<QLabel*>(&control)) return label->text();
    if (const auto* button = qobject_cast<QPushButton*>(&control)) return button->text();
    throw std::logic_error("control without text: " + std::string(name));
}

void SetControlText(QWidget& window, std::string_view name, std::string_view utf8) {
    QWidget& control = ControlWidget(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(&control)) return box->setText(ToQString(utf8));
    if (auto* label = qobject_cast<QLabel*>(&control)) return label->setText(ToQString(utf8));
    throw std::logic_error("control without settable text: " + std::string(name));
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
            ApplyFont(control.font, *widget);
            ApplyTextColour(control.colour, *widget);
        }
    }
    ChainFocusOrder(design, window);
}

QWidget& BuildMainWindow(const WindowDesign& design, QMainWindow& window, double dpi) {
    auto* area = new QWidget(&window);
    area->setObjectName(QStringLiteral("DesignedArea"));
    BuildWindow(design, *area, dpi);
    window.setWindowTitle(area->windowTitle());
    window.setCentralWidget(area);
    return *area;
}

void FitToDesignedArea(QMainWindow& window) {
    const QSize area = window.centralWidget()->size();
    const QWidget* menu = window.menuWidget();
    // A menu bar too narrow for its menus wraps them onto more lines.
    const int menuHeight = menu != nullptr ? std::max(menu->heightForWidth(area.width()), 0) : 0;
    window.resize(area.width(), area.height() + menuHeight);
}

void DescribeControls(std::span<const AccessibleText> texts, QWidget& window) {
    for (const AccessibleText& text : texts) {
        QWidget& control = Control<QWidget>(window, text.control);
        if (text.name != nullptr) control.setAccessibleName(QString::fromUtf8(text.name));
        control.setAccessibleDescription(QString::fromUtf8(text.description));
    }
}

void PlaceAtDesignPosition(const WindowDesign& design, QWidget& window, double dpi) {
    if (!design.hasPosition) return;
    // setGeometry places the client area; move() would place the frame.
    const QPoint clientTopLeft(TwipsToPixels(design.clientLeft, dpi), TwipsToPixels(design.clientTop, dpi));
    window.setGeometry(QRect(clientTopLeft, window.size()));
}

}  // namespace velmora::ui
