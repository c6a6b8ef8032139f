#include "ui/mainwindow/WindowActions.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "core/Engine.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/BlackoutLink.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/SequencerControl.h"

namespace korvanel {

void WindowActions::play() { m_sequencer.ModePlay(); }

void WindowActions::stop() { m_sequencer.ModeStop(); }

void WindowActions::blackoutChanged() { m_controls.blackout.show(); }

void WindowActions::conveyorSlot(int slot) { m_conveyor.SpeedButtonJob(slot); }

void WindowActions::tempoChanged()
{
    {
        // The slider shows the tempo; moving it is what sends one.
        const QSignalBlocker showOnly(&m_controls.tempo);
        m_controls.tempo.setValue(m_window.engine().sys(SysTempo));
    }
    m_window.TempStatus();
}

void WindowActions::sceneChanged() { m_window.ReturnPageControlAll(); }

void WindowActions::faderMoved(int channel) { m_faders.showLevel(channel); }

void WindowActions::selectionChanged(int channel) { m_faders.showSelection(channel); }

void WindowActions::faderPageChanged()
{
    {
        const QSignalBlocker showOnly(&m_controls.faderPage);
        m_controls.faderPage.setValue(load(m_window.engine().FaderPageOffset));
    }
    m_faders.showPage();
}

void WindowActions::padMoved(bool selectionChanged)
{
    if (selectionChanged)
        m_faders.CheckBoxFromMemory();
    m_window.ReturnPageControlAll();
}

} // namespace korvanel
