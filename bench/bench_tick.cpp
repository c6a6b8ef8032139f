// Cost of one output tick's frame build.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/Engine.h"
#include "output/FrameAssembly.h"

using namespace korvanel;

namespace {

std::unique_ptr<Engine> showWithEveryOverlay()
{
    auto e = std::make_unique<Engine>();
    initialiseAtStart(*e);
    ClearAll(*e);
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        e->SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c));
        e->SceneMemory.set(rateByte(c), 3);
    }
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        e->live.pictures.set(k, 1);
        for (std::size_t c = 1; c <= ChannelCount; c += 3) {
            e->SceneMemory.set(pictureFlag(k, c), 1);
            e->SceneMemory.set(pictureLevel(k, c), static_cast<std::uint8_t>(k * 16));
        }
    }
    for (std::size_t c = 1; c <= ChannelCount; c += 5)
        e->SceneMemory.set(selectionByte(c), 1);
    store(e->live.manual, 1);
    for (std::size_t k = 1; k <= FaderCount; ++k)
        e->live.faderChecked.set(k, 1);
    store(e->live.HandScanActive, 1);
    store(e->Avtomat1Running, 1);
    store(e->Avtomat2Running, 1);
    store(e->live.macrosDown, 1);
    e->CoderTable.set(1, 5);
    e->CoderTable.set(5, 1);
    return e;
}

void BM_TickEveryOverlay(benchmark::State &state)
{
    auto e = showWithEveryOverlay();
    store(e->live.blackout, state.range(0) != 0 ? 1 : 0);
    for (auto _ : state) {
        buildFrame(*e);
        benchmark::DoNotOptimize(e->DmxOut.get(1));
    }
}
BENCHMARK(BM_TickEveryOverlay)->Arg(0)->Arg(1)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_TickPlainFaderMode(benchmark::State &state)
{
    auto e = std::make_unique<Engine>();
    initialiseAtStart(*e);
    ClearAll(*e);
    for (auto _ : state) {
        buildFrame(*e);
        benchmark::DoNotOptimize(e->DmxOut.get(1));
    }
}
BENCHMARK(BM_TickPlainFaderMode)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
