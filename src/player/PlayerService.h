#pragma once
// The player as a systemd service: READY=1 once the output runs, STATUS= with
// the show, the scene and the outputs whenever they change (a few times a
// second at most), STOPPING=1, and RELOADING=1 then READY=1 around a reload.
// Main thread only; without NOTIFY_SOCKET it does nothing.

#include <chrono>
#include <optional>
#include <string>

#include "player/ServiceNotify.h"

namespace korvanel {

class PlayerService {
public:
    using Clock = std::chrono::steady_clock;
    // A status changes with every scene; systemd is told at most this often.
    static constexpr std::chrono::milliseconds StatusSpacing{250};

    explicit PlayerService(NotifySocket socket) : m_socket(std::move(socket)) {}

    bool active() const { return m_socket.active(); }
    bool ready() const { return m_ready; }
    // The first frame has gone out.
    void becomeReady(const std::string &status, Clock::time_point now);
    // The status as it is now; sent at once, or when the spacing allows.
    void setStatus(const std::string &status, Clock::time_point now);
    // When a status held back is due, if one is.
    std::optional<Clock::time_point> nextSend() const;
    void reloading();
    void reloaded(const std::string &status, Clock::time_point now);
    void stopping();

private:
    void sendStatus(const char *before, Clock::time_point now);

    NotifySocket m_socket;
    bool m_ready = false;
    std::string m_status; // the latest
    std::string m_sent;   // the last told
    Clock::time_point m_sentAt{};
};

} // namespace korvanel
