// The OLA output's worker against a stand-in client that records what it is
// asked and can refuse, fail or hang, as a daemon can. The real daemon is in
// tests/ola; here ThreadSanitizer watches the hand-over between the threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "core/AtomicBytes.h"
#include "output/OlaClientApi.h"
#include "output/OlaOutput.h"
#include "support/FakeOlaClient.h"

using namespace korvanel;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using korvanel::test::FakeClient;
using korvanel::test::FakeDaemon;

namespace {

template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit = 3000ms)
{
    const auto end = Clock::now() + limit;
    while (!done() && Clock::now() < end)
        std::this_thread::sleep_for(1ms);
    return done();
}

class OlaWorker : public ::testing::Test {
protected:
    // On a stepped clock the stop's hold and deadline pass only as the clock is stepped.
    ~OlaWorker() override
    {
        std::atomic<bool> stopped{false};
        std::thread stepper([&] {
            while (!stopped) {
                m_ms += 10;
                std::this_thread::sleep_for(1ms);
            }
        });
        output.reset();
        stopped = true;
        stepper.join();
    }

    void make(OlaTiming timing)
    {
        output = std::make_unique<OlaOutput>(std::make_unique<FakeClient>(daemon), timing);
        output->start();
    }
    // A frame whose slot 1 holds `mark` and slot 512 its complement.
    void publish(std::uint8_t mark)
    {
        frame.set(1, mark);
        frame.set(512, static_cast<std::uint8_t>(~mark));
        output->publish(frame);
    }
    std::uint8_t sentMark(std::size_t i)
    {
        std::lock_guard guard(daemon->lock);
        return daemon->sent.at(i)[0];
    }

    // Timing on a clock that moves only when the test steps it; the daemon's times are of it too.
    OlaTiming stepped()
    {
        const auto clock = [ms = &m_ms] { return Clock::time_point(std::chrono::milliseconds(ms->load())); };
        daemon->clock = clock;
        OlaTiming timing;
        timing.clock = clock;
        return timing;
    }
    // Steps the clock 10 ms at a time until done (at most 10 s of it).
    template <typename Done>
    bool stepUntil(Done done)
    {
        for (int i = 0; i < 1000 && !done(); ++i) {
            m_ms += 10;
            std::this_thread::sleep_for(1ms); // the worker's turn to look
        }
        return done();
    }

    std::atomic<std::int64_t> m_ms{0};
    std::shared_ptr<FakeDaemon> daemon = std::make_shared<FakeDaemon>();
    AtomicBytes<DmxFrameSize> frame;
    std::unique_ptr<OlaOutput> output;
};

} // namespace

TEST_F(OlaWorker, ALateFrameIsReplacedNeverQueuedAndFramesFromBeforeTheSwitchNeverGoOut)
{
    make({});
    publish(7); // switched off: never sent
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Connected; }));
    {
        std::lock_guard guard(daemon->lock);
        daemon->holdSends = true;
    }
    publish(1); // the worker takes it and hangs in the send
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return daemon->sendsEntered == 1;
    }));
    publish(2);
    publish(3);
    publish(4);
    daemon->release(&FakeDaemon::holdSends);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 2; }));
    std::this_thread::sleep_for(50ms);
    ASSERT_EQ(daemon->sentCount(), 2u) << "frames 2 and 3 were replaced, not queued";
    EXPECT_EQ(sentMark(0), 1);
    EXPECT_EQ(sentMark(1), 4);
    {
        std::lock_guard guard(daemon->lock);
        EXPECT_EQ(daemon->sent[1][511], static_cast<std::uint8_t>(~4)) << "slots 1..512 of the frame";
        EXPECT_EQ(daemon->sentUniverses[1], 1);
    }
    EXPECT_EQ(output->status().framesSent, 2u);

    // Switched off and on again: the frame from before goes nowhere, the next one does.
    output->setEnabled(false);
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Off; }));
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().connects == 2; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(daemon->sentCount(), 3u) << "the last frame went out once more on switching off, nothing on";
    publish(9);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 4; }));
    EXPECT_EQ(sentMark(3), 9);

    // Frames at a steady pace, then none for a while: the worker, which had
    // been waking itself at the pace, still sends the next frame at once.
    for (std::uint8_t mark = 10; mark < 20; ++mark) {
        publish(mark);
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(waitFor([&] { return sentMark(daemon->sentCount() - 1) == 19; }));
    std::this_thread::sleep_for(200ms);
    const auto count = daemon->sentCount();
    const auto late = Clock::now();
    publish(20);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == count + 1; }));
    EXPECT_LT(Clock::now() - late, 100ms);
    EXPECT_EQ(sentMark(count), 20);
}

