#include "player/ServiceNotify.h"

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <unistd.h>

namespace korvanel {

NotifySocket::NotifySocket(const char *name)
{
    if (name == nullptr)
        return;
    const std::size_t length = std::strlen(name);
    // A path or an abstract name; systemd's other kinds (vsock) are not ours to reach.
    if (length < 2 || (name[0] != '/' && name[0] != '@') || length >= sizeof m_address.sun_path)
        return;
    m_address.sun_family = AF_UNIX;
    std::memcpy(m_address.sun_path, name, length);
    if (name[0] == '@') {
        m_address.sun_path[0] = '\0';
        m_length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length);
    } else {
        m_length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length + 1);
    }
    m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

NotifySocket::~NotifySocket()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

NotifySocket::NotifySocket(NotifySocket &&other) noexcept
    : m_fd(other.m_fd), m_address(other.m_address), m_length(other.m_length)
{
    other.m_fd = -1;
}

NotifySocket &NotifySocket::operator=(NotifySocket &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        m_address = other.m_address;
        m_length = other.m_length;
        other.m_fd = -1;
    }
    return *this;
}

bool NotifySocket::send(std::string_view message) const
{
    if (m_fd < 0)
        return false;
    ssize_t sent = -1;
    do {
        sent = ::sendto(m_fd, message.data(), message.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                        reinterpret_cast<const sockaddr *>(&m_address), m_length);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(message.size());
}

NotifySocket NotifySocket::another() const
{
    NotifySocket copy;
    if (m_fd < 0)
        return copy;
    copy.m_address = m_address;
    copy.m_length = m_length;
    copy.m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    return copy;
}

std::chrono::microseconds watchdogInterval(const char *watchdogUsec, const char *watchdogPid, pid_t self)
{
    const auto number = [](const char *text, std::uint64_t &value) {
        if (text == nullptr || *text == 0)
            return false;
        const char *end = text + std::strlen(text);
        const auto [stop, error] = std::from_chars(text, end, value);
        return error == std::errc() && stop == end;
    };
    std::uint64_t usec = 0;
    if (!number(watchdogUsec, usec) || usec == 0 || usec > std::uint64_t{INT64_MAX} / 1000)
        return std::chrono::microseconds{0};
    // Set for another process (a parent that passed its environment on), it is not ours.
    if (watchdogPid != nullptr && *watchdogPid != 0) {
        std::uint64_t pid = 0;
        if (!number(watchdogPid, pid) || pid != static_cast<std::uint64_t>(self))
            return std::chrono::microseconds{0};
    }
    return std::chrono::microseconds{static_cast<std::int64_t>(usec)};
}

WatchdogPing::WatchdogPing(NotifySocket socket, std::chrono::microseconds interval,
                           const std::atomic<std::int64_t> &mainAlive)
    : m_socket(std::move(socket)), m_interval(interval), m_mainAlive(&mainAlive)
{
}

void WatchdogPing::tick(std::int64_t nowNs)
{
    if (!active() || nowNs < m_next)
        return;
    const std::int64_t intervalNs = m_interval.count() * 1000;
    if (nowNs - m_mainAlive->load(std::memory_order_relaxed) > intervalNs)
        return;
    static constexpr std::string_view Ping = "WATCHDOG=1";
    m_socket.send(Ping);
    m_next = nowNs + intervalNs / 2;
}

} // namespace korvanel
