// Cost of the page refresh on the fader page, as the sequencer calls it up to
// ten times a second. Runs the real window on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QToolButton>
#include <memory>

#include "core/Engine.h"
#include "files/ChannelNames.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/pages/faders/LiveDisplay.h"
#include "ui/widgets/NameCodec.h"

using namespace korvanel;

namespace {

struct Window {
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<TBaseForm> form;

    Window()
    {
        initialiseAtStart(*engine);
        form = std::make_unique<TBaseForm>(*engine);
        form->ClearAll();
        engine->setSys(SysLastScene, 255);
        for (std::size_t s = 0; s < SceneCount; ++s)
            for (std::size_t c = 1; c <= ChannelCount; ++c)
                engine->SceneMemory.set(sceneByte(s, c), static_cast<std::uint8_t>(s * 13 + c * 7));
        for (std::size_t c = 1; c <= ChannelCount; c += 2)
            SaveEdit(*engine, c, padName(NameCodec::instance().encode(QStringLiteral("Прожектор %1").arg(c))));
        for (std::size_t c = 1; c <= ChannelCount; c += 3)
            engine->SceneMemory.set(selectionByte(c), 1);
        form->show();
        QApplication::processEvents();
    }
};

// A playing show: every refresh brings a new scene onto the 27 faders.
void BM_ReturnPageControlAll_SceneStep(benchmark::State &state)
{
    Window w;
    std::uint8_t scene = 0;
    for (auto _ : state) {
        scene = static_cast<std::uint8_t>(scene + 1);
        w.engine->setSys(SysCurrentScene, scene);
        w.form->ReturnPageControlAll();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
// Fixed iterations: the paint between two refreshes is not timed but takes its time.
BENCHMARK(BM_ReturnPageControlAll_SceneStep)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(400)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Nothing changed since the last refresh.
void BM_ReturnPageControlAll_Unchanged(benchmark::State &state)
{
    Window w;
    for (auto _ : state)
        w.form->ReturnPageControlAll();
}
BENCHMARK(BM_ReturnPageControlAll_Unchanged)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Paging the faders: a new set of channels, names and selection marks.
void BM_PageSliderMove(benchmark::State &state)
{
    Window w;
    int position = 0;
    for (auto _ : state) {
        position = position >= 200 ? 0 : position + 27;
        w.form->scrolbarVertPos()->setValue(position);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PageSliderMove)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(400)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The 100 ms live display with every level changing, in both refresh speeds.
void BM_LiveDisplayTick(benchmark::State &state)
{
    Window w;
    LiveDisplay &display = *w.form->liveDisplay();
    w.form->control<QToolButton>("SpeedButtonLevel255")->setChecked(state.range(0) != 0);
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        w.engine->colors.GraphHint[c] = static_cast<std::uint8_t>(c % 150);
        w.engine->colors.SplitColorRed[c] = static_cast<std::uint8_t>(c);
    }
    std::uint8_t level = 0;
    for (auto _ : state) {
        ++level;
        for (std::size_t c = 1; c <= FaderCount; ++c)
            w.engine->DmxOut.set(c, static_cast<std::uint8_t>(level + c));
        display.TimerDataDmxToDspTimer();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LiveDisplayTick)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(400)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
