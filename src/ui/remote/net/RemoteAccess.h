#pragma once
// Who may reach the remote page: the access token, its constant-time check,
// the slowing of an address that keeps guessing, and the Host and Origin that
// a request from the page itself carries.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

namespace korvanel {

// Equal length and bytes; the time taken does not depend on where they differ.
bool sameToken(const QByteArray &given, const QByteArray &expected);

// The party behind an address, for counting: every loopback address is one
// (the local machine can pick any of 127/8), an IPv4 address mapped into IPv6
// is its IPv4 address, and an IPv6 host is its /64, which one machine can fill.
QString addressKey(const QHostAddress &address);

// Ten wrong tokens from one party within a minute mark it a guesser for a
// minute: its wrong tokens are then answered late. The right token is never
// held up, so a page in the same browser as a hostile one still gets in.
class RemoteGuard {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr int MaxFailures = 10;
    static constexpr std::chrono::seconds Window{60};
    static constexpr std::chrono::seconds Lockout{60};
    // Parties remembered at once; the oldest go first when a flood brings more.
    static constexpr int MaxAddresses = 1024;

    explicit RemoteGuard(Clock clock = std::chrono::steady_clock::now) : m_clock(std::move(clock)) {}

    bool guessing(const QString &key) const;
    void failed(const QString &key);
    int remembered() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        std::chrono::steady_clock::time_point first{};
        std::chrono::steady_clock::time_point lockedUntil{};
        int failures = 0;
    };
    void forgetOld(std::chrono::steady_clock::time_point now);

    Clock m_clock;
    QHash<QString, Entry> m_entries;
};

// Whether an address is one of this machine's own (the network mode's Host check).
using OwnAddress = std::function<bool(const QHostAddress &)>;

// The Host header names this server: its port, and a host that is loopback
// or, with ownAddress (the network mode), one of this machine's addresses (no
// other name can reach the page without a DNS trick).
bool hostIsOurs(const QByteArray &host, quint16 port, const OwnAddress &ownAddress);

// The Origin header is the page's own address: http://<Host>.
bool originMatches(const QByteArray &origin, const QByteArray &host);

} // namespace korvanel
