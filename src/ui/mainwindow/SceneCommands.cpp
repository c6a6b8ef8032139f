#include "ui/mainwindow/SceneCommands.h"

#include <QAction>
#include <QScrollBar>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "editing/SceneOperations.h"
#include "editing/Undo.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

SceneCommands::SceneCommands(WindowServices &window, const MainMenu &menu, SequencerTab &tab,
                             const std::array<SnapshotPair, 4> &snapshots)
    : QObject(&window.mainWindow()), m_window(window), m_menu(menu), m_tab(tab), m_engine(window.engine())
{
    setObjectName(QStringLiteral("SceneCommands"));
    for (std::size_t i = 0; i < snapshots.size(); ++i) {
        m_undo[i] = snapshots[i].undo;
        m_redo[i] = snapshots[i].redo;
        connect(m_redo[i], &QToolButton::clicked, this, &SceneCommands::redo);
        connect(snapshots[i].mem, &QToolButton::clicked, this, &SceneCommands::ToMemoryUndo);
    }
    for (QToolButton *undo : m_undo)
        connect(undo, &QToolButton::clicked, this, &SceneCommands::SpeedButtonUndo1Click);

    const MainMenu::Items &items = menu.items();
    connectCommand(tab.speedButtonNewScena(), items.InsertScenaItem, &SceneCommands::InsertScenaItemClick);
    connectCommand(tab.speedButtonScenaCopy(), items.CopyToBufferItem, &SceneCommands::CopyToBufferItemClick);
    // The item's caption promises what the button does, so Ctrl+V does it too.
    connectCommand(tab.speedButtonNewScenaPaste(), items.NewPasteItem, &SceneCommands::SpeedButtonNewScenaPasteClick);
    connectCommand(tab.buttonScenaPaste(), items.PasteFromBufferItem, &SceneCommands::PasteFromBufferItemClick);
    connectCommand(tab.speedButtonScenaDelete(), items.DeleteScenaItem, &SceneCommands::DeleteScenaItemClick);
    connectCommand(nullptr, items.ClearScenaItem, &SceneCommands::ClearScenaItemClick);
    connectCommand(nullptr, items.CopyPredScena, &SceneCommands::CopyPredScenaClick);

    m_autoAdd = items.AvtoDobScenaItem;
    Q_ASSERT(m_autoAdd && m_autoAdd->isCheckable());
    // A checkable item flips its own mark before it reports the trigger.
    connect(m_autoAdd, &QAction::triggered, this, &SceneCommands::AvtoDobScenaItemClick);
    // The option reaches every input's stepping, the phones' too.
    connect(m_autoAdd, &QAction::toggled, this, [this](bool on) { m_window.control().setAutoAddScenes(on); });
    m_window.control().setAutoAddScenes(m_autoAdd->isChecked());

    connect(tab.scrollBarStep(), &QScrollBar::valueChanged, this, &SceneCommands::ScrollBarStepChange);
}

void SceneCommands::connectCommand(QToolButton *button, QAction *item, void (SceneCommands::*handler)())
{
    if (button)
        connect(button, &QToolButton::clicked, this, handler);
    connect(item, &QAction::triggered, this, handler);
}

void SceneCommands::reportSnapshots(int count)
{
    for (int i = 0; i < count; ++i)
        m_window.OutStatus(tr("  данные сохранены "));
    showUndoState();
}

void SceneCommands::ToMemoryUndo()
{
    korvanel::ToMemoryUndo(m_engine);
    reportSnapshots(1);
}

void SceneCommands::SpeedButtonUndo1Click()
{
    m_window.OutStatus(tr(" данные возвращены "));
    FromMemoryUndo(m_engine);
    showUndoState();
    m_window.ReturnPageControlAll();
}

void SceneCommands::redo()
{
    if (!RedoMemory(m_engine))
        return;
    m_window.OutStatus(tr(" правка повторена "));
    showUndoState();
    m_window.ReturnPageControlAll();
}

void SceneCommands::showUndoState()
{
    for (QToolButton *undo : m_undo)
        undo->setEnabled(canUndo(m_engine));
    for (QToolButton *redo : m_redo)
        redo->setEnabled(canRedo(m_engine));
}

void SceneCommands::finish(const EditOutcome &outcome)
{
    // Refused while the show plays: nothing to show.
    if (!outcome.done)
        return;
    reportSnapshots(outcome.snapshots);
    m_window.ReturnPageControlAll();
}

void SceneCommands::InsertScenaItemClick() { finish(insertScene(m_engine)); }
void SceneCommands::SpeedButtonNewScenaPasteClick() { finish(insertSceneAndPaste(m_engine)); }
void SceneCommands::PasteFromBufferItemClick() { finish(replaceWithBuffer(m_engine)); }
void SceneCommands::DeleteScenaItemClick() { finish(deleteScene(m_engine)); }
void SceneCommands::ClearScenaItemClick() { finish(clearScene(m_engine)); }
void SceneCommands::CopyPredScenaClick() { finish(copyPreviousScene(m_engine)); }

void SceneCommands::CopyToBufferItemClick()
{
    const QString shown = QString::number(m_engine.currentScene() + 1);
    m_tab.speedButtonNewScenaPaste()->setToolTip(tr("Создать новую сцену после текущей и скопировать в нее сцену ") +
                                                 shown + tr(" из буфера"));
    m_tab.buttonScenaPaste()->setToolTip(tr("Заменить текущую сцену Сценой ") + shown + tr(" из буфера"));

    const EditOutcome outcome = copySceneToBuffer(m_engine);
    if (!outcome.done)
        return;
    m_menu.items().NewPasteItem->setEnabled(true);
    m_menu.items().PasteFromBufferItem->setEnabled(true);
    m_tab.speedButtonNewScenaPaste()->setEnabled(true);
    m_tab.buttonScenaPaste()->setEnabled(true);
    m_window.OutStatus(tr(" Записать в буфер "));
    m_window.ReturnPageControlAll();
}

void SceneCommands::AvtoDobScenaItemClick() { m_window.OutStatus(tr(" Автодобавление сцен ")); }

void SceneCommands::ScrollBarStepChange(int position)
{
    m_window.control().apply({WindowSource, command::GoToScene{position}});
}

} // namespace korvanel
