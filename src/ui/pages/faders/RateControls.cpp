#include "ui/pages/faders/RateControls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core/Engine.h"
#include "playback/Rates.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/LevelsTab.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

RateControls::RateControls(WindowServices &window, ChannelSettingsGroup &settings, FaderPage &faders)
    : QObject(&window.mainWindow()), m_window(window), m_faders(faders)
{
    QWidget *smoothness = settings.tabSheetPlavno();
    m_rateLevel = makeScrollBar(
        smoothness,
        {"ScrollBarRateLeuel", Qt::Horizontal, 0, 7, 1, 7, tr("Время изменения уровня выбранных каналов DMX ")});
    m_rateLabel =
        makeLabel(smoothness, "LabelRate", tr("2 sec"), tr("Время изменения уровня всех каналов DMX  в секундах"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_rateLevel, 1);
    row->addWidget(m_rateLabel);
    static_cast<QBoxLayout *>(smoothness->layout())->insertLayout(0, row);

    LevelsTab *levels = settings.levels();
    m_levelAll = makeScrollBar(
        levels, {"ScrollBarLevelAll", Qt::Horizontal, 0, 255, 16, 127, tr("Общий абсолютный уровень каналов")});
    levels->levelSliderArea()->addWidget(m_levelAll);

    FaderPage &page = m_faders;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        page.rateBar(k)->setToolTip(tr("Время изменения уровня DMX канала"));
        connect(page.rateBar(k), &QScrollBar::valueChanged, this,
                [this, k](int position) { ScrollBarRateChange(k, position); });
    }
    page.ReturnRate = [this] { ReturnRate(); };
    connect(m_rateLevel, &QScrollBar::valueChanged, this, &RateControls::ScrollBarRateLeuelChange);
    connect(m_levelAll, &QScrollBar::valueChanged, this, &RateControls::ScrollBarLevelAllChange);
}

void RateControls::TabRate()
{
    const RatePreset &preset = ratePreset(RateIndex);
    RateValue = preset.step;
    m_rateLabel->setText(QString::fromLatin1(preset.label.data(), static_cast<qsizetype>(preset.label.size())));
}

void RateControls::ScrollBarRateChange(int k, int position)
{
    Engine &engine = m_window.engine();
    RateIndex = position;
    TabRate();
    engine.SceneMemory.set(rateByte(load(engine.FaderPageOffset) + static_cast<std::size_t>(k)), RateValue);
}

void RateControls::ScrollBarRateLeuelChange(int position)
{
    Engine &engine = m_window.engine();
    RateIndex = position;
    TabRate();
    engine.setSys(SysRateLevel, RateValue);
    m_faders.CheckBoxToMemory();
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        if (engine.SceneMemory.get(selectionByte(c)) != 0)
            engine.SceneMemory.set(rateByte(c), RateValue);
    }
    ReturnRate();
}

void RateControls::ScrollBarLevelAllChange(int position)
{
    // It edits the current scene, also while the show plays; it is not a master dimmer.
    Engine &engine = m_window.engine();
    RaschetAdr(engine, engine.currentScene());
    m_faders.CheckBoxToMemory();
    const std::size_t scene = engine.currentScene();
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        if (engine.SceneMemory.get(selectionByte(c)) != 0)
            engine.SceneMemory.set(sceneByte(scene, c), static_cast<std::uint8_t>(position));
    }
    m_faders.ReturnScrollBars();
}

void RateControls::ReturnRate()
{
    const Engine &engine = m_window.engine();
    const std::size_t offset = load(engine.FaderPageOffset);
    FaderPage &page = m_faders;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        // Showing a stored step must not round it to a preset or move the rate label.
        const QSignalBlocker mirrorOnly(page.rateBar(k));
        page.rateBar(k)->setValue(
            RateToPosition(engine.SceneMemory.get(rateByte(offset + static_cast<std::size_t>(k)))));
    }
}

} // namespace korvanel
