#include "output/OlaOutput.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <ctime>
#include <optional>
#include <pthread.h>
#include <sched.h>
#include <thread>

#include "output/FixedText.h"
#include "output/Futex.h"
#include "output/LatestSlot.h"

namespace korvanel {

using Clock = std::chrono::steady_clock;

// Everything the worker touches lives here, owned jointly by the output and
// the worker, so a worker left behind by stop() never outlives its state.
struct OlaOutput::Shared {
    Shared(std::unique_ptr<OlaClientApi> c, OlaTiming t) : client(std::move(c)), timing(t) {}

    void run();
    bool sendLatest(std::uint16_t universe);
    // `deadline`: the stop's, which the hold ends before; none when switched off.
    void closeGently(std::uint16_t universe, std::optional<Clock::time_point> deadline);
    void holdUntil(Clock::time_point end);
    void tryConnect();
    void lose(Clock::time_point now);
    void stall();
    void askAndHear(Clock::time_point now, std::uint16_t universe);
    void notAnswering();
    void answered();
    void setState(OlaState s) { state.store(s, std::memory_order_relaxed); }
    Clock::time_point clockNow() const { return timing.clock ? timing.clock() : Clock::now(); }
    // Any thread: the worker has been inside a connect or a send for longer than an answer may take.
    bool stuckSince(Clock::time_point now) const
    {
        return inCall.load(std::memory_order_acquire) &&
            now - Clock::time_point(Clock::duration(callSince.load(std::memory_order_relaxed))) > timing.answerLimit;
    }
    // A call into the client that may block as long as a hanging daemon makes it.
    template <typename Call>
    bool blockingCall(Call call)
    {
        callSince.store(clockNow().time_since_epoch().count(), std::memory_order_relaxed);
        inCall.store(true, std::memory_order_release);
        const bool ok = call();
        inCall.store(false, std::memory_order_release);
        return ok;
    }
    // A sleep until a time of a stepped clock ends soon enough to see the next step.
    Clock::duration sleepFor(Clock::duration wanted) const
    {
        return timing.clock ? std::min<Clock::duration>(wanted, std::chrono::milliseconds(1)) : wanted;
    }
    void storePortNames(const std::vector<std::string> &names);

    std::unique_ptr<OlaClientApi> client;
    const OlaTiming timing;

    // The tick touches two places: the frame, and one cache line with all it
    // reads besides. The frame's slots, then when it was published (monotonic
    // ns), in one hand-over.
    static constexpr std::size_t StampAt = OlaSlotCount;
    alignas(64) LatestSlot<OlaSlotCount + 8> frame;
    // Bumped by every frame and every change of the switches; the worker sleeps on it.
    alignas(64) std::atomic<std::uint32_t> wake{0};
    // The worker sleeps until a frame comes: the tick has to wake it. While the
    // frames come at the tick's pace the worker wakes itself just after each is
    // due, and the tick spares the system call, which costs it several times
    // the hand-over itself. Stored only when it changes.
    std::atomic<std::uint8_t> frameWaiter{0};
    // The worker starts waiting for frames behind a barrier on every thread,
    // so the tick needs none before it looks whether to wake it: a locked
    // instruction there waits for all the frame's stores to reach the cache.
    // Set by the worker once the kernel took it on (the registration may take
    // milliseconds, which the program's start must not wait for); until then
    // the tick takes the locked path, which needs no barrier.
    std::atomic<bool> lightTick{false};
    // The switches, from the window.
    std::atomic<std::uint8_t> on{0};
    std::atomic<std::uint16_t> universe{DefaultUniverse};
    std::atomic<std::uint8_t> stopping{0};
    // The stop's deadline (clock ticks), set before `stopping`.
    std::atomic<Clock::rep> stopBy{0};

