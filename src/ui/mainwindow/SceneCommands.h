#pragma once
// The scene commands of the window: the scene buttons of the sequencer tab,
// the "Сцены" menu and its tool buttons, auto-add, the step slider and the
// four snapshot/undo pairs. The show bytes are changed by the engine's scene
// operations; this class reports, enables and refreshes.

#include <QObject>
#include <array>

class QAction;
class QToolButton;

namespace korvanel {

class MainMenu;
class SequencerTab;
class WindowServices;
struct SnapshotPair;

struct Engine;
struct EditOutcome;

class SceneCommands : public QObject {
    Q_OBJECT
public:
    // snapshots: the memory and undo buttons of the four editing pages.
    SceneCommands(WindowServices &window, const MainMenu &menu, SequencerTab &tab,
                  const std::array<SnapshotPair, 4> &snapshots);

    // Status text and undo buttons for `count` snapshots already taken.
    void reportSnapshots(int count);

public slots:
    // The undo snapshot, as every editor takes it.
    void ToMemoryUndo();
    void SpeedButtonUndo1Click();
    // The last undo taken back (the redo buttons, Ctrl+Y, Ctrl+Shift+Z).
    void redo();
    // The undo and redo buttons enabled exactly while there is something to undo or redo.
    void showUndoState();

    void InsertScenaItemClick();
    void CopyToBufferItemClick();
    void SpeedButtonNewScenaPasteClick();
    void PasteFromBufferItemClick();
    void DeleteScenaItemClick();
    void ClearScenaItemClick();
    void CopyPredScenaClick();
    void AvtoDobScenaItemClick();
    void ScrollBarStepChange(int position);

private:
    void finish(const EditOutcome &outcome);
    // button: none for the items that have no button on the tab.
    void connectCommand(QToolButton *button, QAction *item, void (SceneCommands::*handler)());

    WindowServices &m_window;
    const MainMenu &m_menu;
    SequencerTab &m_tab;
    Engine &m_engine;
    std::array<QToolButton *, 4> m_undo{};
    std::array<QToolButton *, 4> m_redo{};
    QAction *m_autoAdd = nullptr;
};

} // namespace korvanel
