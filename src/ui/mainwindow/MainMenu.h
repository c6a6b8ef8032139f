#pragma once
// The five menus of the main window. Every item is a QAction named after the
// command it starts; the commands themselves are connected by their owners.

#include <QMenuBar>

class QAction;
class QMenu;

namespace korvanel {

class MainMenu : public QMenuBar {
    Q_OBJECT
public:
    // The menus and their items, each under the name it carries as objectName.
    struct Items {
        QMenu *FileItem = nullptr;
        QAction *NewItem = nullptr;
        QAction *OpenItem = nullptr;
        QAction *SaveAsItem = nullptr;
        QAction *SaveItem = nullptr;
        QAction *ExitItem = nullptr;

        QMenu *EditItem = nullptr;
        QAction *CopyPredScena = nullptr;
        QAction *CopyToBufferItem = nullptr;
        QAction *NewPasteItem = nullptr;
        QAction *PasteFromBufferItem = nullptr;
        QAction *ClearScenaItem = nullptr;
        QAction *DeleteScenaItem = nullptr;
        QAction *InsertScenaItem = nullptr;

        QMenu *UstanovItem = nullptr;
        QAction *ClearNameChannelItem = nullptr;
        QAction *itemColor = nullptr;
        QAction *itemGrafHint = nullptr;
        QAction *itemColSplit = nullptr;

        QMenu *OptionItem = nullptr;
        QAction *AreaItem = nullptr;
        QAction *ChaserItem = nullptr;
        QAction *AvtoDobScenaItem = nullptr;
        QAction *ItemSound = nullptr;
        QAction *MonitorItem = nullptr; // the output monitor, F2

        QMenu *HelpMenuItem = nullptr;
        QAction *AboutItem = nullptr;
        QAction *HelpItem = nullptr;
    };

    explicit MainMenu(QWidget *parent = nullptr);

    const Items &items() const { return m_items; }

private:
    struct Item {
        const char *name; // nullptr: separator
        const char *caption;
        QKeyCombination shortcut;
        QAction *Items::*slot;
    };
    void addMenuOf(QMenu *Items::*slot, const char *name, const QString &title, std::initializer_list<Item> items);

    Items m_items;
};

} // namespace korvanel
