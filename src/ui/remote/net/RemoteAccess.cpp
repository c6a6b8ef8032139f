#include "ui/remote/net/RemoteAccess.h"

#include <QNetworkInterface>
#include <QUrl>
#include <sys/random.h>

#include <cerrno>

namespace korvanel {

QByteArray makeRemoteToken()
{
    unsigned char bytes[20];
    std::size_t filled = 0;
    // getrandom blocks only until the kernel's pool is first seeded; a signal may cut it short.
    for (int attempt = 0; filled < sizeof bytes && attempt < 100; ++attempt) {
        const ssize_t n = ::getrandom(bytes + filled, sizeof bytes - filled, 0);
        if (n > 0)
            filled += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            break;
    }
    if (filled != sizeof bytes)
        qFatal("No random bytes from the system for the remote access token");
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes).toHex();
}

bool sameToken(const QByteArray &given, const QByteArray &expected)
{
    if (expected.isEmpty())
        return false;
    // Every byte of the expected token is looked at, whatever the given one is.
    unsigned difference = given.size() == expected.size() ? 0u : 1u;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const auto a = static_cast<unsigned char>(i < given.size() ? given[i] : 0);
        difference |= a ^ static_cast<unsigned char>(expected[i]);
    }
    return difference == 0;
}

void RemoteGuard::forgetOld(std::chrono::steady_clock::time_point now)
{
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (now >= it->lockedUntil && now - it->first >= Window)
            it = m_entries.erase(it);
        else
            ++it;
    }
}

bool RemoteGuard::refused(const QHostAddress &address)
{
    const auto it = m_entries.constFind(address.toString());
    return it != m_entries.cend() && m_clock() < it->lockedUntil;
}

void RemoteGuard::failed(const QHostAddress &address)
{
    const auto now = m_clock();
    const QString key = address.toString();
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        if (m_entries.size() >= MaxAddresses)
            forgetOld(now);
        if (m_entries.size() >= MaxAddresses) {
            // A flood from many addresses: drop the one whose count began longest ago, never a locked one.
            auto oldest = m_entries.end();
            for (auto e = m_entries.begin(); e != m_entries.end(); ++e) {
                if (now >= e->lockedUntil && (oldest == m_entries.end() || e->first < oldest->first))
                    oldest = e;
            }
            if (oldest == m_entries.end())
                return; // every slot holds a locked address: this one is counted when one frees up
            m_entries.erase(oldest);
        }
        it = m_entries.insert(key, Entry{now, {}, 0});
    }
    if (now - it->first >= Window) {
        it->first = now;
        it->failures = 0;
    }
    if (++it->failures >= MaxFailures) {
        it->lockedUntil = now + Lockout;
        it->first = now;
        it->failures = 0;
    }
}

bool hostIsOurs(const QByteArray &host, quint16 port, bool network)
{
    if (host.isEmpty() || host.size() > 255)
        return false;
    const QUrl url(QStringLiteral("http://") + QString::fromLatin1(host));
    if (!url.isValid() || url.port(80) != port || !url.userInfo().isEmpty() || url.path().size() > 0)
        return false;
    const QString name = url.host();
    if (name == QLatin1String("localhost"))
        return true;
    const QHostAddress address(name);
    if (address.isNull())
        return false;
    if (address.isLoopback())
        return true;
    return network && QNetworkInterface::allAddresses().contains(address);
}

bool originMatches(const QByteArray &origin, const QByteArray &host)
{
    return !host.isEmpty() && origin == QByteArray("http://") + host;
}

} // namespace korvanel
