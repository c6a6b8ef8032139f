#include "player/Player.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <unistd.h>

#include "core/FrameHold.h"
#include "files/CoderTableFile.h"
#include "files/SettingsFile.h"
#include "output/FrameAssembly.h"
#include "playback/Sequencer.h"
#include "playback/Tempo.h"
#include "player/FileProblems.h"
#include "player/PlayerLog.h"

namespace korvanel {

namespace {

// The link polls the device once a second; its changes are logged as often, the first at once.
constexpr std::chrono::milliseconds LookInterval{1000};
// Until the first frame has gone out, the main loop looks this often whether it has.
constexpr std::chrono::milliseconds ReadyLook{5};
// What a stop needs after the outputs have closed: the last lines, the interface closed, the exit.
constexpr std::chrono::milliseconds ExitReserve{30};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "?";
    }
}

} // namespace

Player::Player(PlayerOptions options, PlayerLog &log, const char *notifySocket, const char *watchdogUsec,
               const char *watchdogPid)
    : m_options(std::move(options)), m_log(log), m_shows(m_options.shows, log.words()), m_outputs(m_options, log),
      m_service(NotifySocket(notifySocket))
{
    const std::chrono::microseconds watchdog = watchdogInterval(watchdogUsec, watchdogPid, getpid());
    NotifySocket pings(notifySocket);
    if (pings.active() && watchdog.count() > 0) {
        m_watchdog = WatchdogPing(std::move(pings), watchdog, m_mainAlive);
        m_watchdogInterval = watchdog;
    }
}

Player::~Player() { m_ticker.stop(); }

sigset_t Player::handledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

int Player::tempoInterval() const { return sequencerIntervalMs(m_engine->sys(SysTempo)); }

int Player::loadCoderTable()
{
    std::string coder = m_options.coderFile;
    if (!m_options.settingsFile.empty()) {
        // Named on the command line, so a file that is not there is a mistake, not an empty settings file.
        if (const auto problem = settingsFileProblem(m_options.settingsFile, m_log.words())) {
            m_log.error(Say::SettingsUnreadable, {m_options.settingsFile, *problem});
            return 2;
        }
        const IniSettings settings = ReadIniFile(m_options.settingsFile);
        if (coder.empty())
            coder = settings.Coder;
    }
    if (coder.empty())
        return 0;
    CoderEntries entries{};
    const CoderFileResult result = readCoderTableFile(coder, entries);
    if (!result.ok()) {
        // Levels on the wrong channels are worse than no show: the player does not start.
        m_log.error(Say::CoderNotLoaded, {coder, coderFileProblem(result, m_log.words())});
        return 2;
    }
    setCoderEntries(*m_engine, entries);
    m_log.info(Say::CoderLoaded, {coder});
    return 0;
}

int Player::prepare()
{
    Engine &engine = *m_engine;
    initialiseAtStart(engine);
    ClearAll(engine);
    store(engine.live.fadeMode, static_cast<std::uint8_t>(FadeMode::Automatic));
    if (const int code = loadCoderTable(); code != 0)
        return code;
    for (std::size_t i = 0; i < m_shows.size(); ++i) {
        const std::string problem = m_shows.read(i);
        if (problem.empty())
            continue;
        if (i == 0) {
            m_log.error(Say::FirstShowNotLoaded, {m_shows.path(0), problem});
            return 2;
        }
        m_log.warning(Say::ShowNotLoadedSkipped, {m_shows.path(i), problem});
    }
    return 0;
}

void Player::installShow(std::size_t index)
{
    Engine &engine = *m_engine;
    m_current = index;
    engine.SceneMemory.copyFrom(m_shows.image(index));
    if (m_options.tempo)
        engine.setSys(SysTempo, *m_options.tempo);
    engine.setSys(SysCurrentScene, 0);
    RaschetAdr(engine, 0);
}

void Player::logShow()
{
    const Engine &engine = *m_engine;
    const std::size_t index = m_current;
    m_log.info(Say::ShowPlaying,
               {m_shows.path(index), std::to_string(engine.sys(SysLastScene) + 1),
                std::to_string(clampSequencerTempo(engine.sys(SysTempo))), std::to_string(tempoInterval())});
}

void Player::step(Clock::time_point now)
{
    Engine &engine = *m_engine;
    // With --once the list ends after the last show that plays; everywhere else it goes round.
    const bool ring = !(m_options.once && !m_shows.anyPlayableAfter(m_current));
    std::vector<std::size_t> skipped;
    bool loaded = false;
    SceneAdvance advance;
    {
        // No frame fades toward the old show's scene 0, or a half-copied new one, or by the old steps.
        const FrameHold hold(engine);
        advance = sequencerStep(engine, ring, m_clock.intervalMs(), [this, &skipped, &loaded] {
            const std::size_t next = m_shows.next(m_current, skipped);
            loaded = next != m_current;
            if (loaded)
                installShow(next);
        });
    }
    // A short show goes round several times a second: each problem is told once, not at every turn.
    for (const std::size_t i : skipped) {
        if (m_shows.skipIsNews(i))
            m_log.warning(Say::ShowSkipped, {m_shows.path(i), m_shows.problem(i)});
    }
    if (loaded)
        logShow();
    if (advance == SceneAdvance::Ended) {
        store(engine.PlayMode, 0);
        m_playing = false;
        m_log.info(Say::ShowEnded);
        return;
    }
    // A show loaded at the wrap brings its tempo, from this step on, as in the window.
    m_clock.applyInterval(now, tempoInterval());
}