TEST_F(OlaWorker, FramesPublishedWithoutPauseGoOutWholeInTheirOrderAndTheLastOneLast)
{
    // Frame n: n in slots 1 and 2, n + k in every other slot k. A copy taken
    // while the next frame is being written mixes two frames and shows it.
    const auto slot = [](std::uint32_t n, std::size_t k) { return static_cast<std::uint8_t>(n + k); };
    const auto number = [](const std::array<std::uint8_t, OlaSlotCount> &sent) {
        return static_cast<std::uint32_t>(sent[0] << 8 | sent[1]);
    };
    make({});
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Connected; }));
    constexpr std::uint32_t Frames = 20'000;
    const auto end = Clock::now() + 2s;
    std::uint32_t last = 0;
    for (std::uint32_t n = 1; n <= Frames && Clock::now() < end; ++n) {
        frame.set(1, static_cast<std::uint8_t>(n >> 8));
        frame.set(2, static_cast<std::uint8_t>(n));
        for (std::size_t k = 3; k <= OlaSlotCount; ++k)
            frame.set(k, slot(n, k));
        output->publish(frame);
        last = n;
    }
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return !daemon->sent.empty() && number(daemon->sent.back()) == last;
    })) << "the last frame published is the last one sent";
    std::lock_guard guard(daemon->lock);
    std::uint32_t before = 0;
    std::size_t older = 0;
    std::size_t torn = 0;
    for (const auto &sent : daemon->sent) {
        const std::uint32_t n = number(sent);
        older += n <= before ? 1 : 0;
        before = n;
        for (std::size_t k = 3; k <= OlaSlotCount; ++k)
            torn += sent[k - 1] != slot(n, k) ? 1 : 0;
    }
    EXPECT_EQ(older, 0u) << "never an older frame, never one twice";
    EXPECT_EQ(torn, 0u) << "slots from another frame";
}

TEST_F(OlaWorker, RetriesOnceAPeriodAndResendsTheCurrentFrameAtOnceAfterAReconnect)
{
    OlaTiming timing = stepped();
    timing.retry = 200ms;
    daemon->refuseConnects = 2;
    make(timing);
    output->setEnabled(true);
    // Published once the worker has seen the switch: a frame from before it is never sent.
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return !daemon->connectTimes.empty();
    }));
    publish(5);
    ASSERT_TRUE(stepUntil([&] { return output->status().state == OlaState::Connected; }));
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 1; })) << "the current frame, with no new tick";
    EXPECT_EQ(sentMark(0), 5);
    {
        std::lock_guard guard(daemon->lock);
        ASSERT_EQ(daemon->connectTimes.size(), 3u);
        EXPECT_GE(daemon->connectTimes[1] - daemon->connectTimes[0], 200ms);
        EXPECT_GE(daemon->connectTimes[2] - daemon->connectTimes[1], 200ms);
        daemon->failSends = 1;
        daemon->refuseConnects = 1;
    }

    // The daemon goes away mid-stream: one failed send, a refused retry, then back.
    publish(6);
    ASSERT_TRUE(waitFor([&] { return output->status().losses == 1; }));
    EXPECT_EQ(output->status().state, OlaState::NoDaemon);
    ASSERT_TRUE(stepUntil([&] { return output->status().connects == 2; }));
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 2; }));
    EXPECT_EQ(sentMark(1), 6) << "the frame the failed send carried goes out first after the reconnect";
    std::lock_guard guard(daemon->lock);
    ASSERT_EQ(daemon->connectTimes.size(), 5u);
    EXPECT_GE(daemon->connectTimes[4] - daemon->connectTimes[3], 200ms);
    EXPECT_LE(daemon->sendTimes[1] - daemon->connectTimes[4], 150ms);
}

