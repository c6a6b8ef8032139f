// The hand-over from the MIDI system's thread to the window's: a flood never
// holds the window's thread, and messages that come while a command runs an
// event loop of its own (a message box) are handled once each, in order.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <numeric>
#include <thread>

#include "ui/midi/MidiLink.h"

using namespace korvanel;

namespace {
void controlChange(MidiPortsApi::Receiver &system, int value)
{
    const std::uint8_t bytes[] = {0xB0, 100, static_cast<std::uint8_t>(value % 128)};
    system.received(bytes, sizeof bytes);
}
} // namespace

TEST(MidiLink, AFloodIsHandledAFewMessagesATurnOfTheEventLoop)
{
    MidiLink link(nullptr, "/nonexistent/korvanel-midi.so");
    std::size_t seen = 0;
    std::size_t beforeTheNextEvent = 0;
    QObject::connect(&link, &MidiLink::message, [&](const MidiMessage &) {
        // Another event, posted while the first message is handled.
        if (++seen == 1)
            QTimer::singleShot(0, [&] { beforeTheNextEvent = seen; });
    });
    for (int n = 0; n < 500; ++n)
        controlChange(link, n);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen == 500; }, 5000)) << seen;
    EXPECT_EQ(beforeTheNextEvent, MidiLink::PerTurn);
}

TEST(MidiLink, MessagesThatComeWhileACommandShowsADialogAreHandledOnceAndInOrder)
{
    MidiLink link(nullptr, "/nonexistent/korvanel-midi.so");
    std::vector<int> seen;
    QObject::connect(&link, &MidiLink::message, [&](const MidiMessage &m) {
        seen.push_back(m.value);
        if (seen.size() == 1) {
            QEventLoop dialog;
            QTimer::singleShot(200, &dialog, &QEventLoop::quit);
            dialog.exec();
        }
    });
    // As a hand moves a fader: some before the box opens, most while it is open.
    std::thread hand([&] {
        for (int n = 0; n < 100; ++n) {
            controlChange(link, n);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 100; }, 5000)) << seen.size();
    hand.join();
    QTest::qWait(20);
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(seen, expected);
}
