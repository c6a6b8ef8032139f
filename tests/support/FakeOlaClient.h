#pragma once
// A stand-in for the OLA daemon behind the OLA output's client: it records
// what it is asked and can refuse, fail or hang, as a daemon can. The test
// and the client share it; the client lives as long as the output's worker.

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "output/OlaClientApi.h"

namespace korvanel::test {

using Clock = std::chrono::steady_clock;

struct FakeDaemon {
    std::mutex lock;
    std::condition_variable changed;
    int refuseConnects = 0;   // so many connects fail
    bool hangConnect = false; // connect waits until this is cleared
    bool holdSends = false;   // send waits until this is cleared
    int failSends = 0;        // so many sends fail
    bool answerPorts = true;  // pollPorts answers at once
    int failAnswers = 0;      // so many questions fail, as when the connection closes
    std::vector<std::string> ports{"Dummy Device / Dummy Port"};

    std::vector<Clock::time_point> connectTimes;
    int sendsEntered = 0;
    std::vector<std::array<std::uint8_t, OlaSlotCount>> sent;
    std::vector<std::uint16_t> sentUniverses;
    std::vector<Clock::time_point> sendTimes;
    std::vector<std::uint16_t> asked;
    Clock::time_point lastDisconnect{};
    bool clientGone = false;
    // The times above are of this clock when set (the one the test steps).
    std::function<Clock::time_point()> clock;
    Clock::time_point now() const { return clock ? clock() : Clock::now(); }

    std::size_t sentCount()
    {
        std::lock_guard guard(lock);
        return sent.size();
    }
    void release(bool FakeDaemon::*flag)
    {
        std::lock_guard guard(lock);
        this->*flag = false;
        changed.notify_all();
    }
};

class FakeClient final : public OlaClientApi {
public:
    explicit FakeClient(std::shared_ptr<FakeDaemon> daemon) : m_daemon(std::move(daemon)) {}
    ~FakeClient() override
    {
        std::lock_guard guard(m_daemon->lock);
        m_daemon->clientGone = true;
    }

    bool connect() override
    {
        std::unique_lock guard(m_daemon->lock);
        m_daemon->connectTimes.push_back(m_daemon->now());
        m_daemon->changed.wait(guard, [&] { return !m_daemon->hangConnect; });
        if (m_daemon->refuseConnects > 0) {
            --m_daemon->refuseConnects;
            return false;
        }
        return true;
    }
    void disconnect() override
    {
        std::lock_guard guard(m_daemon->lock);
        m_daemon->lastDisconnect = m_daemon->now();
    }
    bool send(std::uint16_t universe, std::span<const std::uint8_t, OlaSlotCount> frame) override
    {
        std::unique_lock guard(m_daemon->lock);
        ++m_daemon->sendsEntered;
        m_daemon->changed.wait(guard, [&] { return !m_daemon->holdSends; });
        if (m_daemon->failSends > 0) {
            --m_daemon->failSends;
            return false;
        }
        std::array<std::uint8_t, OlaSlotCount> copy{};
        std::copy(frame.begin(), frame.end(), copy.begin());
        m_daemon->sent.push_back(copy);
        m_daemon->sentUniverses.push_back(universe);
        m_daemon->sendTimes.push_back(m_daemon->now());
        return true;
    }
    bool askPorts(std::uint16_t universe) override
    {
        std::lock_guard guard(m_daemon->lock);
        m_daemon->asked.push_back(universe);
        return true;
    }
    std::optional<OlaPortAnswer> pollPorts() override
    {
        std::lock_guard guard(m_daemon->lock);
        if (!m_daemon->answerPorts)
            return std::nullopt;
        if (m_daemon->failAnswers > 0) {
            --m_daemon->failAnswers;
            return OlaPortAnswer{};
        }
        return OlaPortAnswer{true, m_daemon->ports};
    }

private:
    std::shared_ptr<FakeDaemon> m_daemon;
};

} // namespace korvanel::test
