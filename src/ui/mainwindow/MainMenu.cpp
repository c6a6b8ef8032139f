#include "ui/mainwindow/MainMenu.h"

#include <QAction>
#include <QMenu>

namespace korvanel {

namespace {
constexpr QKeyCombination None{};
constexpr QKeyCombination ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }
} // namespace

MainMenu::MainMenu(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenu"));

    addMenuOf("FileItem", tr("Шоу"),
              {{"NewItem", QT_TR_NOOP("Создать новое Шоу"), ctrl(Qt::Key_N)},
               {nullptr, nullptr, None},
               {"OpenItem", QT_TR_NOOP("Открыть Шоу"), ctrl(Qt::Key_O)},
               {"SaveAsItem", QT_TR_NOOP("Сохранить Шоу как ..."), ctrl(Qt::Key_W)},
               {"SaveItem", QT_TR_NOOP("Сохранить Шоу"), ctrl(Qt::Key_S)},
               {nullptr, nullptr, None},
               {"ExitItem", QT_TR_NOOP("Выход"), ctrl(Qt::Key_Q)}});

    addMenuOf("EditItem", tr("Сцены"),
              {{nullptr, nullptr, None},
               {"CopyPredScena", QT_TR_NOOP("Копировать предыдущую сцену"), ctrl(Qt::Key_P)},
               {"CopyToBufferItem", QT_TR_NOOP("Копировать сцену в буфер"), ctrl(Qt::Key_C)},
               {"NewPasteItem", QT_TR_NOOP("Создать новую и заменить сценой из буфера"), ctrl(Qt::Key_V)},
               {"PasteFromBufferItem", QT_TR_NOOP("Заменить сценой  из буфера"), None},
               {nullptr, nullptr, None},
               {"ClearScenaItem", QT_TR_NOOP("Очистить Сцену"), ctrl(Qt::Key_E)},
               {"DeleteScenaItem", QT_TR_NOOP("Удалить Сцену из Шоу "), ctrl(Qt::Key_Delete)},
               {"InsertScenaItem", QT_TR_NOOP("Создать новую Сцену"), ctrl(Qt::Key_Insert)}});

    addMenuOf("UstanovItem", tr("Установки"),
              {{"ClearNameChannelItem", QT_TR_NOOP("Очистить имена каналов"), ctrl(Qt::Key_I)},
               {"itemColor", QT_TR_NOOP("Очистить цвета имен каналов"), None},
               {"itemGrafHint", QT_TR_NOOP("Очистить графическую подсказку каналов"), None},
               {"itemColSplit", QT_TR_NOOP("Очистить цвет условного разделения каналов"), None}});

    addMenuOf("OptionItem", tr("Опции"),
              {{"AreaItem", QT_TR_NOOP("Поле для ручного управления лучем сканера"), ctrl(Qt::Key_A)},
               {"ChaserItem", QT_TR_NOOP("Запись и редактирование Статических картинок"), None},
               {"AvtoDobScenaItem", QT_TR_NOOP("Разрешить автодобавление сцен"), None},
               {"ItemSound", QT_TR_NOOP("Опции окна зука"), None}});

    addMenuOf("HelpMenuItem", tr("Помощь"),
              {{"AboutItem", QT_TR_NOOP("О программе"), None},
               {"HelpItem", QT_TR_NOOP("Справка"), QKeyCombination(Qt::Key_F1)}});

    // Pasting needs something copied first.
    action("NewPasteItem")->setEnabled(false);
    action("PasteFromBufferItem")->setEnabled(false);
    // The auto-add switch is the item's own check mark; it is off for every new session.
    action("AvtoDobScenaItem")->setCheckable(true);
    // The sound window does not exist: the item is kept for its place only.
    action("ItemSound")->setEnabled(false);
}

QMenu *MainMenu::addMenuOf(const char *name, const QString &title, std::initializer_list<Item> items)
{
    auto *menu = new QMenu(title, this);
    menu->setObjectName(QString::fromLatin1(name));
    for (const Item &item : items) {
        if (item.name == nullptr) {
            menu->addSeparator();
            continue;
        }
        auto *act = new QAction(tr(item.caption), menu);
        act->setObjectName(QString::fromLatin1(item.name));
        if (item.shortcut != None)
            act->setShortcut(QKeySequence(item.shortcut));
        menu->addAction(act);
    }
    addMenu(menu);
    return menu;
}

QAction *MainMenu::action(const char *name) const { return findChild<QAction *>(QString::fromLatin1(name)); }

} // namespace korvanel
