#pragma once
// Who may reach the remote page: the access token, its constant-time check,
// the refusal of an address that keeps guessing, and the Host and Origin that
// a request from the page itself carries.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

namespace korvanel {

// 160 random bits from the system's source, as 40 lower-case hex digits.
QByteArray makeRemoteToken();

// Equal length and bytes; the time taken does not depend on where they differ.
bool sameToken(const QByteArray &given, const QByteArray &expected);

// Ten wrong tokens from one address within a minute close that address out for a minute.
class RemoteGuard {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr int MaxFailures = 10;
    static constexpr std::chrono::seconds Window{60};
    static constexpr std::chrono::seconds Lockout{60};
    // Addresses remembered at once; the oldest go first when a flood brings more.
    static constexpr int MaxAddresses = 1024;

    explicit RemoteGuard(Clock clock = std::chrono::steady_clock::now) : m_clock(std::move(clock)) {}

    bool refused(const QHostAddress &address);
    void failed(const QHostAddress &address);
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

// The Host header names this server: its port, and a host that is loopback
// or one of this machine's own addresses (no other name can reach the page
// without a DNS trick).
bool hostIsOurs(const QByteArray &host, quint16 port, bool network);

// The Origin header is the page's own address: http://<Host>.
bool originMatches(const QByteArray &origin, const QByteArray &host);

} // namespace korvanel
