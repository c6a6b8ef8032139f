#pragma once
// The five menus of the main window. Every item is a QAction named after the
// command it starts; the commands themselves are connected by their owners.

#include <QMenuBar>

class QAction;

namespace korvanel {

class MainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);

    QAction *action(const char *name) const;

private:
    struct Item {
        const char *name; // nullptr: separator
        const char *caption;
        QKeyCombination shortcut;
    };
    QMenu *addMenuOf(const char *name, const QString &title, std::initializer_list<Item> items);
};

} // namespace korvanel
