#pragma once
// The beam editor: a channel pair's path over a range of scenes drawn on the
// XY plane, picked and dragged with the mouse, moved, mirrored, sized, rotated
// and copied to further pairs; the figure group writes ready-made paths.

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "editing/BeamEditor.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPainter;
class QScrollBar;
class QSpinBox;
class QToolButton;

namespace korvanel {

class SceneCommands;
class WindowServices;

struct Engine;
class FigureGroup;
class PaintBox;

class BeamEditorPanel : public QWidget {
    Q_OBJECT
public:
    BeamEditorPanel(WindowServices &window, SceneCommands &commands, QWidget *parent = nullptr);

    void ReLabelEdiXY();
    void ReturnEditXY();

    std::uint8_t pair() const;                                   // p: X is channel p + 1
    std::uint8_t layoutOffset() const { return m_layoutOffset; } // L
    XYRange range() const;                                       // F - 1 .. T - 1
    XYRange editRange();                                         // the range with any number still being typed taken
    int dragMode() const { return m_dragMode; }
    int foundScene() const { return m_foundScene; }
    int repeatCode() const { return m_repeatCode; }
    QTimer &repeatTimer() { return m_repeatTimer; }
    // The first pair slider, the one the mouse wheel steps.
    QScrollBar *scrollBarEditXYCh1() const { return m_pairs[0]; }

public slots:
    void PaintBoxXYMouseDown(Qt::MouseButton button, QPoint at);
    void PaintBoxXYMouseMove(QPoint at);
    void PaintBoxXYMouseUp();
    void TimerRepeatButtonTimer();
    void SpeedButtonRotateLeftClick();
    void SpeedButtonEditXYcopyClick();
    void SpinEditESSfromChange();
    void SpinEditESStoChange();

private:
    QWidget *buildPlane();
    QWidget *buildChannels();
    QWidget *buildRange();
    QWidget *buildMoves();
    QWidget *buildRotation();
    QWidget *buildLayoutChoice();
    QWidget *buildDeviceChoice();
    QWidget *buildReadouts();
    void GrideXY(QPainter &painter) const;
    void VisibleXY(QPainter &painter) const;
    void searchAt(int x, int y);
    void setHint(bool on, const QString &text = {});
    void buttonDown(int code);
    void buttonUp();
    void makeFigure(int index);

    WindowServices &m_window;
    SceneCommands &m_commands;
    Engine &m_engine;
    std::uint8_t m_layoutOffset = 2; // XYLayoutOffset
    int m_dragMode = 0;              // XYDragMode
    int m_foundScene = XYNoScene;    // XYFoundScene
    std::uint8_t m_repeatCode = 0;   // XYRepeatCode
    QTimer m_repeatTimer;            // TimerRepeatButton

    PaintBox *m_grid = nullptr;
    PaintBox *m_path = nullptr;
    std::array<QScrollBar *, 4> m_pairs{};
    std::array<QCheckBox *, 4> m_copyTo{};
    std::array<QLabel *, 4> m_firstNames{};
    std::array<QLabel *, 4> m_secondNames{};
    QSpinBox *m_from = nullptr;
    QSpinBox *m_to = nullptr;
    QCheckBox *m_allScenes = nullptr;
    QCheckBox *m_changeScene = nullptr;
    QScrollBar *m_rotate = nullptr;
    QButtonGroup *m_layout = nullptr;
    QLabel *m_posX = nullptr;
    QLabel *m_posY = nullptr;
    QLabel *m_sceneLabel = nullptr;
    QLabel *m_rotationLabel = nullptr;
    QLabel *m_figureLabel = nullptr;
    FigureGroup *m_figures = nullptr;
};

} // namespace korvanel
