// The result note's window: a tool-tip window beside the result boxes that
// never takes the focus, shows each line of the note as a paragraph in its
// own direction, and reports a click so that its owner can dismiss it.
#pragma once

#include <QTextDocument>
#include <QWidget>

namespace velmora::ui {

class ResultNotePopup final : public QWidget {
    Q_OBJECT

public:
    explicit ResultNotePopup(QWidget& owner);

    // Sets the note's lines and sizes the window: as wide as its longest
    // line, from minWidth up to maxWidth, where longer lines wrap.
    void SetNote(const QString& text, int minWidth, int maxWidth);

    // What the window paints, laid out at its width.
    const QTextDocument& document() const { return document_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int Margin() const;

    QTextDocument document_;
};

}  // namespace velmora::ui
