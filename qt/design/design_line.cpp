#include "qt/design/design_line.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace velmora::ui {
namespace {

// The strip a line covers: from its first point up to (not including) its
// last one along the line, penWidth pixels across it.
QRect StripOf(QPoint from, QPoint to, int penWidth) {
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int length = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    const bool horizontal = from.y() == to.y();
    return horizontal ? QRect(left, top, length, penWidth) : QRect(left, top, penWidth, length);
}

}  // namespace

DesignLine::DesignLine(QPoint from, QPoint to, int penWidth, QColor colour, QWidget* parent)
    : QWidget(parent), from_(from), to_(to), penWidth_(penWidth), colour_(colour) {
    setGeometry(StripOf(from, to, penWidth));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DesignLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace velmora::ui
