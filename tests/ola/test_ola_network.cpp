// End to end onto the wire: the OLA output's frame leaves a private daemon as
// Art-Net and as sACN (E1.31), caught by a socket of the test. Network plugins
// run only in a namespace that holds nothing but loopback (and, for sACN, a
// bridge without ports); anywhere else the tests refuse.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "core/AtomicBytes.h"
#include "core/Engine.h"
#include "core/ShowLayout.h"
#include "output/FrameAssembly.h"
#include "output/OlaOutput.h"
#include "output/OutputTicker.h"

using namespace korvanel;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// A UDP socket on `address`:`port`, shared with the daemon's own, each
// receive waiting 100 ms at most.
class Receiver {
public:
    Receiver(const char *address, std::uint16_t port)
    {
        m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return;
        const int reuse = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        const timeval wait{0, 100'000};
        setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = htons(port);
        inet_pton(AF_INET, address, &at.sin_addr);
        m_bound = bind(m_fd, reinterpret_cast<const sockaddr *>(&at), sizeof at) == 0;
        m_error = m_bound ? "" : std::strerror(errno);
    }
    ~Receiver()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Receiver(const Receiver &) = delete;
    Receiver &operator=(const Receiver &) = delete;

    // Empty when bound, else why not.
    std::string error() const { return m_fd < 0 ? "no socket" : m_error; }
    int fd() const { return m_fd; }
    // Packets until one `wanted` accepts, for `limit` at most; `between` runs before each receive.
    template <typename Wanted, typename Between>
    std::span<const std::uint8_t> until(Wanted wanted, Between between, std::chrono::milliseconds limit)
    {
        for (const auto end = Clock::now() + limit; Clock::now() < end;) {
            between();
            const ssize_t length = recv(m_fd, m_packet, sizeof m_packet, 0);
            if (length > 0 && wanted(std::span<const std::uint8_t>(m_packet, static_cast<std::size_t>(length))))
                return {m_packet, static_cast<std::size_t>(length)};
        }
        return {};
    }

private:
    int m_fd = -1;
    bool m_bound = false;
    std::string m_error;
    std::uint8_t m_packet[1500];
};

std::uint16_t bigEndian16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

} // namespace

TEST(OlaNetwork, TheArtDmxPayloadEqualsTheFrame)
{
    if (!olatest::olaTestsUnavailable().empty())
        GTEST_SKIP() << olatest::olaTestsUnavailable();
    ASSERT_TRUE(olatest::onlyLoopback()) << "Art-Net is tested only where nothing but loopback exists";

    // Bound before the daemon binds its own, both sharing the port.
    Receiver receiver("127.0.0.1", 6454);
    ASSERT_EQ(receiver.error(), "");
    olatest::OlaDaemon daemon({.patchDummy = false, .artNet = true});
    ASSERT_EQ(daemon.start(), "");

    OlaOutput ola(makeOlaClient());
    ola.setEnabled(true);
    ola.start();
    AtomicBytes<DmxFrameSize> frame;
    for (std::size_t slot = 1; slot < DmxFrameSize; ++slot)
        frame.set(slot, static_cast<std::uint8_t>(slot * 3 + 1));

    // ArtDmx: "Art-Net\0", opcode 0x5000 little-endian, ..., length big-endian at 16, data at 18.
    const auto packet = receiver.until(
        [](std::span<const std::uint8_t> p) {
            return p.size() >= 18 && std::memcmp(p.data(), "Art-Net\0", 8) == 0 && p[8] == 0x00 && p[9] == 0x50;
        },
        [&] { ola.publish(frame); }, 5000ms);
    ola.stop();
    ASSERT_FALSE(packet.empty()) << daemon.logTail();
    ASSERT_EQ(packet.size(), 18u + 512u);
    EXPECT_EQ(bigEndian16(packet, 16), 512);
    for (std::size_t slot = 1; slot < DmxFrameSize; ++slot)
        ASSERT_EQ(packet[18 + slot - 1], frame.get(slot)) << "slot " << slot;
}

TEST(OlaNetwork, SacnPacketsCarryTheFramesOfTheRealTick)
{
    if (!olatest::olaTestsUnavailable().empty())
        GTEST_SKIP() << olatest::olaTestsUnavailable();
    ASSERT_TRUE(olatest::onlyLoopback()) << "sACN is tested only where nothing but loopback exists";
    const std::string bridge = olatest::addSacnBridge();
    const struct BridgeGuard {
        ~BridgeGuard() { olatest::removeSacnBridge(); }
    } removeBridge;
    ASSERT_EQ(bridge, "");

    // Universe 1 goes to the multicast group 239.255.0.1, port 5568; this
    // socket takes that group alone, on the bridge.
    Receiver receiver("239.255.0.1", 5568);
    ASSERT_EQ(receiver.error(), "");
    ip_mreq group{};
    inet_pton(AF_INET, "239.255.0.1", &group.imr_multiaddr);
    inet_pton(AF_INET, olatest::SacnAddress, &group.imr_interface);
    ASSERT_EQ(setsockopt(receiver.fd(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group), 0)
        << std::strerror(errno);
    olatest::OlaDaemon daemon({.patchDummy = false, .sacn = true});
    ASSERT_EQ(daemon.start(), "");

    auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    for (std::size_t c = 1; c <= 255; ++c)
        engine->SceneMemory.set(sceneByte(0, c), static_cast<std::uint8_t>(c * 5 + 3));
    OlaOutput ola(makeOlaClient());
    ola.setEnabled(true);
    ola.start();
    OutputTicker ticker;
    ticker.start([&] {
        buildFrame(*engine);
        ola.publish(engine->DmxOut);
    });

    // Root layer: preamble 0x10, "ASC-E1.17", vector 4 (data) at 18. Framing
    // layer: vector 2 at 40, universe at 113. DMP layer: vector 2 at 117,
    // address and data type 0xA1, first address 0, increment 1, 513 values
    // at 123, the start code at 125 and the 512 slots after it.
    const auto sacn = [](std::span<const std::uint8_t> p) {
        return p.size() == 126 + 512 && bigEndian16(p, 0) == 0x10 && std::memcmp(&p[4], "ASC-E1.17\0\0\0", 12) == 0 &&
            p[21] == 4 && p[43] == 2 && bigEndian16(p, 113) == 1 && p[117] == 2 && p[118] == 0xA1 &&
            bigEndian16(p, 119) == 0 && bigEndian16(p, 121) == 1 && bigEndian16(p, 123) == 513 && p[125] == 0;
    };
    // The show at rest: every tick's frame is the same, and so is every packet's.
    const auto packet =
        receiver.until([&](std::span<const std::uint8_t> p) { return sacn(p) && p[126] == 8; }, [] {}, 5000ms);
    ticker.stop();
    ola.stop();
    ASSERT_FALSE(packet.empty()) << "no sACN packet of the frame arrived\n" << daemon.logTail();
    for (std::size_t slot = 1; slot < DmxFrameSize; ++slot)
        ASSERT_EQ(packet[126 + slot - 1], engine->DmxOut.get(slot)) << "slot " << slot;
    EXPECT_EQ(packet[126 + 254], static_cast<std::uint8_t>(255 * 5 + 3)) << "slot 255 of the show";
}
