// The OLA output against a private daemon: what it adds to one output tick
// (the hand-over), and the time from the tick to the daemon holding the frame,
// seen by a second client the daemon tells of every change of the universe.
// Needs root: it enters a network namespace of its own, as the tests do.
// Usage: bench_ola [frames]   (default 2000, one every 5 ms)
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>
#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>
#include <ola/network/TCPSocket.h>

#include "OlaDaemon.h"
#include "PrivateNetwork.h"
#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"
#include "output/OlaOutput.h"

using namespace korvanel;
using Clock = std::chrono::steady_clock;

namespace {

// Frame n carries n in slots 1 and 2; the listener stamps when each arrives.
class Listener {
public:
    explicit Listener(std::size_t frames) : m_arrived(frames) {}

    bool connect()
    {
        const ola::network::IPV4SocketAddress daemon(ola::network::IPV4Address::Loopback(), 9010);
        m_socket.reset(ola::network::TCPSocket::Connect(daemon));
        if (!m_socket)
            return false;
        m_client = std::make_unique<ola::client::OlaClient>(m_socket.get());
        m_select.AddReadDescriptor(m_socket.get());
        if (!m_client->Setup())
            return false;
        m_client->SetDMXCallback(ola::NewCallback(this, &Listener::dmx));
        m_client->RegisterUniverse(1, ola::client::REGISTER, ola::NewSingleCallback(this, &Listener::registered));
        const auto end = Clock::now() + std::chrono::seconds(2);
        while (!m_registered && Clock::now() < end)
            m_select.RunOnce(ola::TimeInterval(0, 10'000));
        return m_registered;
    }
    void run() { m_select.Run(); }
    void stop() { m_select.Terminate(); }
    ~Listener()
    {
        if (m_client)
            m_client->Stop();
        if (m_socket)
            m_select.RemoveReadDescriptor(m_socket.get());
    }

    std::vector<std::atomic<std::int64_t>> &arrived() { return m_arrived; }

private:
    void registered(const ola::client::Result &result) { m_registered = result.Success(); }
    void dmx(const ola::client::DMXMetadata &, const ola::DmxBuffer &data)
    {
        const std::size_t n = static_cast<std::size_t>(data.Get(0)) << 8 | data.Get(1);
        if (n < m_arrived.size() && m_arrived[n].load() == 0)
            m_arrived[n].store(Clock::now().time_since_epoch().count());
    }

    std::unique_ptr<ola::network::TCPSocket> m_socket;
    ola::io::SelectServer m_select;
    std::unique_ptr<ola::client::OlaClient> m_client;
    bool m_registered = false;
    std::vector<std::atomic<std::int64_t>> m_arrived;
};

struct Spread {
    double median, p99, max;
};

Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[std::min(values.size() - 1, static_cast<std::size_t>(q * static_cast<double>(values.size())))];
    };
    return {at(0.5), at(0.99), values.back()};
}

} // namespace

int main(int argc, char **argv)
{
    const std::size_t frames = argc > 1 ? static_cast<std::size_t>(std::max(100, std::atoi(argv[1]))) : 2000;
    if (const std::string why = olatest::enterPrivateNetwork(); !why.empty()) {
        std::printf("cannot run: %s\n", why.c_str());
        return 1;
    }
    olatest::OlaDaemon daemon;
    if (const std::string why = daemon.start(); !why.empty()) {
        std::printf("no daemon: %s\n", why.c_str());
        return 1;
    }
    Listener listener(frames + 1);
    if (!listener.connect()) {
        std::puts("the listener could not register with the daemon");
        return 1;
    }
    std::thread listening([&] { listener.run(); });

    OlaOutput ola(makeOlaClient());
    AtomicBytes<DmxFrameSize> frame;
    // Switched off: what every tick pays when OLA output is not used.
    std::vector<double> offCost;
    for (std::size_t n = 0; n < 1000; ++n) {
        const auto before = Clock::now();
        ola.publish(frame);
        offCost.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
    }
    ola.setEnabled(true);
    ola.start();
    const auto connected = Clock::now() + std::chrono::seconds(3);
    while (ola.status().state != OlaState::Connected && Clock::now() < connected)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    std::vector<double> cost;
    std::vector<std::int64_t> published(frames + 1, 0);
    auto next = Clock::now();
    for (std::size_t n = 1; n <= frames; ++n) {
        next += std::chrono::milliseconds(5);
        std::this_thread::sleep_until(next);
        frame.set(1, static_cast<std::uint8_t>(n >> 8));
        frame.set(2, static_cast<std::uint8_t>(n));
        const auto before = Clock::now();
        ola.publish(frame);
        const auto after = Clock::now();
        published[n] = before.time_since_epoch().count();
        cost.push_back(std::chrono::duration<double, std::micro>(after - before).count());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    listener.stop();
    listening.join();
    ola.stop();

    std::vector<double> latency;
    for (std::size_t n = 1; n <= frames; ++n) {
        const std::int64_t arrived = listener.arrived()[n].load();
        if (arrived != 0)
            latency.push_back(static_cast<double>(arrived - published[n]) / 1e6);
    }
    const Spread off = spread(offCost);
    const Spread on = spread(cost);
    std::printf("tick cost, switched off: median %.3f us, p99 %.3f us, max %.3f us\n", off.median, off.p99, off.max);
    std::printf("tick cost, sending:      median %.3f us, p99 %.3f us, max %.3f us (%zu frames)\n", on.median, on.p99,
                on.max, cost.size());
    if (latency.empty()) {
        std::puts("no frame reached the listener");
        return 1;
    }
    const Spread late = spread(latency);
    std::printf("tick to daemon:          median %.3f ms, p99 %.3f ms, max %.3f ms (%zu of %zu frames seen)\n",
                late.median, late.p99, late.max, latency.size(), frames);
    std::printf("frames sent by the worker: %llu\n", static_cast<unsigned long long>(ola.status().framesSent));
    return 0;
}
