#include "ui/pages/faders/BlackoutLink.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "ui/pages/faders/OutputModeButtons.h"

namespace korvanel {

BlackoutLink::BlackoutLink(Engine &engine, ControlLayer &control, OutputModeButtons &buttons, QCheckBox &blackOut,
                           QAbstractButton &stop, QObject *parent)
    : QObject(parent), m_engine(engine), m_control(control), m_buttons(buttons), m_blackOut(blackOut), m_stop(stop)
{
    connect(m_buttons.blackOut(), &QToolButton::clicked, this, &BlackoutLink::SpeedButtonBlackOutClick);
    connect(m_buttons.macrosOut(), &QToolButton::clicked, this, &BlackoutLink::SpeedButtonMacrosOutClick);
    connect(m_buttons.onScena(), &QToolButton::clicked, this, &BlackoutLink::SpeedButtonOnScenaClick);
    connect(&m_blackOut, &QCheckBox::toggled, this, &BlackoutLink::CheckBoxBlackOutClick);
    // The macros button can go down or up without the box changing (pressed while
    // blacked out, or released by the blackout button), so it is mirrored on its own.
    connect(m_buttons.macrosOut(), &QToolButton::toggled, this, &BlackoutLink::mirror);
    mirror();
}

void BlackoutLink::SpeedButtonBlackOutClick() { m_blackOut.setChecked(true); }

void BlackoutLink::SpeedButtonMacrosOutClick() { m_blackOut.setChecked(true); }

void BlackoutLink::SpeedButtonOnScenaClick() { m_blackOut.setChecked(false); }

void BlackoutLink::CheckBoxBlackOutClick(bool checked) { m_control.apply({WindowSource, command::Blackout{checked}}); }

void BlackoutLink::show()
{
    const bool on = load(m_engine.live.blackout) != 0;
    {
        const QSignalBlocker showOnly(&m_blackOut);
        m_blackOut.setChecked(on);
    }
    m_stop.setChecked(true);
    if (!on)
        // Releasing the blackout also releases the macros picture, so that no
        // button shows a blackout that is not on the output.
        m_buttons.onScena()->setChecked(true);
    else if (!m_buttons.macrosOut()->isChecked())
        m_buttons.blackOut()->setChecked(true);
    mirror();
}

void BlackoutLink::mirror() { store(m_engine.live.macrosDown, m_buttons.macrosOut()->isChecked() ? 1 : 0); }

} // namespace korvanel
