#pragma once
// The hand-scan pad: a 256 x 256 field on which the mouse steers a scanner.
// The horizontal position is one level (X), the vertical another (Y); each
// channel selected in the fader page's selection column takes X and the
// channel after it Y. While the show is stopped a drag writes them into the
// current scene; with "Приоритет" the output forces them in any mode, for as
// long as this window is the active one.

#include <QWidget>
#include <cstdint>

#include "playback/HandScan.h"

class QCheckBox;
class QGroupBox;

namespace korvanel {
class MainMenu;
class WindowServices;
} // namespace korvanel

// The window class keeps the system's name, outside the engine's namespace.
class THandScanForm : public QWidget {
    Q_OBJECT
public:
    THandScanForm(korvanel::WindowServices &window, const korvanel::MainMenu &menu);

    QWidget *pad() const { return m_pad; }       // ShapeXY
    QWidget *marker() const { return m_marker; } // ShapeCentr

    std::uint8_t PadX = 0;
    std::uint8_t PadY = 0;
    bool PadPressed = false;

public slots:
    // Menu AreaItem (Ctrl+A) and tool button SpeedButtonAREA.
    void AreaItemClick();
    void ShapeXYMouseDown(int x, int y);
    void ShapeXYMouseMove(int x, int y);
    void ShapeXYMouseUp();
    void calcMouse();
    void CheckBoxManualAreaClick(bool checked);
    void FormActivate();
    void FormDeactivate();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeMarker();

    korvanel::WindowServices &m_window;
    QGroupBox *m_group = nullptr;
    QWidget *m_pad = nullptr;
    QWidget *m_marker = nullptr;
    QCheckBox *m_invertX = nullptr;
    QCheckBox *m_invertY = nullptr;
    QCheckBox *m_swap = nullptr;
    QCheckBox *m_priority = nullptr;
};
