#pragma once
// The fader page: 27 channel rows paged over the scene by ScrolbarVertPos,
// the output mode buttons and the snapshot pair.

#include <QWidget>

#include "ui/widgets/Controls.h"

class QGridLayout;
class QHBoxLayout;
class QScrollBar;

namespace korvanel {

struct Engine;
class OutputModeButtons;

class FaderTab : public QWidget {
    Q_OBJECT
public:
    explicit FaderTab(Engine &engine, QWidget *parent = nullptr);

    OutputModeButtons *outputModes() const { return m_outputModes; }
    // Where the 27 channel rows go, one grid row each.
    QGridLayout *faderRowsLayout() const { return m_rows; }
    // Beside the output mode buttons: the units and speed of the live levels.
    QHBoxLayout *displayButtonsArea() const { return m_displayButtons; }
    // The page slider over the scene's channels.
    QScrollBar *scrolbarVertPos() const { return m_page; }
    // SpeedButtonMem1 and SpeedButtonUndo1.
    const SnapshotPair &snapshot() const { return m_snapshot; }

private:
    OutputModeButtons *m_outputModes = nullptr;
    QGridLayout *m_rows = nullptr;
    QHBoxLayout *m_displayButtons = nullptr;
    QScrollBar *m_page = nullptr;
    SnapshotPair m_snapshot{};
};

} // namespace korvanel