TEST_F(OlaWorker, PortsAreAskedForAndAnUnansweredQuestionShows)
{
    OlaTiming timing = stepped();
    timing.portCheck = 300ms;
    make(timing);
    output->setUniverse(0); // no universe 0 in the group's range: the default
    EXPECT_EQ(output->universe(), 1);
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().ports == OlaPorts::Present; }));
    OlaStatus status = output->status();
    EXPECT_EQ(status.portsUniverse, 1);
    EXPECT_EQ(status.portNames, "Dummy Device / Dummy Port");

    {
        std::lock_guard guard(daemon->lock);
        daemon->ports.clear();
    }
    output->setUniverse(7); // asked about at once: the clock does not move to the next check
    ASSERT_TRUE(waitFor([&] { return output->status().portsUniverse == 7; }));
    EXPECT_EQ(output->status().ports, OlaPorts::None);
    EXPECT_EQ(output->status().portNames, "");
    publish(3);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return !daemon->sentUniverses.empty() && daemon->sentUniverses.back() == 7;
    }));

    {
        std::lock_guard guard(daemon->lock);
        daemon->answerPorts = false;
    }
    ASSERT_TRUE(stepUntil([&] { return output->status().state == OlaState::NotAnswering; }));
    {
        std::lock_guard guard(daemon->lock);
        daemon->answerPorts = true;
    }
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Connected; }));
}

TEST_F(OlaWorker, AHungDaemonIsNotAnsweringNeverMissingItsFramesWaitForItAndItsReturnIsTold)
{
    make(stepped()); // an answer is due within a second
    {
        std::lock_guard guard(daemon->lock);
        daemon->hangConnect = true;
        daemon->answerPorts = false;
    }
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return !daemon->connectTimes.empty();
    }));
    m_ms += 900;
    EXPECT_EQ(output->status().state, OlaState::Connecting);
    m_ms += 200;
    EXPECT_EQ(output->status().state, OlaState::NotAnswering) << "a connect that hangs, told while it hangs";

    // The connect returns at last, to a daemon that answers nothing: the frames wait for it.
    daemon->release(&FakeDaemon::hangConnect);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return !daemon->asked.empty();
    }));
    publish(5);
    for (int i = 0; i < 20; ++i) {
        m_ms += 10;
        std::this_thread::sleep_for(1ms);
    }
    OlaStatus status = output->status();
    EXPECT_EQ(status.state, OlaState::NotAnswering);
    EXPECT_EQ(daemon->sentCount(), 0u);
    EXPECT_EQ(status.connects, 0u) << "no daemon found while none answers";
    EXPECT_EQ(status.stalls, 1u);
    {
        std::lock_guard guard(daemon->lock);
        daemon->answerPorts = true;
    }
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 1; })) << "the frame that waited, at its answer";
    EXPECT_EQ(sentMark(0), 5);
    status = output->status();
    EXPECT_EQ(status.state, OlaState::Connected);
    EXPECT_EQ(status.connects, 1u);
    EXPECT_EQ(status.recoveries, 1u);

    // Stalled mid-stream: no answers, then its buffers are full and a send fails.
    {
        std::lock_guard guard(daemon->lock);
        daemon->answerPorts = false;
    }
    publish(6);
    ASSERT_TRUE(stepUntil([&] { return output->status().state == OlaState::NotAnswering; }));
    std::size_t connectsBefore = 0;
    {
        std::lock_guard guard(daemon->lock);
        daemon->failSends = 1;
        connectsBefore = daemon->connectTimes.size();
    }
    publish(7);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(daemon->lock);
        return daemon->connectTimes.size() == connectsBefore + 1;
    })) << "connected again at once, the clock standing";
    const std::size_t sentBefore = daemon->sentCount();
    publish(8);
    for (int i = 0; i < 20; ++i) {
        m_ms += 10;
        std::this_thread::sleep_for(1ms);
    }
    status = output->status();
    EXPECT_EQ(status.state, OlaState::NotAnswering) << "a daemon that takes no frames is not a missing one";
    EXPECT_EQ(status.losses, 0u);
    EXPECT_EQ(status.stalls, 2u);
    EXPECT_EQ(daemon->sentCount(), sentBefore) << "frames wait while it does not answer";

    // Then it goes: the closed connection fails the question, and connects are refused.
    {
        std::lock_guard guard(daemon->lock);
        daemon->answerPorts = true;
        daemon->failAnswers = 1;
        daemon->refuseConnects = 1;
    }
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::NoDaemon; }));
    EXPECT_EQ(output->status().losses, 1u);
    ASSERT_TRUE(stepUntil([&] { return output->status().connects == 2; }));
    ASSERT_TRUE(waitFor([&] { return sentMark(daemon->sentCount() - 1) == 8; })) << "the latest frame, once back";
    EXPECT_EQ(output->status().recoveries, 1u) << "a daemon found again is no recovery from a stall";
}

