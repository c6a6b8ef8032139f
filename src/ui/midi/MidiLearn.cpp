#include "ui/midi/MidiLearn.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>

#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"

namespace korvanel {

namespace {

// The scene slider's step: back on its lower arrow and groove, forward elsewhere.
int stepAt(const QScrollBar &bar, const QPoint &at)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    const QStyle::SubControl part = bar.style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, at, &bar);
    return part == QStyle::SC_ScrollBarSubLine || part == QStyle::SC_ScrollBarSubPage ||
            part == QStyle::SC_ScrollBarFirst
        ? -1
        : 1;
}

} // namespace

MidiLearn::MidiLearn(FaderPage &faders, StaticPicturesGroup &pictures, SequencerTab &sequencer, QCheckBox &blackout,
                     QToolButton &blackoutButton, ConveyorGroup &conveyor, QObject *parent)
    : QObject(parent), m_step(sequencer.scrollBarStep())
{
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        m_targets[faders.scrollBar(k)] = {MidiTargetKind::Fader, k};
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_targets[pictures.picture(k)] = {MidiTargetKind::Picture, static_cast<int>(k) + 1};
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n)
        m_targets[conveyor.slotButton(n)] = {MidiTargetKind::Slot, n};
    m_targets[sequencer.speedButtonPlay()] = {MidiTargetKind::Play, 0};
    m_targets[sequencer.speedButtonStop()] = {MidiTargetKind::Stop, 0};
    m_targets[sequencer.scrollBarTemp()] = {MidiTargetKind::Tempo, 0};
    m_targets[m_step] = {MidiTargetKind::Step, 1};
    m_targets[&blackout] = {MidiTargetKind::Blackout, 0};
    m_targets[&blackoutButton] = {MidiTargetKind::Blackout, 0};
}

void MidiLearn::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    for (const auto &[control, target] : m_targets) {
        if (on)
            control->installEventFilter(this);
        else
            control->removeEventFilter(this);
    }
}

bool MidiLearn::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    const auto found = m_targets.find(watched);
    if (found == m_targets.end())
        return false;
    MidiTarget target = found->second;
    if (watched == m_step)
        target.index = stepAt(*m_step, static_cast<QMouseEvent *>(event)->position().toPoint());
    if (type == QEvent::MouseButtonPress)
        emit touched(target);
    return true;
}

} // namespace korvanel
