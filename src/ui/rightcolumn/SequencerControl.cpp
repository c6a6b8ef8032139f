#include "ui/rightcolumn/SequencerControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "playback/Tempo.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

const QColor TempoFlash(255, 200, 0);

QString clockText(const QString &prefix, const ShowClock &c)
{
    return prefix + QString::number(c.hours) + QObject::tr("ч ") + QString::number(c.minutes) + QObject::tr("м ") +
        QString::number(c.seconds) + QObject::tr("с ");
}

} // namespace

QString tempoReadout(int tempo)
{
    return QString::number(scenesPerMinute(sequencerIntervalMs(static_cast<std::uint8_t>(tempo)))) +
        SequencerControl::tr("  Сцен/мин ");
}

SequencerControl::SequencerControl(WindowServices &window, SequencerTab &tab, const MainMenu &menu,
                                   const ConveyorGroup &conveyor)
    : QObject(&window.mainWindow()), m_window(window), m_tab(tab), m_menu(menu), m_conveyor(conveyor),
      m_play(tab.speedButtonPlay()), m_stop(tab.speedButtonStop()), m_ring(tab.checkBoxRepeat()),
      m_shape(tab.shpTempClikc1()), m_showTime(tab.labelTimeShou()), m_pauseTime(tab.labelTimePause())
{
    m_sequencer.setObjectName(QStringLiteral("TimerSeqveser"));
    // On the press, not the release: the tap is the beat.
    connect(tab.speedButtonTap(), &QToolButton::pressed, this, [this] {
        m_window.control().apply({WindowSource, command::TapTempo{}});
    });
    m_indicator.setObjectName(QStringLiteral("TimerColorLentaTempa"));
    m_indicator.setSingleShot(true);
    m_indicator.setInterval(100);
    connect(&m_sequencer, &QTimer::timeout, this, &SequencerControl::TimerSeqveserTimer);
    connect(&m_indicator, &QTimer::timeout, this, &SequencerControl::TimerColorLentaTempaTimer);
    markOutputNeutral(m_indicator);
    m_clockTimer.setObjectName(QStringLiteral("TimerShouClock"));
    markOutputNeutral(m_clockTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, &SequencerControl::TimerShouClockTimer);
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, &SequencerControl::showClocks);
    m_clockTimer.start(1000);
    ShowClock longest;
    longest.hours = 23;
    longest.minutes = longest.seconds = 59;
    tab.setLongestClockTexts({clockText(tr("Шоу   = "), longest), clockText(tr("Паузa = "), longest)});
    // The sequencer timer runs free from start to exit; playback only decides whether a tick steps.
    m_sequencer.start(sequencerIntervalMs(window.engine().sys(SysTempo)));
    markOutputNeutral(m_sequencer, load(window.engine().PlayMode) == 0);

    connect(m_play, &QAbstractButton::clicked, this, &SequencerControl::SpeedButtonPlayClick);
    connect(m_stop, &QAbstractButton::clicked, this, &SequencerControl::SpeedButtonStopClick);
    m_play->installEventFilter(this);
    connect(tab.scrollBarTemp(), &QScrollBar::valueChanged, this, &SequencerControl::ScrollBarTempChange);
}

bool SequencerControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_play && event->type() == QEvent::MouseButtonDblClick)
        SpeedButtonPlayDblClick();
    return QObject::eventFilter(watched, event);
}

void SequencerControl::lockEditing(bool playing)
{
    // Scene editing that playback locks; the two paste buttons are only locked,
    // their unlocking belongs to copying a scene.
    for (QWidget *button : {m_tab.speedButtonNewScena(), m_tab.speedButtonScenaCopy(), m_tab.speedButtonScenaDelete()})
        button->setEnabled(!playing);
    if (playing) {
        for (QWidget *button : {m_tab.speedButtonNewScenaPaste(), m_tab.buttonScenaPaste()})
            button->setEnabled(false);
    }
    // The menu's own items are locked too, so that their shortcuts and the
    // tool buttons that fire them cannot edit a playing show.
    const MainMenu::Items &items = m_menu.items();
    items.EditItem->menuAction()->setEnabled(!playing);
    for (QAction *item : items.EditItem->actions()) {
        if (item->isSeparator())
            continue;
        const bool paste = item == items.NewPasteItem || item == items.PasteFromBufferItem;
        if (playing || !paste)
            item->setEnabled(!playing);
    }
}

void SequencerControl::ModePlay()
{
    store(m_window.engine().PlayMode, 1);
    markOutputNeutral(m_sequencer, false);
    m_clock.reset();
    m_play->setChecked(true);
    lockEditing(true);
}

void SequencerControl::ModeStop()
{
    store(m_window.engine().PlayMode, 0);
    // Stopped, a step only flashes the indicator.
    markOutputNeutral(m_sequencer);
    m_clock.reset();
    m_stop->setChecked(true);
    lockEditing(false);
}

void SequencerControl::SpeedButtonPlayDblClick()
{
    ModePlay();
    m_window.engine().setSys(SysCurrentScene, 0);
    m_window.ReturnPageControlAll();
}

void SequencerControl::ScrollBarTempChange(int position)
{
    m_window.control().apply({WindowSource, command::Tempo{position}});
}

void SequencerControl::applyTempo(int intervalMs)
{
    // A new interval restarts the period, as moving the tempo slider should;
    // the same interval (every page refresh applies it) leaves the period running.
    if (intervalMs != m_sequencer.interval() || !m_sequencer.isActive())
        m_sequencer.start(intervalMs);
}

bool SequencerControl::listModeDown() const
{
    return m_conveyor.speedButtonKonvSpisBegin()->isChecked() || m_conveyor.speedButtonKonvSpis()->isChecked();
}

void SequencerControl::TimerSeqveserTimer()
{
    // Behind the channel colour tab the flash is not seen; ending it would only wake the window again.
    if (m_shape->isVisibleTo(&m_window.mainWindow())) {
        m_shape->setBrushColor(TempoFlash);
        m_indicator.start();
    }

    // A conveyor list needs the wrap to reach its next show, ring or not.
    const bool listMode = listModeDown();
    const bool ring = m_ring->isChecked() || listMode;
    const SceneAdvance step = sequencerStep(m_window.engine(), ring, m_sequencer.interval(), [this, listMode] {
        if (listMode && KonveyrJob)
            KonveyrJob();
    });
    if (step == SceneAdvance::Stopped) {
        // Playback may have been stopped without ModeStop (blackout, a new show).
        if (!isOutputNeutral(m_sequencer))
            markOutputNeutral(m_sequencer);
        return;
    }
    if (step == SceneAdvance::Ended)
        ModeStop();
    m_window.ReturnPageControlAll();
}

void SequencerControl::TimerColorLentaTempaTimer()
{
    m_indicator.stop();
    m_shape->setBrushColor(m_shape->palette().color(QPalette::Button));
}

void SequencerControl::TimerShouClockTimer()
{
    if (linkStatusRefresh)
        linkStatusRefresh();
    showClockTick();
}

void SequencerControl::showClockTick()
{
    m_clock.tick();
    if (load(m_window.engine().PlayMode) == 1)
        m_shownShow = m_clock;
    else
        m_shownPause = m_clock;
    showClocks();
}

void SequencerControl::showClocks()
{
    if (m_shownShow)
        m_showTime->setText(clockText(tr("Шоу   = "), *m_shownShow));
    if (m_shownPause)
        m_pauseTime->setText(clockText(tr("Паузa = "), *m_shownPause));
}

} // namespace korvanel
