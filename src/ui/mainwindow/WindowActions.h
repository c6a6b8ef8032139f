#pragma once
// The window's side of the control layer: the machinery the layer asks for
// (the sequencer's timer, the conveyor's show load, the blackout with its
// linked buttons), and the controls that show what a command changed.

#include "control/ControlLayer.h"

class QCheckBox;
class QScrollBar;

namespace korvanel {

class ConveyorControl;
class FaderPage;
class SequencerControl;
class WindowServices;

class WindowActions final : public ControlLayer::Actions {
public:
    struct Controls {
        QCheckBox &blackOut;
        QScrollBar &tempo;
        QScrollBar &faderPage;
    };
    WindowActions(WindowServices &window, SequencerControl &sequencer, ConveyorControl &conveyor, FaderPage &faders,
                  Controls controls)
        : m_window(window), m_sequencer(sequencer), m_conveyor(conveyor), m_faders(faders), m_controls(controls)
    {
    }

    void play() override;
    void stop() override;
    void setBlackout(bool on) override;
    void conveyorSlot(int slot) override;

    void tempoChanged() override;
    void sceneChanged() override;
    void faderMoved(int channel) override;
    void selectionChanged(int channel) override;
    void faderPageChanged() override;
    void padMoved(bool selectionChanged) override;

private:
    WindowServices &m_window;
    SequencerControl &m_sequencer;
    ConveyorControl &m_conveyor;
    FaderPage &m_faders;
    Controls m_controls;
};

} // namespace korvanel
