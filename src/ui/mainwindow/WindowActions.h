#pragma once
// What the control layer asks of the window's own machinery: the sequencer's
// timer, the conveyor's show load, and the blackout with its linked buttons.

#include "control/ControlLayer.h"

class QCheckBox;

namespace korvanel {

class ConveyorControl;
class SequencerControl;

class WindowActions final : public ControlLayer::Actions {
public:
    WindowActions(SequencerControl &sequencer, ConveyorControl &conveyor, QCheckBox &blackOut)
        : m_sequencer(sequencer), m_conveyor(conveyor), m_blackOut(blackOut)
    {
    }

    void play() override;
    void stop() override;
    void setBlackout(bool on) override;
    bool blackout() const override;
    void conveyorSlot(int slot) override;

private:
    SequencerControl &m_sequencer;
    ConveyorControl &m_conveyor;
    QCheckBox &m_blackOut;
};

} // namespace korvanel
