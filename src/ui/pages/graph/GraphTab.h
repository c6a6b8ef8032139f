#pragma once
// The channel graph page: one channel's level across a run of scenes.

#include <QWidget>

#include "ui/widgets/Controls.h"

class QVBoxLayout;

namespace korvanel {

class GraphTab : public QWidget {
    Q_OBJECT
public:
    explicit GraphTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }
    // SpeedButtonMem3 and SpeedButtonUndo3.
    const SnapshotPair &snapshot() const { return m_snapshot; }

private:
    QVBoxLayout *m_area = nullptr;
    SnapshotPair m_snapshot{};
};

} // namespace korvanel