    // What the worker tells.
    alignas(64) std::atomic<std::uint32_t> finished{0};
    std::atomic<OlaState> state{OlaState::Off};
    // Set once the client's module is refused, after the client has its facts.
    std::atomic<bool> refused{false};
    std::atomic<OlaPorts> ports{OlaPorts::Unknown};
    std::atomic<std::uint16_t> portsUniverse{0};
    std::atomic<std::uint64_t> framesSent{0};
    std::atomic<std::uint32_t> connects{0};
    std::atomic<std::uint32_t> losses{0};
    std::atomic<std::uint32_t> stalls{0};
    std::atomic<std::uint32_t> recoveries{0};
    std::atomic<std::uint8_t> realTime{0};
    // The worker is inside a connect or a send, since callSince (clock ticks):
    // one that does not return is a daemon that does not answer, though the
    // worker cannot say so itself.
    std::atomic<bool> inCall{false};
    std::atomic<Clock::rep> callSince{0};
    LatestSlot<PortNamesBytes> portNames;

    // Worker thread only.
    bool connected = false;
    // The connection (or the one it replaces) is counted in `connects`; its end counts in `losses`.
    bool counted = false;
    // The daemon took no more frames, or a connect to it hung: it is there but
    // does not answer. Frames wait until it answers a question again.
    bool stalled = false;
    std::uint32_t sentSequence = 0;
    // The frame in the slot when the output was switched on: older than the
    // switch (publish skips frames while off), so never sent.
    std::uint32_t staleSequence = 0;
    bool wasOff = true;
    bool resend = false;
    Clock::time_point nextAttempt{};
    Clock::time_point nextCheck{};
    bool asking = false;
    Clock::time_point askedAt{};
    std::uint16_t askedUniverse = 0;
    std::array<std::uint8_t, OlaSlotCount + 8> slots{};
    // The tick's pace as the frames show it: the last one seen and the period.
    std::uint32_t pacedSequence = 0;
    std::int64_t pacedAt = 0;
    std::int64_t periodNs = 0;

