#pragma once
// The block copy page: channel and scene blocks copied inside the show.

#include <QWidget>

#include "ui/widgets/Controls.h"

class QVBoxLayout;

namespace korvanel {

class BlockCopyTab : public QWidget {
    Q_OBJECT
public:
    explicit BlockCopyTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }
    // SpeedButtonMem5 and SpeedButtonUndo5.
    const SnapshotPair &snapshot() const { return m_snapshot; }

private:
    QVBoxLayout *m_area = nullptr;
    SnapshotPair m_snapshot{};
};

} // namespace korvanel
