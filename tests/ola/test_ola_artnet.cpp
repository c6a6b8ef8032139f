// End to end onto the wire: the OLA output's frame leaves a private daemon as
// Art-Net, caught on loopback. Network plugins run only in a namespace that
// holds nothing but loopback; anywhere else the test refuses.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "output/OlaOutput.h"

using namespace korvanel;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(OlaArtNet, TheArtDmxPayloadEqualsTheFrame)
{
    if (!olatest::olaTestsUnavailable().empty())
        GTEST_SKIP() << olatest::olaTestsUnavailable();
    ASSERT_TRUE(olatest::onlyLoopback()) << "Art-Net is tested only where nothing but loopback exists";

    // Bound before the daemon binds its own, both sharing the port.
    const int listener = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    const int reuse = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(6454);
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr *>(&at), sizeof at), 0) << std::strerror(errno);
    const timeval wait{0, 100'000};
    setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    olatest::OlaDaemon daemon({.patchDummy = false, .artNet = true});
    ASSERT_EQ(daemon.start(), "");

    OlaOutput ola(makeOlaClient());
    ola.setEnabled(true);
    ola.start();
    AtomicBytes<DmxFrameSize> frame;
    for (std::size_t slot = 1; slot < DmxFrameSize; ++slot)
        frame.set(slot, static_cast<std::uint8_t>(slot * 3 + 1));

    bool seen = false;
    std::uint8_t packet[1024];
    ssize_t length = 0;
    for (const auto end = Clock::now() + 5s; !seen && Clock::now() < end;) {
        ola.publish(frame);
        length = recv(listener, packet, sizeof packet, 0);
        // ArtDmx: "Art-Net\0", opcode 0x5000 little-endian, ..., length big-endian at 16, data at 18.
        seen = length >= 18 && std::memcmp(packet, "Art-Net\0", 8) == 0 && packet[8] == 0x00 && packet[9] == 0x50;
    }
    close(listener);
    ola.stop();
    ASSERT_TRUE(seen) << daemon.logTail();
    ASSERT_EQ(length, 18 + 512);
    EXPECT_EQ(packet[16] << 8 | packet[17], 512);
    for (std::size_t slot = 1; slot < DmxFrameSize; ++slot)
        ASSERT_EQ(packet[18 + slot - 1], frame.get(slot)) << "slot " << slot;
}