TEST_F(OlaWorker, StopSendsTheLastFrameHoldsTheConnectionAndNeverWaitsPastItsDeadline)
{
    make({});
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Connected; }));
    publish(1);
    publish(2);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() >= 1; }));
    output->stop();
    EXPECT_FALSE(output->workerLeftRunning());
    {
        std::lock_guard guard(daemon->lock);
        ASSERT_GE(daemon->sent.size(), 2u);
        EXPECT_EQ(daemon->sent.back()[0], 2) << "the last frame is sent at exit";
        EXPECT_GE(daemon->lastDisconnect - daemon->sendTimes.back(), 95ms) << "held before closing";
    }

    // On a clock the test steps: a deadline 40 ms away cuts the 100 ms hold short, and the worker ends in time.
    const auto stopInThread = [this](OlaOutput &target, std::int64_t deadlineMs, std::atomic<bool> &stopped) {
        return std::thread([&target, deadlineMs, &stopped] {
            target.stop(Clock::time_point(std::chrono::milliseconds(deadlineMs)));
            stopped = true;
        });
    };
    daemon = std::make_shared<FakeDaemon>();
    make(stepped());
    output->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return output->status().state == OlaState::Connected; }));
    publish(3);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 1; }));
    std::atomic<bool> stopped{false};
    const std::int64_t deadline = m_ms + 40;
    std::thread stopper = stopInThread(*output, deadline, stopped);
    ASSERT_TRUE(waitFor([&] { return daemon->sentCount() == 2; })) << "the last frame again, at the stop";
    for (int i = 0; i < 100 && !stopped; ++i) {
        m_ms += 1;
        std::this_thread::sleep_for(1ms);
    }
    stopper.join();
    EXPECT_FALSE(output->workerLeftRunning());
    {
        std::lock_guard guard(daemon->lock);
        EXPECT_GE(daemon->lastDisconnect - daemon->sendTimes.back(), 25ms);
        EXPECT_LT(daemon->lastDisconnect, Clock::time_point(std::chrono::milliseconds(deadline)));
    }

    // A daemon that hangs the connect: stop gives up on the worker at its deadline, not before.
    auto hung = std::make_shared<FakeDaemon>();
    hung->hangConnect = true;
    OlaTiming timing = stepped();
    auto stuck = std::make_unique<OlaOutput>(std::make_unique<FakeClient>(hung), timing);
    stuck->start();
    stuck->setEnabled(true);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(hung->lock);
        return !hung->connectTimes.empty();
    }));
    EXPECT_EQ(stuck->status().state, OlaState::Connecting);
    stopped = false;
    stopper = stopInThread(*stuck, m_ms + 150, stopped);
    m_ms += 140;
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(stopped) << "the stop waits for the worker until its deadline";
    m_ms += 20;
    EXPECT_TRUE(waitFor([&] { return stopped.load(); }));
    stopper.join();
    EXPECT_TRUE(stuck->workerLeftRunning()) << "the program must end without static destructors";
    stuck.reset();

    // Stuck past the time an answer may take: the stop does not wait for it at all.
    auto deaf = std::make_unique<OlaOutput>(std::make_unique<FakeClient>(hung), timing);
    deaf->start();
    deaf->setEnabled(true);
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard guard(hung->lock);
        return hung->connectTimes.size() == 2;
    }));
    m_ms += 1100;
    ASSERT_EQ(deaf->status().state, OlaState::NotAnswering);
    stopped = false;
    stopper = stopInThread(*deaf, m_ms + 150, stopped);
    EXPECT_TRUE(waitFor([&] { return stopped.load(); })) << "the clock standing, the stop did not wait";
    m_ms += 200; // ends a stop that waited after all
    stopper.join();
    EXPECT_TRUE(deaf->workerLeftRunning());
    deaf.reset();
    // Once the connect returns, the worker left behind ends and frees its client.
    hung->release(&FakeDaemon::hangConnect);
    EXPECT_TRUE(waitFor([&] {
        std::lock_guard guard(hung->lock);
        return hung->clientGone;
    }));
}

