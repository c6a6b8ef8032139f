#pragma once
// OSC packets as a client's liblo writes them, and a client of the test's own
// on 127.0.0.1 that sends them and hears what comes back.

#include <arpa/inet.h>
#include <lo/lo.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace korvanel::test {

using OscBytes = std::vector<std::uint8_t>;

// Types "i", "f" and "s" take ints, floats and a string in turn from numbers.
inline OscBytes oscMessage(const std::string &path, const std::string &types = {}, std::vector<double> numbers = {})
{
    lo_message m = lo_message_new();
    std::size_t k = 0;
    for (const char t : types) {
        const double v = k < numbers.size() ? numbers[k++] : 0;
        if (t == 'i')
            lo_message_add_int32(m, static_cast<std::int32_t>(v));
        else if (t == 'f')
            lo_message_add_float(m, static_cast<float>(v));
        else if (t == 's')
            lo_message_add_string(m, "x");
    }
    OscBytes bytes(lo_message_length(m, path.c_str()));
    std::size_t size = bytes.size();
    lo_message_serialise(m, path.c_str(), bytes.data(), &size);
    lo_message_free(m);
    return bytes;
}

// A bundle for now of raw elements, each after its size.
inline OscBytes oscBundle(const std::vector<OscBytes> &elements)
{
    OscBytes out{'#', 'b', 'u', 'n', 'd', 'l', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 1};
    for (const OscBytes &e : elements) {
        const auto n = static_cast<std::uint32_t>(e.size());
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                    static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
        out.insert(out.end(), e.begin(), e.end());
    }
    return out;
}

// A UDP client on 127.0.0.1 talking to the port given.
class OscClient {
public:
    explicit OscClient(std::uint16_t to) : m_to(to)
    {
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in self{};
        self.sin_family = AF_INET;
        self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<const sockaddr *>(&self), sizeof self);
        socklen_t length = sizeof self;
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&self), &length);
        m_port = ntohs(self.sin_port);
    }
    ~OscClient() { ::close(m_fd); }
    OscClient(const OscClient &) = delete;
    OscClient &operator=(const OscClient &) = delete;

    std::uint16_t port() const { return m_port; }

    void send(const OscBytes &bytes) const
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(m_to);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::sendto(m_fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr *>(&to), sizeof to);
    }

    // The next datagram, waiting at most `limit`; empty when none came.
    OscBytes receive(std::chrono::milliseconds limit) const
    {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0)
            return {};
        OscBytes bytes(65536);
        const ssize_t n = ::recv(m_fd, bytes.data(), bytes.size(), 0);
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return bytes;
    }

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
    std::uint16_t m_to = 0;
};

// A UDP port of 127.0.0.1 that nothing held a moment ago.
inline std::uint16_t freeOscPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in self{};
    self.sin_family = AF_INET;
    self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<const sockaddr *>(&self), sizeof self);
    socklen_t length = sizeof self;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&self), &length);
    ::close(fd);
    return ntohs(self.sin_port);
}

} // namespace korvanel::test