    void learnPace(std::uint32_t sequence, std::int64_t at);
    // Frames come at a known pace and the next is due, or only just late.
    bool following(std::int64_t now) const;
    // `follow`: decided at the top of the pass, when the tick was told whether to wake us.
    void waitForFrame(std::uint32_t seen, bool follow, Clock::duration limit);
};

namespace {
// While an answer is awaited the worker looks for it this often, ticks or not.
constexpr std::chrono::milliseconds AnswerPoll{50};
// Switched off, the worker has nothing to do until a switch changes.
constexpr std::chrono::seconds IdleSleep{10};
// Following the tick: the worker looks this long after a frame is due, then
// again at each step, and past the patience it lets the tick wake it.
constexpr std::int64_t FollowLeadNs = 300'000;
constexpr std::int64_t FollowStepNs = 300'000;
constexpr std::int64_t FollowPatienceNs = 2'000'000;
constexpr std::int64_t ShortestPeriodNs = 1'000'000;
constexpr std::int64_t LongestPeriodNs = 1'000'000'000;
// The output tick asks for 10.
constexpr int WorkerPriority = 9;
// The worker ends this long before a stop's deadline, so the stopper sees it end.
constexpr std::chrono::milliseconds StopMargin{10};
// While it waits, the stopper looks this often whether the worker is stuck.
constexpr std::chrono::milliseconds StuckLook{10};

// Where byte b of a word lies in memory.
constexpr unsigned byteShift(std::size_t b)
{
    return static_cast<unsigned>(std::endian::native == std::endian::little ? 8 * b : 56 - 8 * b);
}

std::int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
} // namespace

void OlaOutput::Shared::learnPace(std::uint32_t sequence, std::int64_t at)
{
    // Each publish adds 2 to the sequence; frames replaced in between still count.
    const std::uint32_t frames = (sequence - pacedSequence) / 2;
    if (pacedAt != 0 && frames > 0 && at > pacedAt) {
        const std::int64_t sample = (at - pacedAt) / frames;
        if (sample >= ShortestPeriodNs && sample <= LongestPeriodNs)
            periodNs = periodNs == 0 ? sample : periodNs + (sample - periodNs) / 8;
    }
    pacedSequence = sequence;
    pacedAt = at;
}

bool OlaOutput::Shared::following(std::int64_t now) const
{
    return periodNs != 0 && now < pacedAt + periodNs + FollowPatienceNs;
}

void OlaOutput::Shared::waitForFrame(std::uint32_t seen, bool follow, Clock::duration limit)
{
    // Not to be woken, this sleep must end by itself soon enough to look again.
    if (follow) {
        const std::int64_t now = monotonicNs();
        const std::int64_t due = pacedAt + periodNs + FollowLeadNs;
        limit = std::min<Clock::duration>(limit, std::chrono::nanoseconds(now < due ? due - now : FollowStepNs));
    }
    futexWait(wake, seen, limit);
}

bool OlaOutput::Shared::sendLatest(std::uint16_t universe)
{
    std::uint32_t sequence = 0;
    if (!frame.read(slots, sequence) || sequence == staleSequence)
        return true; // nothing published since switched on
    if (!client->send(universe, std::span<const std::uint8_t, OlaSlotCount>(slots.data(), OlaSlotCount)))
        return false;
    std::int64_t publishedAt = 0;
    std::memcpy(&publishedAt, slots.data() + StampAt, sizeof publishedAt);
    learnPace(sequence, publishedAt);
    sentSequence = sequence;
    resend = false;
    framesSent.fetch_add(1, std::memory_order_relaxed);
    return true;
}

void OlaOutput::Shared::closeGently(std::uint16_t universe, std::optional<Clock::time_point> deadline)
{
    // A daemon that does not answer reads nothing: holding would only keep the stop waiting.
    const bool answering = !stalled && state.load(std::memory_order_relaxed) != OlaState::NotAnswering;
    const std::uint64_t sentBefore = framesSent.load(std::memory_order_relaxed);
    if (connected && answering && sendLatest(universe) && framesSent.load(std::memory_order_relaxed) != sentBefore) {
        Clock::time_point end = clockNow() + timing.closeHold;
        if (deadline)
            end = std::min(end, *deadline - StopMargin);
        holdUntil(end);
    }
    client->disconnect();
    connected = false;
    counted = false;
    stalled = false;
    asking = false;
}

void OlaOutput::Shared::holdUntil(Clock::time_point end)
{
    if (timing.clock) {
        for (Clock::time_point now = clockNow(); now < end; now = clockNow())
            std::this_thread::sleep_for(sleepFor(end - now));
        return;
    }
    const Clock::duration hold = end - Clock::now();
    if (hold <= Clock::duration::zero())
        return;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(hold);
    const timespec rest{static_cast<time_t>(seconds.count()),
                        static_cast<long>(std::chrono::nanoseconds(hold - seconds).count())};
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &rest, nullptr) == EINTR) {}
}

void OlaOutput::Shared::lose(Clock::time_point now)
{
    client->disconnect();
    connected = false;
    asking = false;
    stalled = false;
    if (counted)
        losses.fetch_add(1, std::memory_order_relaxed);
    counted = false;
    ports.store(OlaPorts::Unknown, std::memory_order_relaxed);
    setState(OlaState::NoDaemon);
    nextAttempt = now + timing.retry;
}

void OlaOutput::Shared::stall()
{
    // The daemon's buffers are full: it is there, not gone. A new connection
    // at once, which tells a daemon that has gone meanwhile by its refusal.
    client->disconnect();
    connected = false;
    asking = false;
    stalled = true;
    resend = true;
    nextAttempt = clockNow();
}

void OlaOutput::Shared::notAnswering()
{
    if (state.load(std::memory_order_relaxed) == OlaState::NotAnswering)
        return;
    stalls.fetch_add(1, std::memory_order_relaxed);
    setState(OlaState::NotAnswering);
}

void OlaOutput::Shared::answered()
{
    if (stalled || state.load(std::memory_order_relaxed) == OlaState::NotAnswering)
        recoveries.fetch_add(1, std::memory_order_relaxed);
    if (stalled) {
        stalled = false;
        resend = true;
    }
    // A connection made while the daemon did not answer counts once it does.
    if (!counted) {
        counted = true;
        connects.fetch_add(1, std::memory_order_relaxed);
    }
    setState(OlaState::Connected);
}

