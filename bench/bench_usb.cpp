// Cost of the wire frame: stuffing 513 bytes into the send buffer, and one
// whole tick (frame build, stuffing, write) with a device open on the fake
// D2XX library.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/Engine.h"
#include "output/D2xxLibrary.h"
#include "output/FrameAssembly.h"
#include "output/UsbLink.h"
#include "output/WireFrame.h"
#include "support/FakeD2xx.h"

using namespace korvanel;

namespace {

void BM_EncodeWireFrameAll255(benchmark::State &state)
{
    auto frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
    frame->fill(255);
    auto buffer = std::make_unique<WireBuffer>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeWireFrame(*frame, *buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncodeWireFrameAll255)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_TickWithDeviceOpen(benchmark::State &state)
{
    FakeD2xx fake(FAKE_D2XX_PATH);
    auto loaded = D2xxLibrary::load(FAKE_D2XX_PATH);
    if (!loaded.library) {
        state.SkipWithError("fake D2XX library not loaded");
        return;
    }
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    for (std::size_t c = 1; c <= ChannelCount; ++c) {
        engine->SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c));
        engine->SceneMemory.set(rateByte(c), 3);
    }
    UsbLink link(*loaded.library);
    fake.plug(1);
    link.InitUsbDevise();
    link.TimerPollingTimer();
    if (link.state() != LinkState::Sending) {
        state.SkipWithError("device did not open");
        return;
    }
    for (auto _ : state) {
        buildFrame(*engine);
        link.outputTick(engine->DmxOut);
    }
    state.counters["writes"] = static_cast<double>(fake.writeCount());
}
BENCHMARK(BM_TickWithDeviceOpen)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
