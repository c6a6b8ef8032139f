// Messages from the MIDI system's thread to the window's: in order, a bounded
// number per turn, one wake-up for a burst, and a full ring drops and counts.
#include <gtest/gtest.h>

#include <poll.h>
#include <thread>
#include <vector>

#include "control/midi/MidiInbox.h"

using namespace korvanel;

namespace {
bool awake(const MidiInbox &inbox)
{
    pollfd p{inbox.wakeDescriptor(), POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}
MidiBytes cc(int n) { return {0xB0, static_cast<std::uint8_t>(n % 128), static_cast<std::uint8_t>(n / 128 % 128)}; }
} // namespace

TEST(MidiInbox, ABurstWakesOnceAndIsTakenInOrderAFewAtATime)
{
    MidiInbox inbox;
    ASSERT_GE(inbox.wakeDescriptor(), 0);
    EXPECT_FALSE(awake(inbox));
    for (int n = 0; n < 10; ++n)
        inbox.push(cc(n));
    inbox.push(std::vector<std::uint8_t>{0xC0, 5});
    EXPECT_EQ(inbox.dropped(), 0u) << "a program change is no loss";
    EXPECT_TRUE(awake(inbox));

    std::vector<MidiBytes> got;
    EXPECT_EQ(inbox.take(4, [&](const MidiBytes &m) { got.push_back(m); }), 4u);
    EXPECT_FALSE(awake(inbox)) << "the taker looks again by itself while some are left";
    EXPECT_FALSE(inbox.empty());
    inbox.take(100, [&](const MidiBytes &m) { got.push_back(m); });
    ASSERT_EQ(got.size(), 10u) << "the program change was not kept";
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(got[static_cast<std::size_t>(n)], cc(n));

    for (std::size_t n = 0; n < MidiInbox::Capacity + 5; ++n)
        inbox.push(cc(1));
    EXPECT_EQ(inbox.dropped(), 5u) << "a full ring drops the newest";
}

TEST(MidiInbox, EveryMessageFromTheWriterThreadArrivesAndNoneWaitsWithoutAWakeUp)
{
    MidiInbox inbox;
    constexpr int Bursts = 200;
    constexpr int Burst = 100;
    std::jthread writer([&] {
        for (int b = 0; b < Bursts; ++b) {
            for (int n = 0; n < Burst; ++n)
                inbox.push(cc(b * Burst + n));
            // Bounded: a reader that stopped ends the test, not this thread.
            for (int spins = 0; !inbox.empty() && spins < 2'000'000; ++spins)
                std::this_thread::yield();
        }
    });
    int next = 0;
    while (next < Bursts * Burst) {
        pollfd p{inbox.wakeDescriptor(), POLLIN, 0};
        if (::poll(&p, 1, 5000) != 1) {
            ADD_FAILURE() << "no wake-up with " << (inbox.empty() ? "nothing" : "messages") << " waiting, at " << next;
            break;
        }
        inbox.take(64, [&](const MidiBytes &m) { EXPECT_EQ(m, cc(next++)); });
        while (!inbox.empty())
            inbox.take(64, [&](const MidiBytes &m) { EXPECT_EQ(m, cc(next++)); });
    }
    EXPECT_EQ(inbox.dropped(), 0u);
}
