#include "ui/mainwindow/WindowActions.h"

#include <QCheckBox>

#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/SequencerControl.h"

namespace korvanel {

void WindowActions::play() { m_sequencer.ModePlay(); }

void WindowActions::stop() { m_sequencer.ModeStop(); }

// The box's handler links the blackout buttons and stops the stepping.
void WindowActions::setBlackout(bool on) { m_blackOut.setChecked(on); }

bool WindowActions::blackout() const { return m_blackOut.isChecked(); }

void WindowActions::conveyorSlot(int slot) { m_conveyor.SpeedButtonJob(slot); }

} // namespace korvanel
