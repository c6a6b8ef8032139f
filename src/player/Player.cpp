#include "player/Player.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "core/FrameHold.h"
#include "files/CoderTableFile.h"
#include "files/ReadPrefix.h"
#include "files/SettingsFile.h"
#include "output/FrameAssembly.h"
#include "playback/Sequencer.h"
#include "playback/Tempo.h"
#include "player/PlayerLog.h"

namespace korvanel {

namespace {

// The link polls the device once a second; its changes are logged as often, the first at once.
constexpr std::chrono::milliseconds LookInterval{1000};

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

// A file that is there but may not be read is no more a settings file than a missing one: the
// settings reader would take either for an empty file, and the show would play unrecoded.
bool readableFile(const std::string &path) { return readFilePrefix(path, {}).ok(); }

std::string coderProblem(const CoderFileResult &result, const PlayerWords &words)
{
    switch (result.kind) {
    case CoderFileResult::Kind::Missing:
        return words(Say::FileNotFound);
    case CoderFileResult::Kind::TooShort:
        return words(Say::CoderTooShort, {std::to_string(CoderFileSize)});
    default:
        return words(Say::CoderUnreadable, {std::to_string(result.systemError)});
    }
}

} // namespace

Player::Player(PlayerOptions options, PlayerLog &log)
    : m_options(std::move(options)), m_log(log), m_shows(m_options.shows, log.words()), m_outputs(m_options, log)
{
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
        if (!readableFile(m_options.settingsFile)) {
            m_log.error(Say::SettingsUnreadable, {m_options.settingsFile});
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
        m_log.error(Say::CoderNotLoaded, {coder, coderProblem(result, m_log.words())});
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
    for (const std::size_t i : skipped)
        m_log.warning(Say::ShowSkipped, {m_shows.path(i), m_shows.problem(i)});
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
    m_log.info(Say::Rereading);
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

void Player::stop(int signal)
{
    m_log.info(Say::Stopping, {signalName(signal)});
    m_ticker.stop();
    if (m_options.blackoutOnExit) {
        Engine &engine = *m_engine;
        store(engine.live.blackout, 1);
        buildFrame(engine);
        m_outputs.sendFinalFrame(engine.DmxOut);
        m_log.info(Say::BlackoutSent);
    }
    m_outputs.close();
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
    m_ticker.start([this] {
        buildFrame(*m_engine);
        m_outputs.tick(m_engine->DmxOut);
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
    for (;;) {
        now = Clock::now();
        const Clock::time_point wake = m_playing ? std::min(m_clock.deadline(), nextLook) : nextLook;
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(wake - now, Clock::duration{}));
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        const int signal = sigtimedwait(&signals, nullptr, &timeout);
        now = Clock::now();
        if (signal == SIGTERM || signal == SIGINT) {
            stop(signal);
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
    }
}

} // namespace korvanel