// A korvanel-ola.so of another version or build beside a newer program: refused
// before anything of it is called (its entry aborts), for good, with the facts
// the window and the player word, and the output says it is unavailable, as
// without the module.
TEST(OlaModule, AModuleOfAnotherVersionOrBuildIsRefusedOnceAndTheOutputRunsOnWithoutIt)
{
    struct Case {
        const char *file;
        ModuleRefusal why;
    };
    const Case cases[] = {
        {"fake_ola_old_interface.so", ModuleRefusal::OtherInterface},
        {"fake_module_no_info.so", ModuleRefusal::NoInfo},
        {"fake_ola_other_build.so", ModuleRefusal::OtherBuild},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = std::string(FAKE_MODULES_FOLDER) + "/" + c.file;
        std::unique_ptr<OlaClientApi> client = makeOlaClientFromModule(path);
        if (!client)
            GTEST_SKIP() << "built without OLA's library";
        EXPECT_EQ(client->refusal(), nullptr) << "not asked yet";
        EXPECT_FALSE(client->connect());
        EXPECT_FALSE(client->connect());
        EXPECT_TRUE(client->unavailable());
        ASSERT_NE(client->refusal(), nullptr);
        EXPECT_EQ(client->refusal()->reason, c.why);
        EXPECT_EQ(client->refusal()->path, path);
        if (c.why == ModuleRefusal::OtherInterface) {
            EXPECT_EQ(client->refusal()->found, 0);
            EXPECT_EQ(client->refusal()->wanted, OlaClientInterfaceVersion);
        }

        OlaOutput output(makeOlaClientFromModule(path));
        EXPECT_EQ(output.refusal(), nullptr);
        output.start();
        output.setEnabled(true);
        EXPECT_TRUE(waitFor([&] { return output.status().state == OlaState::Refused; }));
        ASSERT_NE(output.refusal(), nullptr);
        EXPECT_EQ(output.refusal()->reason, c.why);
        output.stop();
        EXPECT_FALSE(output.workerLeftRunning());
    }
}
