#include "ui/pages/faders/BlackoutLink.h"

#include <QCheckBox>
#include <QToolButton>

#include "core/Engine.h"
#include "ui/pages/faders/OutputModeButtons.h"

namespace korvanel {

BlackoutLink::BlackoutLink(Engine &engine, OutputModeButtons &buttons, QCheckBox &blackOut, QAbstractButton &stop,
                           QObject *parent)
    : QObject(parent), m_engine(engine), m_buttons(buttons), m_blackOut(blackOut), m_stop(stop)
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

void BlackoutLink::CheckBoxBlackOutClick(bool checked)
{
    store(m_engine.PlayMode, 0);
    m_stop.setChecked(true);
    if (!checked)
        // Releasing the blackout also releases the macros picture, so that no
        // button shows a blackout that is not on the output.
        m_buttons.onScena()->setChecked(true);
    else if (!m_buttons.macrosOut()->isChecked())
        m_buttons.blackOut()->setChecked(true);
    mirror();
}

void BlackoutLink::mirror()
{
    store(m_engine.live.blackout, m_blackOut.isChecked() ? 1 : 0);
    store(m_engine.live.macrosDown, m_buttons.macrosOut()->isChecked() ? 1 : 0);
}

} // namespace korvanel
