#pragma once
// The beam editor page: the XY path of a scanner over a run of scenes.

#include <QWidget>

class QVBoxLayout;

namespace korvanel {

class BeamEditorTab : public QWidget {
    Q_OBJECT
public:
    explicit BeamEditorTab(QWidget *parent = nullptr);

    // The editor's own area, above the snapshot pair.
    QVBoxLayout *editorArea() const { return m_area; }

private:
    QVBoxLayout *m_area = nullptr;
};

} // namespace korvanel
