// The link driven by the real output thread while the test thread plugs and
// unplugs the device, toggles demo mode and reads what the window reads. The
// fake library counts overlapping calls; ThreadSanitizer watches the rest.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

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
        const UsbLinkTexts texts = link.publishedTexts();
        EXPECT_FALSE(texts.UsbCountText.empty());
        sawSending = sawSending || link.state() == LinkState::Sending;
        engine->SceneMemory.set(sceneByte(0, 1), static_cast<std::uint8_t>(round));
        std::this_thread::sleep_for(10ms);
    }

    // A passing write fault: the output thread reopens while this thread looks on as the window does.
    fake.plug(1);
    link.setDemoMode(false);
    const auto waitFor = [](auto done) {
        for (int i = 0; i < 300 && !done(); ++i)
            std::this_thread::sleep_for(10ms);
        return done();
    };
    ASSERT_TRUE(waitFor([&] { return link.state() == LinkState::Sending; }));
    const std::uint32_t faultsBefore = link.WriteFaults.load();
    fake.failNext("FT_Write", ft::IoError);
    ASSERT_TRUE(waitFor([&] { return link.WriteFaults.load() > faultsBefore; }));
    const auto afterReopen = fake.writeCount();
    EXPECT_TRUE(waitFor([&] { return fake.writeCount() > afterReopen + 3; })) << "frames resume by themselves";
    EXPECT_EQ(link.publishedTexts().UsbWriteFaultText.view(), " - Ошибка ввода-вывода...");

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
