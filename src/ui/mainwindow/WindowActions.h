#pragma once
// The window's side of the control layer: the machinery the layer asks for
// (the sequencer's timer, the conveyor's show load), and the controls that
// show what a command changed.

#include "control/ControlLayer.h"

class QScrollBar;

namespace korvanel {

class BlackoutLink;
class ConveyorControl;
class FaderPage;
class SequencerControl;
class WindowServices;

class WindowActions final : public ControlLayer::Actions {
public:
    struct Controls {
        BlackoutLink &blackout;
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
    void conveyorSlot(int slot) override;

    void blackoutChanged() override;
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
