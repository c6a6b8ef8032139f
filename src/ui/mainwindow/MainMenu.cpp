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

    addMenuOf(&Items::FileItem, "FileItem", tr("Шоу"),
              {{"NewItem", QT_TR_NOOP("Создать новое Шоу"), ctrl(Qt::Key_N), &Items::NewItem},
               {nullptr, nullptr, None, nullptr},
               {"OpenItem", QT_TR_NOOP("Открыть Шоу"), ctrl(Qt::Key_O), &Items::OpenItem},
               {"SaveAsItem", QT_TR_NOOP("Сохранить Шоу как ..."), ctrl(Qt::Key_W), &Items::SaveAsItem},
               {"SaveItem", QT_TR_NOOP("Сохранить Шоу"), ctrl(Qt::Key_S), &Items::SaveItem},
               {nullptr, nullptr, None, nullptr},
               {"ExitItem", QT_TR_NOOP("Выход"), ctrl(Qt::Key_Q), &Items::ExitItem}});

    addMenuOf(&Items::EditItem, "EditItem", tr("Сцены"),
              {{nullptr, nullptr, None, nullptr},
               {"CopyPredScena", QT_TR_NOOP("Копировать предыдущую сцену"), ctrl(Qt::Key_P), &Items::CopyPredScena},
               {"CopyToBufferItem", QT_TR_NOOP("Копировать сцену в буфер"), ctrl(Qt::Key_C), &Items::CopyToBufferItem},
               {"NewPasteItem", QT_TR_NOOP("Создать новую и заменить сценой из буфера"), ctrl(Qt::Key_V),
                &Items::NewPasteItem},
               {"PasteFromBufferItem", QT_TR_NOOP("Заменить сценой  из буфера"), None, &Items::PasteFromBufferItem},
               {nullptr, nullptr, None, nullptr},
               {"ClearScenaItem", QT_TR_NOOP("Очистить Сцену"), ctrl(Qt::Key_E), &Items::ClearScenaItem},
               {"DeleteScenaItem", QT_TR_NOOP("Удалить Сцену из Шоу "), ctrl(Qt::Key_Delete), &Items::DeleteScenaItem},
               {"InsertScenaItem", QT_TR_NOOP("Создать новую Сцену"), ctrl(Qt::Key_Insert), &Items::InsertScenaItem}});

    addMenuOf(
        &Items::UstanovItem, "UstanovItem", tr("Установки"),
        {{"ClearNameChannelItem", QT_TR_NOOP("Очистить имена каналов"), ctrl(Qt::Key_I), &Items::ClearNameChannelItem},
         {"itemColor", QT_TR_NOOP("Очистить цвета имен каналов"), None, &Items::itemColor},
         {"itemGrafHint", QT_TR_NOOP("Очистить графическую подсказку каналов"), None, &Items::itemGrafHint},
         {"itemColSplit", QT_TR_NOOP("Очистить цвет условного разделения каналов"), None, &Items::itemColSplit}});

    addMenuOf(&Items::OptionItem, "OptionItem", tr("Опции"),
              {{"AreaItem", QT_TR_NOOP("Поле для ручного управления лучем сканера"), ctrl(Qt::Key_A), &Items::AreaItem},
               {"ChaserItem", QT_TR_NOOP("Запись и редактирование Статических картинок"), None, &Items::ChaserItem},
               {"AvtoDobScenaItem", QT_TR_NOOP("Разрешить автодобавление сцен"), None, &Items::AvtoDobScenaItem},
               {"ItemSound", QT_TR_NOOP("Опции окна зука"), None, &Items::ItemSound},
               {"MonitorItem", QT_TR_NOOP("Монитор выхода DMX"), QKeyCombination(Qt::Key_F2), &Items::MonitorItem}});

    addMenuOf(&Items::HelpMenuItem, "HelpMenuItem", tr("Помощь"),
              {{"AboutItem", QT_TR_NOOP("О программе"), None, &Items::AboutItem},
               {"HelpItem", QT_TR_NOOP("Справка"), QKeyCombination(Qt::Key_F1), &Items::HelpItem}});

    // Pasting needs something copied first.
    m_items.NewPasteItem->setEnabled(false);
    m_items.PasteFromBufferItem->setEnabled(false);
    // The auto-add switch is the item's own check mark; it is off for every new session.
    m_items.AvtoDobScenaItem->setCheckable(true);
    // The sound window does not exist: the item is kept for its place only.
    m_items.ItemSound->setEnabled(false);
}

void MainMenu::addMenuOf(QMenu *Items::*slot, const char *name, const QString &title, std::initializer_list<Item> items)
{
    auto *menu = new QMenu(title, this);
    m_items.*slot = menu;
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
        m_items.*item.slot = act;
    }
    addMenu(menu);
}

} // namespace korvanel
