#include "control/osc/OscClients.h"

#include <algorithm>

namespace korvanel {

bool OscClients::List::renew(OscPeer peer, std::int64_t now)
{
    const auto it = std::find(peers.begin(), peers.end(), peer);
    if (it == peers.end())
        return false;
    const auto at = it - peers.begin();
    peers.erase(it);
    times.erase(times.begin() + at);
    peers.push_back(peer);
    times.push_back(now);
    return true;
}

void OscClients::List::add(OscPeer peer, std::int64_t now)
{
    peers.push_back(peer);
    times.push_back(now);
}

void OscClients::List::remove(OscPeer peer)
{
    const auto it = std::find(peers.begin(), peers.end(), peer);
    if (it == peers.end())
        return;
    times.erase(times.begin() + (it - peers.begin()));
    peers.erase(it);
}

std::vector<OscPeer> OscClients::List::expire(std::int64_t now, std::int64_t lifetime)
{
    // Oldest first: the ones that ran out are at the front.
    std::size_t n = 0;
    while (n < peers.size() && now - times[n] > lifetime)
        ++n;
    std::vector<OscPeer> gone(peers.begin(), peers.begin() + static_cast<std::ptrdiff_t>(n));
    peers.erase(peers.begin(), peers.begin() + static_cast<std::ptrdiff_t>(n));
    times.erase(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(n));
    return gone;
}

bool OscClients::subscribe(OscPeer peer, std::int64_t now)
{
    if (m_subscribers.renew(peer, now))
        return false;
    if (m_subscribers.peers.size() >= MaxSubscribers)
        m_subscribers.remove(m_subscribers.peers.front());
    m_subscribers.add(peer, now);
    return true;
}

void OscClients::unsubscribe(OscPeer peer) { m_subscribers.remove(peer); }

void OscClients::heard(OscPeer peer, std::int64_t now) { m_holders.renew(peer, now); }

std::vector<OscPeer> OscClients::holds(OscPeer peer, std::int64_t now)
{
    if (m_holders.renew(peer, now))
        return {};
    std::vector<OscPeer> gone;
    if (m_holders.peers.size() >= MaxHolders) {
        gone.push_back(m_holders.peers.front());
        m_holders.remove(gone.back());
    }
    m_holders.add(peer, now);
    return gone;
}

void OscClients::letGo(OscPeer peer) { m_holders.remove(peer); }

std::vector<OscPeer> OscClients::expire(std::int64_t now)
{
    m_subscribers.expire(now, SubscriptionMs);
    return m_holders.expire(now, HoldLeaseMs);
}

std::vector<OscPeer> OscClients::clear()
{
    std::vector<OscPeer> holders = std::move(m_holders.peers);
    m_holders = {};
    m_subscribers = {};
    return holders;
}

} // namespace korvanel
