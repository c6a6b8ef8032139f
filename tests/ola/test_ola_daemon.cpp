// The OLA output against a real private daemon: the frames of the real
// output tick, beside the USB link on the fake D2XX library, and a daemon
// that is killed mid-stream and started again.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "core/Engine.h"
#include "output/D2xxLibrary.h"
#include "output/FrameAssembly.h"
#include "output/OlaOutput.h"
#include "output/OutputTicker.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"

using namespace korvanel;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using olatest::OlaDaemon;
using olatest::Slots;

namespace {

template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (!done() && Clock::now() < end)
        std::this_thread::sleep_for(2ms);
    return done();
}

// Slots 1..512 of a wire frame: FF F0, the 513 bytes with FF sent as FF F7, FF F1 FF FF.
Slots usbSlots(const std::vector<std::uint8_t> &wire)
{
    std::vector<std::uint8_t> frame;
    for (std::size_t i = 2; i < wire.size() && frame.size() < DmxFrameSize; ++i) {
        frame.push_back(wire[i]);
        if (wire[i] == 0xFF)
            ++i; // its F7
    }
    Slots slots{};
    if (frame.size() == DmxFrameSize)
        std::copy(frame.begin() + 1, frame.end(), slots.begin());
    return slots;
}

class OlaDaemonOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!olatest::olaTestsUnavailable().empty())
            GTEST_SKIP() << olatest::olaTestsUnavailable();
        initialiseAtStart(*engine);
        ClearAll(*engine);
    }
    void startTicker(UsbLink *usb = nullptr)
    {
        ticker.start([this, usb] {
            buildFrame(*engine);
            ola.publish(engine->DmxOut);
            if (usb != nullptr)
                usb->outputTick(engine->DmxOut);
        });
    }
    void TearDown() override
    {
        ticker.stop();
        ola.stop();
    }

    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    OlaOutput ola{makeOlaClient()};
    OutputTicker ticker;
};

} // namespace

TEST_F(OlaDaemonOutput, FramesOfTheRealTickArriveEqualToTheUsbFrameOfTheSameTick)
{
    FakeD2xx fake;
    fake.plug(1);
    auto library = D2xxLibrary::load(FakeD2xx::besideProgram()).library;
    ASSERT_NE(library, nullptr);
    UsbLink usb(*library);
    usb.InitUsbDevise();
    OlaDaemon daemon;
    ASSERT_EQ(daemon.start(), "");

    ola.setEnabled(true);
    ola.start();
    startTicker(&usb);
    // The show changes all the time, out of step with the tick: every frame differs.
    std::atomic<bool> playing{true};
    std::thread operatorHand([&] {
        for (int k = 1; playing && k < 2000; ++k) {
            for (std::size_t c = 1; c <= 255; ++c)
                engine->SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c * 7 + k));
            std::this_thread::sleep_for(13ms);
        }
    });
    // The link opens the device at its first poll, a second after start.
    ASSERT_TRUE(waitFor([&] { return fake.writeCount() >= 5; }, 3000ms));
    ASSERT_TRUE(waitFor([] { return OlaDaemon::fetch(1).value_or(Slots{})[0] != 0; }, 3000ms));

    // What the daemon holds is, slot for slot, one of the frames the USB link wrote.
    for (int sample = 0; sample < 5; ++sample) {
        const auto held = OlaDaemon::fetch(1);
        ASSERT_TRUE(held.has_value());
        const auto writes = fake.writeCount();
        bool found = false;
        for (unsigned long long i = writes > 20 ? writes - 20 : 0; i < writes && !found; ++i)
            found = usbSlots(fake.write(i).bytes) == *held;
        EXPECT_TRUE(found) << "sample " << sample;
        std::this_thread::sleep_for(37ms);
    }
    playing = false;
    operatorHand.join();
    std::this_thread::sleep_for(120ms); // a few ticks of the show at rest

    // The last tick's frame: the one the daemon keeps once the output has stopped.
    ticker.stop();
    ola.stop();
    const auto last = OlaDaemon::fetch(1);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(*last, usbSlots(fake.lastWrite().bytes));
    EXPECT_EQ(static_cast<std::uint8_t>((*last)[1] - (*last)[0]), 7) << "a frame of the show at rest";
    EXPECT_GE(ola.status().framesSent, 10u);
    usb.CloseUsbDevise();
}

TEST_F(OlaDaemonOutput, KilledMidStreamAndStartedAgainFramesResumeWithinTwoSecondsWithTheCurrentFrame)
{
    OlaDaemon daemon;
    ASSERT_EQ(daemon.start(), "");
    engine->SceneMemory.set(sceneByte(0, 1), 10);
    ola.setEnabled(true);
    ola.start();
    startTicker();
    ASSERT_TRUE(waitFor([] { return OlaDaemon::fetch(1).value_or(Slots{})[0] == 10; }, 3000ms));

    daemon.kill();
    ASSERT_TRUE(waitFor([&] { return ola.status().state == OlaState::NoDaemon; }, 2000ms));
    engine->SceneMemory.set(sceneByte(0, 1), 77); // the frame moves on while the daemon is away
    ASSERT_EQ(daemon.start(), "");
    const auto restarted = Clock::now();
    ASSERT_TRUE(waitFor([] { return OlaDaemon::fetch(1, 200ms).value_or(Slots{})[0] == 77; }, 3000ms));
    EXPECT_LE(Clock::now() - restarted, 2000ms);
    const OlaStatus status = ola.status();
    EXPECT_EQ(status.state, OlaState::Connected);
    EXPECT_EQ(status.losses, 1u);
    EXPECT_EQ(status.connects, 2u);
}
