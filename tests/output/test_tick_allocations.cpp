// Counts heap allocations made while frames are built: a tick must make none.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "core/Engine.h"
#include "output/D2xxLibrary.h"
#include "output/FrameAssembly.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"

// The replacement pairs malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
} // namespace

void *operator new(std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

using namespace korvanel;

TEST(TickAllocations, AFrameWithEveryOverlayOnAllocatesNothing)
{
    auto engine = std::make_unique<Engine>();
    Engine &e = *engine;
    initialiseAtStart(e);
    ClearAll(e);
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        e.live.pictures.set(k, 1);
        e.SceneMemory.set(pictureFlag(k, 1 + k), 1);
    }
    e.SceneMemory.set(selectionByte(40), 1);
    store(e.live.manual, 1);
    e.live.faderChecked.set(1, 1);
    store(e.live.HandScanActive, 1);
    store(e.Avtomat1Running, 1);
    store(e.Avtomat2Running, 1);
    store(e.live.blackout, 1);
    store(e.live.macrosDown, 1);

    // Proves the counter works before trusting a zero.
    counting = true;
    auto probe = std::make_unique<int>(1);
    counting = false;
    ASSERT_EQ(allocations.load(), 1);

    allocations = 0;
    counting = true;
    for (int i = 0; i < 1000; ++i)
        buildFrame(e);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

TEST(TickAllocations, SendingAFrameAllocatesNothingEvenWhenTheWriteFailsAndThePollReopens)
{
    FakeD2xx fake;
    auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
    ASSERT_NE(loaded.library, nullptr);
    auto link = std::make_unique<UsbLink>(*loaded.library);
    auto engine = std::make_unique<Engine>();
    engine->DmxOut.fill(255);
    fake.plug(1);
    link->InitUsbDevise();
    link->TimerPollingTimer();
    ASSERT_EQ(link->state(), LinkState::Sending);

    allocations = 0;
    counting = true;
    for (int i = 0; i < 100; ++i)
        link->SendToUsb(engine->DmxOut);
    fake.failNext("FT_Write", ft::IoError);
    link->SendToUsb(engine->DmxOut);
    const LinkState afterFailure = link->state();
    link->TimerPollingTimer();
    link->SendToUsb(engine->DmxOut);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
    EXPECT_EQ(afterFailure, LinkState::Stalled);
    EXPECT_EQ(link->state(), LinkState::Sending);
    EXPECT_EQ(fake.writeCount(), 101u);
}
