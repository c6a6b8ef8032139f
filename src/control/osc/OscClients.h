#pragma once
// The OSC clients the input keeps anything for, each by its IPv4 address and
// port: those subscribed to the state, and those holding pictures. Both lists
// are short and every entry ends: a subscription not renewed within a minute,
// a hold whose client has said nothing for a minute, and when a list is full
// the oldest gives way to a newcomer. Times are the caller's milliseconds.

#include <cstdint>
#include <vector>

namespace korvanel {

// An IPv4 client: its address in the upper bits, its port in the lower 16.
using OscPeer = std::uint64_t;

constexpr OscPeer oscPeer(std::uint32_t address, std::uint16_t port) { return (std::uint64_t{address} << 16) | port; }
constexpr std::uint32_t oscPeerAddress(OscPeer peer) { return static_cast<std::uint32_t>(peer >> 16); }
constexpr std::uint16_t oscPeerPort(OscPeer peer) { return static_cast<std::uint16_t>(peer & 0xFFFF); }

class OscClients {
public:
    static constexpr std::size_t MaxSubscribers = 32;
    static constexpr std::size_t MaxHolders = 32;
    static constexpr std::int64_t SubscriptionMs = 60'000;
    static constexpr std::int64_t HoldLeaseMs = 60'000;

    // A subscription made or renewed; true when it is new (the whole state is owed).
    // A full list drops its oldest subscription.
    bool subscribe(OscPeer peer, std::int64_t now);
    void unsubscribe(OscPeer peer);
    const std::vector<OscPeer> &subscribers() const { return m_subscribers.peers; }

    // Any message from the peer renews its hold.
    void heard(OscPeer peer, std::int64_t now);
    // The peer holds a picture; a full list lets its oldest holder go: returned to be let go of.
    std::vector<OscPeer> holds(OscPeer peer, std::int64_t now);
    // The peer holds nothing any more.
    void letGo(OscPeer peer);
    const std::vector<OscPeer> &holders() const { return m_holders.peers; }

    // Subscriptions and holds that ran out: the holders among them are returned, to be let go of.
    std::vector<OscPeer> expire(std::int64_t now);
    // Everything forgotten; the holders are returned.
    std::vector<OscPeer> clear();

    bool empty() const { return m_subscribers.peers.empty() && m_holders.peers.empty(); }

private:
    // Oldest first: a renewal moves a peer to the end.
    struct List {
        std::vector<OscPeer> peers;
        std::vector<std::int64_t> times;
        bool renew(OscPeer peer, std::int64_t now);
        void add(OscPeer peer, std::int64_t now);
        void remove(OscPeer peer);
        std::vector<OscPeer> expire(std::int64_t now, std::int64_t lifetime);
    };
    List m_subscribers;
    List m_holders;
};

} // namespace korvanel
