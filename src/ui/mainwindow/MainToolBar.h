#pragma once
// The tool bar under the menus. Each button starts the same command as its
// menu item, so a command has one handler however it is reached.

#include <QToolBar>

namespace korvanel {

class MainMenu;

class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    MainToolBar(MainMenu &menu, QWidget *parent = nullptr);
};

} // namespace korvanel
