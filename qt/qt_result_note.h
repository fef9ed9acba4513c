// The note on the last result as the Qt window shows it: a popup beside the
// result boxes that stays until the next conversion, Esc while the window
// is active or a click on it, and shows only while its window is the active
// one; and, for screen readers, a child of the
// window named "Result note" whose description holds the note, announced
// when a note appears.
#pragma once

#include "qt/result_note_popup.h"

#include <QObject>
#include <QShortcut>
#include <QWidget>

namespace velmora::ui {

// The accessible side of the note: a widget without size or focus, always
// among the window's children. Its own class gives it the notification role.
class ResultNoteObject final : public QWidget {
    Q_OBJECT

public:
    explicit ResultNoteObject(QWidget& window);
};

class ResultNote final : public QObject {
    Q_OBJECT

public:
    // The popup goes below the result boxes, from the first to the last.
    ResultNote(QWidget& window, const QWidget& firstResult, const QWidget& lastResult, double dpi);

    // Replaces the note; empty text removes it.
    void Show(const QString& text);

    // Hides the popup until the next note; screen readers keep the text.
    void Dismiss();

    ResultNotePopup& popup() { return popup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();
    QPoint PopupPosition() const;

    QWidget& window_;
    const QWidget& firstResult_;
    const QWidget& lastResult_;
    const double dpi_;
    ResultNoteObject object_;
    ResultNotePopup popup_;
    QShortcut dismissKey_;
    QString text_;
    bool dismissed_ = false;
    bool blocked_ = false;  // a modal box is open over the window
};

}  // namespace velmora::ui
