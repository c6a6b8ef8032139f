#include "ui/pages/faders/LiveDisplay.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include "core/Engine.h"
#include "output/LiveLevels.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/faders/FaderTab.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GoboImages.h"

namespace korvanel {

namespace {
constexpr int NothingShown = -1;
std::size_t cell(int k) { return static_cast<std::size_t>(k - 1); }
} // namespace

LiveDisplay::LiveDisplay(WindowServices &window, FaderTab &tab, FaderPage &faders, QAbstractButton &stop)
    : QObject(&window.mainWindow()), m_window(window), m_engine(window.engine()), m_faders(faders), m_stop(&stop)
{
    setObjectName(QStringLiteral("LiveDisplay"));
    Q_ASSERT(m_stop);
    m_shownLevel.fill(NothingShown);
    m_shownPicture.fill(NothingShown);
    buildButtons(tab);

    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveDisplay::TimerDataDmxToDspTimer);
    m_timer.start();

    // Without the loop's word on when it waits, the timer never rests.
    if (auto *loop = QAbstractEventDispatcher::instance(thread())) {
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &LiveDisplay::windowWaits);
        QCoreApplication::instance()->installEventFilter(this);
    }
}

bool LiveDisplay::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::Move:
    case QEvent::Resize:
        // Drawing what is already decided changes nothing that leaves.
        break;
    case QEvent::Timer:
        if (watched == &m_timer || isOutputNeutral(*watched))
            break;
        [[fallthrough]];
    default:
        m_windowBusy = true;
        if (m_resting) {
            m_resting = false;
            m_timer.start();
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LiveDisplay::windowWaits()
{
    if (!m_windowBusy)
        return;
    m_windowBusy = false;
    // A frame under way now may have read the show before the last change; the next one cannot.
    m_settledFrom = m_engine.FramesBuilt.load(std::memory_order_acquire) + 2;
}

bool LiveDisplay::settled(std::uint32_t frames) const
{
    return !m_windowBusy && static_cast<std::int32_t>(frames - m_settledFrom) >= 0;
}

void LiveDisplay::rest()
{
    m_resting = true;
    m_timer.stop();
}

void LiveDisplay::buildButtons(FaderTab &tab)
{
    m_dmx = makeSpeedButton(&tab,
                            {"SpeedButtonOutLevel255", tr("Уровень в стандарте DMX512  0-255"), QStyle::SP_CustomBase,
                             QStringLiteral("DMX"), true});
    m_percent = makeSpeedButton(
        &tab, {"SpeedButtonOutLevel100", tr("Уровень в процентах"), QStyle::SP_CustomBase, QStringLiteral("%"), true});
    m_fast = makeSpeedButton(
        &tab,
        {"SpeedButtonLevel255", tr("Скорость презаписи данных на мониторе"), QStyle::SP_MediaSeekForward, {}, true});
    auto *units = new QButtonGroup(this);
    units->setExclusive(true);
    units->addButton(m_dmx);
    units->addButton(m_percent);
    m_dmx->setChecked(true);
    m_fast->setChecked(true);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(1);
    bar->addWidget(m_dmx);
    bar->addWidget(m_percent);
    bar->addSpacing(4);
    bar->addWidget(m_fast);
    tab.displayButtonsArea()->addLayout(bar);
}

bool LiveDisplay::percent() const { return m_percent->isChecked(); }
bool LiveDisplay::fast() const { return m_fast->isChecked(); }

void LiveDisplay::ShapeColor(int k, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    m_faders.shape(k)->setBrushColor(QColor(red, green, blue));
}

void LiveDisplay::SetGobo(int k, int picture)
{
    const int shown = picture >= 0 && picture < GoboImageCount ? picture : NothingShown;
    int &current = m_shownPicture[cell(k)];
    if (current == shown)
        return;
    current = shown;
    QLabel *image = m_faders.image(k);
    if (shown == NothingShown) {
        image->clear();
        image->setToolTip({});
    } else {
        image->setPixmap(goboImage(shown));
        image->setToolTip(goboImageName(shown));
    }
}

void LiveDisplay::showLevel(int k, std::size_t channel, bool inPercent)
{
    const int value = displayLevel(m_engine.DmxOut.get(channel), inPercent);
    int &current = m_shownLevel[cell(k)];
    if (current == value)
        return;
    current = value;
    m_faders.levelLabel(k)->setText(QString::number(value));
}

void LiveDisplay::TimerDataDmxToDspTimer()
{
    // Counted before the levels are read: they come from this frame or a later one.
    const std::uint32_t frames = m_engine.FramesBuilt.load(std::memory_order_acquire);
    if (load(m_engine.PlayMode) == 0 && !m_stop->isChecked()) {
        m_stop->setChecked(true);
        // What hangs on the button may change the frame: not a time to rest.
        m_windowBusy = true;
    }
    if (m_window.currentPage() != InputPage::Faders) {
        if (!m_windowBusy)
            rest();
        return;
    }

    const std::size_t first = std::min(load(m_engine.FaderPageOffset), MaxFaderPageOffset);
    const ChannelColors &colors = m_engine.colors;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        SetGobo(k, colors.GraphHint[first + static_cast<std::size_t>(k)]);
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        const std::size_t c = first + static_cast<std::size_t>(k);
        ShapeColor(k, colors.SplitColorRed[c], colors.SplitColorGreen[c], colors.SplitColorBlue[c]);
    }

    const bool inPercent = percent();
    if (fast()) {
        for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
            showLevel(k, first + static_cast<std::size_t>(k), inPercent);
    } else {
        m_displayGroup = nextDisplayGroup(m_displayGroup);
        for (int k = 3 * m_displayGroup - 2; k <= 3 * m_displayGroup; ++k)
            showLevel(k, first + static_cast<std::size_t>(k), inPercent);
    }

    // Still: the same levels as at the last refresh, with a frame built in between.
    bool still = first == m_seenFirst && frames != m_seenFrames;
    bool shown = true;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        const std::uint8_t level = m_engine.DmxOut.get(first + static_cast<std::size_t>(k));
        still = still && level == m_seenLevel[cell(k)];
        shown = shown && displayLevel(level, inPercent) == m_shownLevel[cell(k)];
        m_seenLevel[cell(k)] = level;
    }
    m_seenFirst = first;
    m_seenFrames = frames;
    if (still && shown && settled(frames))
        rest();
}

} // namespace korvanel
