#include "ui/mainwindow/MainToolBar.h"

#include <QAction>
#include <QToolButton>

#include "ui/mainwindow/MainMenu.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

MainToolBar::MainToolBar(MainMenu &menu, QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));

    using Items = MainMenu::Items;
    struct Entry {
        const char *name; // nullptr: separator
        const char *hint;
        QStyle::StandardPixmap icon;
        QAction *Items::*item; // the menu item that carries the command
    };
    static constexpr Entry entries[] = {
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"SpeedButtonNEW", QT_TR_NOOP("Новое Шоу"), QStyle::SP_FileIcon, &Items::NewItem},
        {"SpeedButtonOPEN", QT_TR_NOOP("Открыть Шоу"), QStyle::SP_DialogOpenButton, &Items::OpenItem},
        {"SpeedButtonSAVEAS", QT_TR_NOOP("Записать Шоу под новым Именем "), QStyle::SP_DriveFDIcon, &Items::SaveAsItem},
        {"SpeedButtonSAVE", QT_TR_NOOP("Сохранить существующее Шоу "), QStyle::SP_DialogSaveButton, &Items::SaveItem},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"SpeedButtonCOPY", QT_TR_NOOP("Копировать Сцену"), QStyle::SP_FileLinkIcon, &Items::CopyToBufferItem},
        {"SpeedButtonCOPYPREDSCEN", QT_TR_NOOP("Копировать предыдущую Сцену"), QStyle::SP_ArrowBack,
         &Items::CopyPredScena},
        {"SpeedButtonCLEAR", QT_TR_NOOP("Новая сцена"), QStyle::SP_FileDialogNewFolder, &Items::ClearScenaItem},
        {"SpeedButtonDELSCEN", QT_TR_NOOP("Удалить сцену"), QStyle::SP_TrashIcon, &Items::DeleteScenaItem},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"SpeedButtonAREA", QT_TR_NOOP("Окно ручного управления сканера "), QStyle::SP_DesktopIcon, &Items::AreaItem},
        {"SpeedButtonRECORD", QT_TR_NOOP("Запись статических картинок "), QStyle::SP_DialogApplyButton,
         &Items::ChaserItem},
        {"SpeedButtonAVTOPLUS", QT_TR_NOOP("Автодобавление сцен "), QStyle::SP_ArrowRight, &Items::AvtoDobScenaItem},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"SpeedButtonHELP", QT_TR_NOOP("Help "), QStyle::SP_DialogHelpButton, &Items::HelpItem},
        {"SpeedButtonABOUT", QT_TR_NOOP("О программе "), QStyle::SP_MessageBoxInformation, &Items::AboutItem},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
    };

    for (const Entry &entry : entries) {
        if (entry.name == nullptr) {
            addSeparator();
            continue;
        }
        QToolButton *button = makeSpeedButton(this, {entry.name, tr(entry.hint), entry.icon});
        // The keyboard has these commands in the menus and their shortcuts.
        button->setFocusPolicy(Qt::NoFocus);
        addWidget(button);
        QAction *command = menu.items().*entry.item;
        // trigger() is a no-op on a disabled item, so a locked command stays locked here too.
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
    }
}

} // namespace korvanel
