// The link driven by the real output thread while the test thread plugs and
// unplugs the device, toggles demo mode and reads what the window reads. The
// fake library counts overlapping calls; ThreadSanitizer watches the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "core/Engine.h"
#include "output/D2xxLibrary.h"
#include "output/FrameAssembly.h"
#include "output/OutputTicker.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"

using namespace korvanel;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<D2xxLibrary> loadFake()
{
    auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
    return std::move(loaded.library);
}

// The clock the fake stamps its writes with.
long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit = 3000ms)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(1ms);
    return done();
}

} // namespace

TEST(UsbLinkThreads, WritesAndPollsNeverOverlapWhileTheDeviceComesAndGoes)
{
    FakeD2xx fake;
    fake.setCallDelayUs(300); // every call lasts long enough for an overlap to show
    auto library = loadFake();
    ASSERT_NE(library, nullptr);
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        engine->SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c));

    UsbLink link(*library, 20ms);
    fake.plug(1);
    link.InitUsbDevise();
    OutputTicker ticker(5ms);
    ticker.start([&] {
        buildFrame(*engine);
        link.outputTick(engine->DmxOut);
    });

    const auto end = std::chrono::steady_clock::now() + 1500ms;
    unsigned round = 0;
    bool sawSending = false;
    while (std::chrono::steady_clock::now() < end) {
        ++round;
        if (round % 7 == 0)
            fake.unplug();
        if (round % 7 == 3)
            fake.plug(1);
        link.setDemoMode(round % 11 == 5);
        const UsbLinkReport report = link.publishedReport();
        EXPECT_TRUE(report.listed);
        sawSending = sawSending || link.state() == LinkState::Sending;
        engine->SceneMemory.set(sceneByte(0, 1), static_cast<std::uint8_t>(round));
        std::this_thread::sleep_for(10ms);
    }

    // A passing write fault: the output thread reopens while this thread looks on as the window does.
    fake.plug(1);
    link.setDemoMode(false);
    ASSERT_TRUE(waitFor([&] { return link.state() == LinkState::Sending; }));
    const std::uint32_t faultsBefore = link.WriteFaults.load();
    fake.failNext("FT_Write", ft::IoError);
    ASSERT_TRUE(waitFor([&] { return link.WriteFaults.load() > faultsBefore; }));
    const auto afterReopen = fake.writeCount();
    EXPECT_TRUE(waitFor([&] { return fake.writeCount() > afterReopen + 3; })) << "frames resume by themselves";
    const UsbLinkReport report = link.publishedReport();
    EXPECT_EQ(report.writeFaults, link.WriteFaults.load());
    EXPECT_EQ(report.writeFault.status, ft::IoError);

    ticker.stop();
    link.CloseUsbDevise();

    EXPECT_EQ(fake.overlaps(), 0u);
    EXPECT_TRUE(sawSending);
    const unsigned long long writes = fake.writeCount();
    ASSERT_GT(writes, 10u);
    for (unsigned long long i = 0; i < writes; ++i) {
        const auto w = fake.write(i).bytes;
        ASSERT_GE(w.size(), 519u) << i;
        ASSERT_EQ(w[0], 0xFF);
        ASSERT_EQ(w[1], 0xF0);
        ASSERT_EQ(w[w.size() - 3], 0xF1) << i;
    }
}

TEST(UsbLinkThreads, TheFakeCatchesCallsThatOverlap)
{
    // Proves the check above can fail: two threads writing at once.
    FakeD2xx fake;
    fake.setCallDelayUs(20000);
    auto library = loadFake();
    ASSERT_NE(library, nullptr);
    fake.plug(1);
    FtHandle handle = nullptr;
    ASSERT_EQ(library->open(0, handle), ft::Ok);
    const std::uint8_t byte = 0;
    std::uint32_t w1 = 0, w2 = 0;
    std::thread other([&] { library->write(handle, &byte, 1, w1); });
    library->write(handle, &byte, 1, w2);
    other.join();
    EXPECT_GT(fake.overlaps(), 0u);
    library->close(handle);
}

TEST(UsbLinkThreads, AHundredUnplugsInARowEachEndInFramesAndLeaveNoHandleBehind)
{
    constexpr int Cycles = 100;
    FakeD2xx fake;
    auto library = loadFake();
    ASSERT_NE(library, nullptr);
    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    engine->SceneMemory.set(sceneByte(0, 1), 77);

    // The program polls once a second; 20 ms keeps a hundred cycles short.
    UsbLink link(*library, 20ms);
    fake.plug(1);
    link.InitUsbDevise();
    OutputTicker ticker(5ms);
    ticker.start([&] {
        buildFrame(*engine);
        link.outputTick(engine->DmxOut);
    });

    std::mt19937 random(20240612);
    std::vector<double> resumeMs;
    unsigned mostHandles = 0;
    const auto deadline = std::chrono::steady_clock::now() + 45s;
    for (int cycle = 0; cycle < Cycles && std::chrono::steady_clock::now() < deadline; ++cycle) {
        const auto flowing = fake.writeCount();
        ASSERT_TRUE(waitFor([&] { return fake.writeCount() > flowing; })) << "cycle " << cycle;
        // Pulled at any moment of a tick; back before or long after a poll notices.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
        fake.unplug();
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 60));
        const auto before = fake.writeCount();
        const long long pluggedNs = monotonicNs();
        fake.plug(1);
        ASSERT_TRUE(waitFor([&] { return fake.writeCount() > before; })) << "no frame after replug " << cycle;
        const FakeD2xx::WriteRecord first = fake.write(before);
        ASSERT_EQ(first.bytes.size(), 519u) << cycle;
        EXPECT_EQ(first.bytes[0], 0xFF);
        EXPECT_EQ(first.bytes[1], 0xF0);
        EXPECT_EQ(first.bytes[3], 77) << "the live frame, not a stale one";
        resumeMs.push_back(static_cast<double>(first.timeNs - pluggedNs) / 1e6);
        mostHandles = std::max(mostHandles, fake.openHandles());
    }
    ticker.stop();
    const unsigned openWhileRunning = fake.openHandles();
    link.CloseUsbDevise();

    ASSERT_EQ(resumeMs.size(), static_cast<std::size_t>(Cycles)) << "ran out of time";
    EXPECT_EQ(openWhileRunning, 1u);
    EXPECT_EQ(mostHandles, 1u) << "a pulled device's handle was not closed before the next open";
    EXPECT_EQ(fake.openHandles(), 0u);
    EXPECT_EQ(fake.overlaps(), 0u);
    std::sort(resumeMs.begin(), resumeMs.end());
    const double median = resumeMs[resumeMs.size() / 2];
    const double worst = resumeMs.back();
    // Two polls and a tick at the most: one to see the old handle dead, one to open.
    EXPECT_LT(worst, 2 * 20 + 5 + 250.0);
    std::printf("[ figures  ] %zu unplug/replug cycles, replug to first frame: median %.1f ms, max %.1f ms "
                "(poll 20 ms, tick 5 ms); handles open at the end: %u\n",
                resumeMs.size(), median, worst, fake.openHandles());
}
