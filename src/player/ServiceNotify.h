#pragma once
// Tells systemd how the service is doing (sd_notify(3)'s protocol, without
// libsystemd): one datagram per message to the unix socket named in
// NOTIFY_SOCKET, a name starting with '@' being in the abstract namespace.
// Without NOTIFY_SOCKET nothing is sent. A send never waits: a message the
// socket cannot take now is lost, as a late one would be worthless.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string_view>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>

namespace korvanel {

// Where the messages go, and the socket they leave by.
class NotifySocket {
public:
    NotifySocket() = default;
    // `name`: NOTIFY_SOCKET's value, or null.
    explicit NotifySocket(const char *name);
    ~NotifySocket();
    NotifySocket(NotifySocket &&other) noexcept;
    NotifySocket &operator=(NotifySocket &&other) noexcept;
    NotifySocket(const NotifySocket &) = delete;
    NotifySocket &operator=(const NotifySocket &) = delete;

    bool active() const { return m_fd >= 0; }
    // One message ("READY=1", "STATUS=...", several lines "A=1\nB=2"). Allocates nothing.
    bool send(std::string_view message) const;
    // Another socket to the same place, for another thread to use alone.
    NotifySocket another() const;

private:
    int m_fd = -1;
    sockaddr_un m_address{};
    socklen_t m_length = 0;
};

// The watchdog systemd asks for: WATCHDOG_USEC, for this process (WATCHDOG_PID) only.
std::chrono::microseconds watchdogInterval(const char *watchdogUsec, const char *watchdogPid, pid_t self);

// The output thread's watchdog ping: WATCHDOG=1 at half the interval, from the
// output loop itself, so that a loop that hangs stops the pings and systemd
// restarts the service. The main loop stamps `mainAlive` on every pass; a main
// loop silent for a whole interval stops them too. Allocates nothing; the
// socket is its own, used by the output thread alone once it runs.
class WatchdogPing {
public:
    WatchdogPing() = default;
    WatchdogPing(NotifySocket socket, std::chrono::microseconds interval, const std::atomic<std::int64_t> &mainAlive);

    bool active() const { return m_socket.active() && m_interval.count() > 0; }
    std::chrono::microseconds interval() const { return m_interval; }
    // Output thread, every tick: `nowNs` on CLOCK_MONOTONIC.
    void tick(std::int64_t nowNs);

private:
    NotifySocket m_socket;
    std::chrono::microseconds m_interval{0};
    const std::atomic<std::int64_t> *m_mainAlive = nullptr;
    std::int64_t m_next = 0;
};

} // namespace korvanel
