#include "ui/remote/net/RemoteAccess.h"

#include <QUrl>

namespace korvanel {

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

QString addressKey(const QHostAddress &address)
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) {
        if ((v4 >> 24) == 127)
            return QStringLiteral("loopback");
        return QHostAddress(v4).toString();
    }
    if (address.isLoopback())
        return QStringLiteral("loopback");
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        Q_IPV6ADDR bytes = address.toIPv6Address();
        for (int i = 8; i < 16; ++i)
            bytes[i] = 0;
        return QHostAddress(bytes).toString() + QStringLiteral("/64");
    }
    return address.toString();
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

bool RemoteGuard::guessing(const QString &key) const
{
    const auto it = m_entries.constFind(key);
    return it != m_entries.cend() && m_clock() < it->lockedUntil;
}

void RemoteGuard::failed(const QString &key)
{
    const auto now = m_clock();
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        if (m_entries.size() >= MaxAddresses)
            forgetOld(now);
        if (m_entries.size() >= MaxAddresses) {
            // A flood from many parties: drop the one whose count began longest ago, never a marked one.
            auto oldest = m_entries.end();
            for (auto e = m_entries.begin(); e != m_entries.end(); ++e) {
                if (now >= e->lockedUntil && (oldest == m_entries.end() || e->first < oldest->first))
                    oldest = e;
            }
            if (oldest == m_entries.end())
                return; // every slot holds a marked party: this one is counted when one frees up
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

bool hostIsOurs(const QByteArray &host, quint16 port, const OwnAddress &ownAddress)
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
    return ownAddress && ownAddress(address);
}

bool originMatches(const QByteArray &origin, const QByteArray &host)
{
    return !host.isEmpty() && origin == QByteArray("http://") + host;
}

} // namespace korvanel
