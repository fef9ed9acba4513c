// A straight line of a window's design, drawn as a filled strip of its pen
// width. Only horizontal and vertical lines occur in the designs.
#pragma once

#include <QColor>
#include <QWidget>

namespace velmora::ui {

class DesignLine : public QWidget {
    Q_OBJECT

public:
    // The end points are in the parent's pixels; penWidth is in pixels.
    DesignLine(QPoint from, QPoint to, int penWidth, QColor colour, QWidget* parent);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int penWidth() const { return penWidth_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    int penWidth_;
    QColor colour_;
};

}  // namespace velmora::ui
