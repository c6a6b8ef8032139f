#pragma once
// Keeps the blackout check box and the three output mode buttons in step.
// The blackout itself is the control layer's: the box sends its command and
// shows what the layer holds; the macros button goes to the output tick here.
//
// The box is checked exactly when the blackout or the macros button is down.
// Any change of the blackout stops the sequencer's stepping and puts its stop
// button down.

#include <QObject>

class QAbstractButton;
class QCheckBox;

namespace korvanel {

class ControlLayer;
struct Engine;
class OutputModeButtons;

class BlackoutLink : public QObject {
    Q_OBJECT
public:
    BlackoutLink(Engine &engine, ControlLayer &control, OutputModeButtons &buttons, QCheckBox &blackOut,
                 QAbstractButton &stop, QObject *parent = nullptr);

    // The layer's blackout changed: the box and the buttons show it.
    void show();

public slots:
    void SpeedButtonBlackOutClick();
    void SpeedButtonMacrosOutClick();
    void SpeedButtonOnScenaClick();
    void CheckBoxBlackOutClick(bool checked);

private:
    void mirror();

    Engine &m_engine;
    ControlLayer &m_control;
    OutputModeButtons &m_buttons;
    QCheckBox &m_blackOut;
    QAbstractButton &m_stop;
};

} // namespace korvanel