void Player::reload(Clock::time_point now)
{
    m_service.reloading();
    m_log.info(Say::Rereading);
    reloadShows(now);
    m_service.reloaded(statusText(), now);
}

void Player::reloadShows(Clock::time_point now)
{
    const std::vector<bool> replaced = m_shows.reread(m_log);
    if (!replaced[m_current])
        return;
    // The playing show changes in place: same scene where it still has one, its new levels faded in.
    Engine &engine = *m_engine;
    const FrameHold hold(engine);
    const std::uint8_t scene = engine.currentScene();
    engine.SceneMemory.copyFrom(m_shows.image(m_current));
    if (m_options.tempo)
        engine.setSys(SysTempo, *m_options.tempo);
    const std::uint8_t kept = std::min(scene, engine.sys(SysLastScene));
    engine.setSys(SysCurrentScene, kept);
    RaschetAdr(engine, kept);
    if (m_playing) {
        computeCrossfadeSteps(engine, m_clock.intervalMs());
        m_clock.applyInterval(now, tempoInterval());
    }
}

std::string Player::statusText() const
{
    const Engine &engine = *m_engine;
    const std::string &path = m_shows.path(m_current);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::string show =
        m_log.say(m_playing ? Say::StatusShow : Say::StatusShowOver,
                  {name, std::to_string(engine.currentScene() + 1), std::to_string(engine.sys(SysLastScene) + 1)});
    const std::string outputs = m_outputs.serviceStatus();
    return outputs.empty() ? show : show + "; " + outputs;
}

Player::Clock::time_point Player::tellService(Clock::time_point now)
{
    // The watchdog pings only while this loop goes round too.
    m_mainAlive.store(MonotonicClock::now(), std::memory_order_relaxed);
    Clock::time_point next = now + LookInterval;
    if (m_watchdogInterval.count() > 0)
        next = std::min(next, now + std::chrono::duration_cast<Clock::duration>(m_watchdogInterval / 4));
    if (!m_service.active())
        return next;
    if (!m_service.ready()) {
        if (m_ticker.tickCount() == 0)
            return std::min(next, now + ReadyLook);
        m_service.becomeReady(statusText(), now);
    } else {
        m_service.setStatus(statusText(), now);
    }
    if (const auto due = m_service.nextSend())
        next = std::min(next, *due);
    return next;
}

void Player::stop(int signal, Clock::time_point received)
{
    m_service.stopping();
    m_log.info(Say::Stopping, {signalName(signal)});
    m_ticker.stop();
    if (m_options.blackoutOnExit) {
        Engine &engine = *m_engine;
        store(engine.live.blackout, 1);
        buildFrame(engine);
        m_outputs.sendFinalFrame(engine.DmxOut);
        m_log.info(Say::BlackoutSent);
    }
    // The OLA worker gets what the ticker's last period left of the budget; one stuck in OLA's library is left.
    m_outputs.close(received + StopBudget - ExitReserve);
}

int Player::run()
{
    if (const int code = prepare(); code != 0)
        return code;
    Engine &engine = *m_engine;
    if (!m_outputs.open())
        return 1;
    installShow(0);
    logShow();
    // The first frames hold scene 0, as the window sends a loaded show before Play.
    buildFrame(engine);
    store(engine.PlayMode, 1);
    m_playing = true;

    m_ticker.setRealTimeWanted(m_options.realTime);
    m_mainAlive.store(MonotonicClock::now(), std::memory_order_relaxed);
    m_ticker.start([this] {
        buildFrame(*m_engine);
        m_outputs.tick(m_engine->DmxOut);
        // After the frame is out, and never waiting: a loop that hangs stops the pings.
        m_watchdog.tick(MonotonicClock::now());
    });
    if (m_ticker.priority() == OutputTicker::Priority::RealTime)
        m_log.info(Say::RealTimePriority);
    else if (m_options.realTime)
        m_log.warning(Say::NoRealTimeRight);
    else
        m_log.info(Say::NormalPriority);

    const sigset_t signals = handledSignals();
    Clock::time_point now = Clock::now();
    m_clock.start(now, tempoInterval());
    Clock::time_point nextLook = now;
    Clock::time_point serviceWake = now;
    for (;;) {
        now = Clock::now();
        Clock::time_point wake = std::min(nextLook, serviceWake);
        if (m_playing)
            wake = std::min(wake, m_clock.deadline());
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(wake - now, Clock::duration{}));
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        const int signal = sigtimedwait(&signals, nullptr, &timeout);
        now = Clock::now();
        if (signal == SIGTERM || signal == SIGINT) {
            stop(signal, now);
            return 0;
        }
        if (signal == SIGHUP)
            reload(now);
        if (m_playing && m_clock.due(now))
            step(now);
        if (now >= nextLook) {
            m_outputs.logEvents();
            nextLook = now + LookInterval;
        }
        serviceWake = tellService(now);
    }
}

} // namespace korvanel
