#pragma once
// The block copy page: channel and scene blocks copied inside the show.

#include <QWidget>

class QVBoxLayout;

namespace korvanel {

class BlockCopyTab : public QWidget {
    Q_OBJECT
public:
    explicit BlockCopyTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }

private:
    QVBoxLayout *m_area = nullptr;
};

} // namespace korvanel
