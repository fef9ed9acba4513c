// A window's menu bar in Qt, built from the window layer's menu design: right
// to left, above the designed area, each item with its shortcut. Alt alone
// and F10 open it from the keyboard, as on the desktops the program runs on.
#pragma once

#include "window/menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include <functional>
#include <map>
#include <memory>
#include <span>

namespace velmora::ui {

class MenuBar final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(window::MenuCommand)>;

    // Builds the menus into window's menu bar; handler carries out an item.
    MenuBar(QMainWindow& window, std::span<const window::MenuDesign> menus, Handler handler);
    ~MenuBar() override;

    void SetEnabled(window::MenuCommand command, bool enabled);

    // The item of a command, for tests.
    QAction& Item(window::MenuCommand command) { return *items_.at(command); }

private:
    void OpenFirstMenu();

    QMenuBar& bar_;
    Handler handler_;
    std::map<window::MenuCommand, QAction*> items_;
    std::unique_ptr<QStyle> style_;
};

}  // namespace velmora::ui
