#pragma once
// The channel graph page: one channel's level across a run of scenes.

#include <QWidget>

class QVBoxLayout;

namespace korvanel {

class GraphTab : public QWidget {
    Q_OBJECT
public:
    explicit GraphTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }

private:
    QVBoxLayout *m_area = nullptr;
};

} // namespace korvanel