void OlaOutput::Shared::tryConnect()
{
    const OlaState before = state.load(std::memory_order_relaxed);
    if (before != OlaState::NoDaemon && before != OlaState::Refused && before != OlaState::NotAnswering)
        setState(OlaState::Connecting);
    const Clock::time_point started = clockNow();
    const bool ok = blockingCall([this] { return client->connect(); });
    // A refusal comes at once; a connect that took this long met a daemon that takes no connections.
    const bool slow = clockNow() - started > timing.answerLimit;
    if (!ok) {
        client->disconnect();
        if (client->unavailable()) {
            refused.store(true, std::memory_order_release);
            setState(OlaState::Refused);
        } else if (slow) {
            notAnswering();
        } else {
            if (counted)
                losses.fetch_add(1, std::memory_order_relaxed);
            counted = false;
            stalled = false;
            ports.store(OlaPorts::Unknown, std::memory_order_relaxed);
            setState(OlaState::NoDaemon);
        }
        nextAttempt = clockNow() + timing.retry;
        return;
    }
    connected = true;
    asking = false;
    nextCheck = clockNow();
    if (slow || stalled) {
        // Connected, but to a daemon that has not answered: the frames wait for its answer.
        stalled = true;
        notAnswering();
        return;
    }
    counted = true;
    connects.fetch_add(1, std::memory_order_relaxed);
    setState(OlaState::Connected);
    // The current frame goes out at once, and the ports are asked for.
    resend = true;
}

