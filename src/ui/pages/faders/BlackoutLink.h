#pragma once
// Keeps the blackout check box and the three output mode buttons in step and
// publishes both to the output tick.
//
// The box is checked exactly when the blackout or the macros button is down.
// Any change of the box stops the sequencer's stepping (PlayMode = 0) and puts
// its stop button down.

#include <QObject>

class QAbstractButton;
class QCheckBox;

namespace korvanel {

struct Engine;
class OutputModeButtons;

class BlackoutLink : public QObject {
    Q_OBJECT
public:
    BlackoutLink(Engine &engine, OutputModeButtons &buttons, QCheckBox &blackOut, QAbstractButton &stop,
                 QObject *parent = nullptr);

public slots:
    void SpeedButtonBlackOutClick();
    void SpeedButtonMacrosOutClick();
    void SpeedButtonOnScenaClick();
    void CheckBoxBlackOutClick(bool checked);

private:
    void mirror();

    Engine &m_engine;
    OutputModeButtons &m_buttons;
    QCheckBox &m_blackOut;
    QAbstractButton &m_stop;
};

} // namespace korvanel
