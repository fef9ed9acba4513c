#include "qt/qt_result_note.h"

#include "window/geometry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QScreen>

#include <algorithm>
#include <mutex>

namespace velmora::ui {

namespace {

constexpr const char* kAccessibleName = "Result note";

// The popup sits this far below the result boxes (two pixels at 96 DPI)
// and is at most this wide (4.375 inches, 420 pixels at 96 DPI), wrapping
// longer lines; it is never narrower than the three result boxes together.
constexpr int kGapTwips = 30;
constexpr int kMaxWidthTwips = 6300;

QAccessibleInterface* NotificationRole(const QString& className, QObject* object) {
    if (className != QLatin1String(ResultNoteObject::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

void InstallNotificationRoleOnce() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(NotificationRole); });
}

}  // namespace

ResultNoteObject::ResultNoteObject(QWidget& window) : QWidget(&window) {
    InstallNotificationRoleOnce();
    setObjectName(QStringLiteral("ResultNote"));
    setAccessibleName(QString::fromUtf8(kAccessibleName));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

ResultNote::ResultNote(QWidget& window, const QWidget& firstResult, const QWidget& lastResult, double dpi)
    : window_(window),
      firstResult_(firstResult),
      lastResult_(lastResult),
      dpi_(dpi),
      object_(window),
      popup_(window),
      dismissKey_(QKeySequence(Qt::Key_Escape), &window) {
    dismissKey_.setContext(Qt::WindowShortcut);
    dismissKey_.setEnabled(false);
    connect(&dismissKey_, &QShortcut::activated, this, &ResultNote::Dismiss);
    connect(&popup_, &ResultNotePopup::clicked, this, &ResultNote::Dismiss);
    window_.installEventFilter(this);
}

void ResultNote::Show(const QString& text) {
    text_ = text;
    dismissed_ = false;
    // Screen readers announce a notification as it starts showing, so each
    // note shows anew; AT-SPI reports the showing, Windows the alert.
    object_.hide();
    object_.setAccessibleDescription(text);
    if (!text.isEmpty()) {
        object_.show();
        QAccessibleEvent alert(&object_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    const int minWidth = lastResult_.geometry().right() + 1 - firstResult_.x();
    popup_.SetNote(text, minWidth, window::TwipsToPixels(kMaxWidthTwips, dpi_));
    Update();
}

void ResultNote::Dismiss() {
    dismissed_ = true;
    Update();
}

// The popup shows while there is a note nobody dismissed and its window is
// the active one on the screen. It stays above every window, so it hides
// while a modal box is open over its window or another window is active:
// it never covers a box or another window of the program.
void ResultNote::Update() {
    const bool show = !text_.isEmpty() && !dismissed_ && !blocked_ && window_.isVisible() && !window_.isMinimized() &&
                      window_.isActiveWindow();
    dismissKey_.setEnabled(show);
    if (!show) {
        popup_.hide();
        return;
    }
    popup_.move(PopupPosition());
    popup_.show();
}

// Below the result boxes, starting at the first; above the window when the
// screen ends below it, and kept within the screen's sides.
QPoint ResultNote::PopupPosition() const {
    const int gap = window::TwipsToPixels(kGapTwips, dpi_);
    QPoint at = firstResult_.mapToGlobal(QPoint(0, firstResult_.height() + gap));
    const QScreen* screen = window_.screen();
    if (screen == nullptr) return at;
    const QRect available = screen->availableGeometry();
    if (at.y() + popup_.height() > available.bottom() + 1)
        at.setY(window_.frameGeometry().top() - gap - popup_.height());
    at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - popup_.width())));
    return at;
}

bool ResultNote::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
            case QEvent::WindowBlocked: blocked_ = true; Update(); break;
            case QEvent::WindowUnblocked: blocked_ = false; Update(); break;
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
            case QEvent::WindowActivate:
            case QEvent::WindowDeactivate: Update(); break;
            default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora::ui