void OlaOutput::Shared::storePortNames(const std::vector<std::string> &names)
{
    FixedText<PortNamesBytes - 1> text;
    for (const std::string &name : names) {
        if (!text.empty())
            text.append(", ");
        text.append(name);
    }
    std::array<std::uint8_t, PortNamesBytes> bytes{};
    for (std::size_t i = 0; i < text.view().size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(text.view()[i]);
    portNames.write(bytes);
}

void OlaOutput::Shared::askAndHear(Clock::time_point now, std::uint16_t current)
{
    if (asking) {
        if (std::optional<OlaPortAnswer> answer = client->pollPorts()) {
            asking = false;
            if (!answer->answered && stalled) {
                // The connection closed under a daemon that took no frames: it has gone.
                lose(now);
                return;
            }
            if (answer->answered) {
                storePortNames(answer->outputPorts);
                portsUniverse.store(askedUniverse, std::memory_order_relaxed);
                ports.store(answer->outputPorts.empty() ? OlaPorts::None : OlaPorts::Present,
                            std::memory_order_relaxed);
                answered();
            }
        } else if (now - askedAt > timing.answerLimit) {
            notAnswering();
        }
    }
    if (!asking && (now >= nextCheck || askedUniverse != current)) {
        asking = client->askPorts(current);
        askedAt = now;
        askedUniverse = current;
        nextCheck = now + timing.portCheck;
    }
}

void OlaOutput::Shared::run()
{
    pthread_setname_np(pthread_self(), "korvanel-ola");
    // Just below the output tick, where that is granted: a busy machine then
    // delays neither the frames nor the look after each is due.
    sched_param param{};
    param.sched_priority = WorkerPriority;
    realTime.store(pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0 ? 1 : 0, std::memory_order_relaxed);
    const bool light = processBarrierAvailable();
    lightTick.store(light, std::memory_order_relaxed);
    // Each pass looks at everything once, then sleeps until a frame, a change
    // of a switch or its next deadline. Every sleep is bounded.
    while (true) {
        // Said before `seen` is read: a frame published after that read wakes us.
        const bool follow = connected && following(monotonicNs());
        const std::uint8_t waiting = connected && !stalled && !follow ? 1 : 0;
        if (frameWaiter.load(std::memory_order_relaxed) != waiting) {
            frameWaiter.store(waiting, std::memory_order_seq_cst);
            // After it, a tick either sees the flag or has its frame seen below.
            if (waiting != 0 && light)
                processBarrier();
        }
        // Waiting to be woken, a read-modify-write ordered with the tick's: either
        // the tick sees the flag, or this sees the tick's bump and, through it,
        // its frame. Following the pace, a plain look, which leaves the line to the tick.
        const std::uint32_t seen =
            waiting != 0 ? wake.fetch_add(0, std::memory_order_seq_cst) : wake.load(std::memory_order_seq_cst);
        if (stopping.load(std::memory_order_seq_cst) != 0)
            break;
        const std::uint16_t current = universe.load(std::memory_order_relaxed);
        const Clock::time_point now = clockNow();

        if (on.load(std::memory_order_relaxed) == 0) {
            if (connected)
                closeGently(current, std::nullopt);
            counted = false;
            stalled = false;
            setState(OlaState::Off);
            ports.store(OlaPorts::Unknown, std::memory_order_relaxed);
            wasOff = true;
            futexWait(wake, seen, IdleSleep);
            continue;
        }
        if (wasOff) {
            wasOff = false;
            staleSequence = frame.sequence();
            sentSequence = staleSequence;
            resend = false;
        }

        if (!connected) {
            if (now < nextAttempt) {
                futexWait(wake, seen, sleepFor(nextAttempt - now));
                continue;
            }
            tryConnect();
            continue;
        }

        if (!stalled && (resend || frame.sequence() != sentSequence)) {
            if (!blockingCall([this, current] { return sendLatest(current); })) {
                // Refused while the daemon was not answering: it stalled, and its buffers are full.
                if (state.load(std::memory_order_relaxed) == OlaState::NotAnswering)
                    stall();
                else
                    lose(clockNow());
                continue;
            }
        }
        askAndHear(now, current);
        if (!connected)
            continue;
        if (stalled) {
            // Frames wait for the daemon's answer, which is looked for as often as any.
            futexWait(wake, seen, sleepFor(AnswerPoll));
            continue;
        }
        // Sends follow the frames; an awaited answer is looked for between them.
        const Clock::duration limit = asking ? Clock::duration(AnswerPoll) : nextCheck - now;
        if (!resend && frame.sequence() == sentSequence)
            waitForFrame(seen, follow, sleepFor(limit));
    }

    closeGently(universe.load(std::memory_order_relaxed),
                Clock::time_point(Clock::duration(stopBy.load(std::memory_order_relaxed))));
    finished.store(1, std::memory_order_release);
    futexWakeAll(finished);
}

OlaOutput::OlaOutput(std::unique_ptr<OlaClientApi> client, OlaTiming timing)
    : m_shared(std::make_shared<Shared>(std::move(client), timing))
{
    if (!available())
        m_shared->setState(OlaState::Unavailable);
}

OlaOutput::~OlaOutput() { stop(); }

bool OlaOutput::available() const { return m_shared->client != nullptr; }

void OlaOutput::start()
{
    if (!available() || m_worker.joinable())
        return;
    m_worker = std::thread([shared = m_shared] { shared->run(); });
}

void OlaOutput::stop() { stop(m_shared->clockNow() + m_shared->timing.stopLimit); }

void OlaOutput::stop(Clock::time_point deadline)
{
    if (!m_worker.joinable())
        return;
    Shared &s = *m_shared;
    s.stopBy.store(deadline.time_since_epoch().count(), std::memory_order_relaxed);
    s.stopping.store(1, std::memory_order_seq_cst);
    s.wake.fetch_add(1, std::memory_order_seq_cst);
    futexWakeAll(s.wake);
    for (Clock::time_point now = s.clockNow(); s.finished.load(std::memory_order_acquire) == 0 && now < deadline;
         now = s.clockNow()) {
        // Stuck in a call to a daemon that has not answered for so long: it will not end in time.
        if (s.stuckSince(now))
            break;
        futexWait(s.finished, 0, s.sleepFor(std::min<Clock::duration>(deadline - now, StuckLook)));
    }
    if (s.finished.load(std::memory_order_acquire) != 0) {
        m_worker.join();
    } else {
        m_worker.detach(); // it holds its own share of the state
        m_workerLeftRunning = true;
    }
    s.setState(OlaState::Off);
}

void OlaOutput::publish(const AtomicBytes<DmxFrameSize> &DmxOut)
{
    Shared &s = *m_shared;
    if (s.on.load(std::memory_order_relaxed) == 0)
        return;
    const std::int64_t now = monotonicNs();
    // Slots 1..512, eight to a word, straight from the frame, then the time.
    s.frame.writeWords([&DmxOut, now](std::size_t w) {
        if (w * 8 == Shared::StampAt)
            return static_cast<std::uint64_t>(now);
        // Shifted into place, not gathered in memory: eight byte stores read
        // back as one word stall the load on every word.
        std::uint64_t word = 0;
        for (std::size_t b = 0; b < 8; ++b)
            word |= static_cast<std::uint64_t>(DmxOut.get(1 + w * 8 + b)) << byteShift(b);
        return word;
    });
    if (s.lightTick.load(std::memory_order_relaxed)) {
        std::atomic_signal_fence(std::memory_order_seq_cst);
        if (s.frameWaiter.load(std::memory_order_relaxed) == 0)
            return;
    }
    s.wake.fetch_add(1, std::memory_order_seq_cst);
    if (s.frameWaiter.load(std::memory_order_seq_cst) != 0)
        futexWakeAll(s.wake);
}

void OlaOutput::setEnabled(bool enable)
{
    if (!available())
        return;
    m_shared->on.store(enable ? 1 : 0, std::memory_order_relaxed);
    m_shared->wake.fetch_add(1, std::memory_order_seq_cst);
    futexWakeAll(m_shared->wake);
}

void OlaOutput::setUniverse(std::uint16_t universe)
{
    m_shared->universe.store(universe == 0 ? DefaultUniverse : universe, std::memory_order_relaxed);
    m_shared->wake.fetch_add(1, std::memory_order_seq_cst);
    futexWakeAll(m_shared->wake);
}

bool OlaOutput::enabled() const { return m_shared->on.load(std::memory_order_relaxed) != 0; }

std::uint16_t OlaOutput::universe() const { return m_shared->universe.load(std::memory_order_relaxed); }

const ModuleRefusalFacts *OlaOutput::refusal() const
{
    return m_shared->refused.load(std::memory_order_acquire) ? m_shared->client->refusal() : nullptr;
}

OlaStatus OlaOutput::status() const
{
    const Shared &s = *m_shared;
    OlaStatus status;
    status.state = s.state.load(std::memory_order_relaxed);
    // What the switch and a hanging call say is true before the worker can say it.
    const bool on = s.on.load(std::memory_order_relaxed) != 0 && s.stopping.load(std::memory_order_relaxed) == 0;
    if (!on) {
        // Switched off: the worker's Off comes once it has closed.
    } else if (status.state == OlaState::Off) {
        status.state = OlaState::Connecting;
    } else if (status.state != OlaState::Refused && s.stuckSince(s.clockNow())) {
        status.state = OlaState::NotAnswering;
    }
    status.universe = s.universe.load(std::memory_order_relaxed);
    status.ports = s.ports.load(std::memory_order_relaxed);
    status.portsUniverse = s.portsUniverse.load(std::memory_order_relaxed);
    status.framesSent = s.framesSent.load(std::memory_order_relaxed);
    status.connects = s.connects.load(std::memory_order_relaxed);
    status.losses = s.losses.load(std::memory_order_relaxed);
    status.stalls = s.stalls.load(std::memory_order_relaxed);
    status.recoveries = s.recoveries.load(std::memory_order_relaxed);
    status.realTime = s.realTime.load(std::memory_order_relaxed) != 0;
    std::array<std::uint8_t, PortNamesBytes> bytes{};
    std::uint32_t sequence = 0;
    if (s.portNames.read(bytes, sequence)) {
        std::size_t n = 0;
        while (n < bytes.size() && bytes[n] != 0)
            ++n;
        status.portNames.assign(reinterpret_cast<const char *>(bytes.data()), n);
    }
    return status;
}

} // namespace korvanel
