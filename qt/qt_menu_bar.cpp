#include "qt/qt_menu_bar.h"

#include "qt/design/qt_window_builder.h"

#include <QMenu>
#include <QProxyStyle>
#include <QShortcut>

namespace velmora::ui {

namespace {

// Alt pressed and released alone selects the menu bar, whatever the desktop
// style holds of it: the keyboard way to the menus that Windows users and
// the desktops' own programs offer.
class AltKeyMenuStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QKeySequence KeysOf(const window::Shortcut& shortcut) {
    if (shortcut.letter == '\0') return {};
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (shortcut.letter - 'A'));
    const Qt::KeyboardModifiers modifiers =
        shortcut.shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::KeyboardModifiers(Qt::ControlModifier);
    return QKeySequence(QKeyCombination(modifiers, key));
}

}  // namespace

MenuBar::MenuBar(QMainWindow& window, std::span<const window::MenuDesign> menus, Handler handler)
    : QObject(&window), bar_(*window.menuBar()), handler_(std::move(handler)), style_(new AltKeyMenuStyle) {
    bar_.setObjectName(QStringLiteral("MenuBar"));
    bar_.setLayoutDirection(Qt::RightToLeft);
    bar_.setStyle(style_.get());
    for (const window::MenuDesign& menu : menus) {
        QMenu* popup = bar_.addMenu(ToQString(menu.caption));
        popup->setLayoutDirection(Qt::RightToLeft);
        for (const window::MenuItemDesign& item : menu.items) {
            QAction* action = popup->addAction(ToQString(item.caption));
            action->setShortcut(KeysOf(item.shortcut));
            action->setEnabled(item.enabledAtStart);
            const window::MenuCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { handler_(command); });
            items_.emplace(command, action);
        }
    }
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    connect(f10, &QShortcut::activated, this, &MenuBar::OpenFirstMenu);
}

// The bar goes before its style.
MenuBar::~MenuBar() { bar_.setStyle(nullptr); }

void MenuBar::SetEnabled(window::MenuCommand command, bool enabled) { items_.at(command)->setEnabled(enabled); }

void MenuBar::OpenFirstMenu() {
    const QList<QAction*> menus = bar_.actions();
    if (!menus.isEmpty()) bar_.setActiveAction(menus.front());
}

}  // namespace velmora::ui
