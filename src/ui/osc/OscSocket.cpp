#include "ui/osc/OscSocket.h"

#include <QSocketNotifier>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvanel {

OscSocket::OscSocket(QObject *parent) : QObject(parent) {}

OscSocket::~OscSocket() { close(); }

int OscSocket::open(std::uint16_t port, bool network)
{
    close();
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return errno;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(network ? INADDR_ANY : INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    // Port 0 asks the system for one: the port is the one bound.
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    m_fd = fd;
    m_port = ntohs(address.sin_port);
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &OscSocket::readable);
    return 0;
}

void OscSocket::close()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_port = 0;
}

std::optional<OscSocket::Datagram> OscSocket::receive(std::span<std::uint8_t> buffer)
{
    if (m_fd < 0)
        return std::nullopt;
    for (;;) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        // MSG_TRUNC: the size as sent, so that a datagram too large for the buffer is known as such.
        const ssize_t n =
            ::recvfrom(m_fd, buffer.data(), buffer.size(), MSG_TRUNC, reinterpret_cast<sockaddr *>(&from), &length);
        if (n < 0 && errno == EINTR)
            continue;
        // An error the network reported for an earlier send says nothing of what waits.
        if (n < 0 && (errno == ECONNREFUSED || errno == EHOSTUNREACH || errno == ENETUNREACH))
            continue;
        if (n < 0 || from.sin_family != AF_INET)
            return std::nullopt;
        return Datagram{oscPeer(ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)), static_cast<std::size_t>(n)};
    }
}

void OscSocket::send(OscPeer to, std::span<const std::uint8_t> bytes)
{
    if (m_fd < 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(oscPeerPort(to));
    address.sin_addr.s_addr = htonl(oscPeerAddress(to));
    static_cast<void>(::sendto(m_fd, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                               reinterpret_cast<const sockaddr *>(&address), sizeof address));
}

} // namespace korvanel
