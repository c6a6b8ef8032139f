#include "ui/pages/faders/LiveDisplay.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
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
    if (load(m_engine.PlayMode) == 0)
        m_stop->setChecked(true);
    if (m_window.currentPage() != 0)
        return;

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
        return;
    }
    m_displayGroup = nextDisplayGroup(m_displayGroup);
    for (int k = 3 * m_displayGroup - 2; k <= 3 * m_displayGroup; ++k)
        showLevel(k, first + static_cast<std::size_t>(k), inPercent);
}

} // namespace korvanel
