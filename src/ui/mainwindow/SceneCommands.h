#pragma once
// The scene commands of the window: the scene buttons of the sequencer tab,
// the "Сцены" menu and its tool buttons, auto-add, the step slider and the
// four snapshot/undo pairs. The show bytes are changed by the engine's scene
// operations; this class reports, enables and refreshes.

#include <QObject>
#include <array>

class QAction;
class QScrollBar;
class QToolButton;
class TBaseForm;

namespace korvanel {

struct Engine;
struct EditOutcome;

class SceneCommands : public QObject {
    Q_OBJECT
public:
    explicit SceneCommands(TBaseForm &form);

    bool autoAddOn() const;
    // Status text and undo buttons for `count` snapshots already taken.
    void reportSnapshots(int count);

public slots:
    // The undo snapshot, as every editor takes it.
    void ToMemoryUndo();
    void SpeedButtonUndo1Click();

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
    QToolButton *button(const char *name) const;
    void connectCommand(const char *buttonName, const char *itemName, void (SceneCommands::*handler)());

    TBaseForm &m_form;
    Engine &m_engine;
    std::array<QToolButton *, 4> m_undo{};
    QAction *m_autoAdd = nullptr;
};

} // namespace korvanel
