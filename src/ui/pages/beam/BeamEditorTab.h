#pragma once
// The beam editor page: the XY path of a scanner over a run of scenes.

#include <QWidget>

#include "ui/widgets/Controls.h"

class QVBoxLayout;

namespace korvanel {

class BeamEditorTab : public QWidget {
    Q_OBJECT
public:
    explicit BeamEditorTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }
    // SpeedButtonMem4 and SpeedButtonUndo4.
    const SnapshotPair &snapshot() const { return m_snapshot; }

private:
    QVBoxLayout *m_area = nullptr;
    SnapshotPair m_snapshot{};
};

} // namespace korvanel
