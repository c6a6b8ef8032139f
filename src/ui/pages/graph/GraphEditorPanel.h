#pragma once
// The channel graph editor: the chart of one channel over a block of scenes,
// its sliders and read-outs, and drawing levels with the mouse.

#include <QWidget>
#include <cstdint>

#include "editing/GraphEditor.h"

class QButtonGroup;
class QLabel;
class QPainter;
class QScrollBar;

namespace korvanel {

class WindowServices;

struct Engine;
class PaintBox;

class GraphEditorPanel : public QWidget {
    Q_OBJECT
public:
    explicit GraphEditorPanel(WindowServices &window, QWidget *parent = nullptr);

    void RepaintGrafik();
    void ReturnGrafikLabel();
    // Read-outs for the pointer at (x, y); writes levels while a button is held.
    void GrafikLabel(int x, int y);

    int channel() const; // the edited channel, 1..256
    GraphTool tool() const;
    int anchorScene() const { return m_anchorScene; }
    bool drawing() const { return m_drawing != 0; }
    QScrollBar *scrollBarChanellGrafik() const { return m_channel; }
    QScrollBar *scrollBarGrafikZoom() const { return m_zoom; }

public slots:
    void PaintBoxGrafikMouseDown(Qt::MouseButton button, QPoint at);
    void PaintBoxGrafikMouseMove(QPoint at);
    void PaintBoxGrafikMouseUp();
    void ScrollBarChanellGrafikChange();
    void ScrollBarGrafikZoomChange(int position);
    void ScrollBarGrafikAreaChange();
    void ScrollBarMaxScenaGraficChange(int position);

private:
    void paintChart(QPainter &painter) const;
    QWidget *buildTools();

    WindowServices &m_window;
    Engine &m_engine;
    std::int32_t m_anchorScene = 1; // GraphAnchorScene
    std::uint8_t m_drawing = 0;     // GraphDrawing

    PaintBox *m_chart = nullptr;
    QScrollBar *m_channel = nullptr;
    QScrollBar *m_zoom = nullptr;
    QScrollBar *m_area = nullptr;
    QScrollBar *m_lastScene = nullptr;
    QButtonGroup *m_tools = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QLabel *m_from = nullptr;
    QLabel *m_to = nullptr;
    QLabel *m_scene = nullptr;
    QLabel *m_newLevel = nullptr;
    QLabel *m_storedLevel = nullptr;
};

} // namespace korvanel
