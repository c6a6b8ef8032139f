// The remote page's gatekeeping, apart from any socket.
#include <gtest/gtest.h>

#include "ui/remote/net/RemoteAccess.h"

using namespace korvanel;

TEST(RemoteAccess, TokensAreLongRandomAndComparedWhole)
{
    const QByteArray a = makeRemoteToken();
    const QByteArray b = makeRemoteToken();
    EXPECT_EQ(a.size(), 40); // 160 bits in hex
    EXPECT_NE(a, b);
    EXPECT_TRUE(sameToken(a, a));
    for (const QByteArray &wrong : {b, a.left(39), a + "0", QByteArray(), a.toUpper()})
        EXPECT_FALSE(sameToken(wrong, a)) << wrong.constData();
    EXPECT_FALSE(sameToken(QByteArray(), QByteArray())) << "no token expected: nothing matches";
}

TEST(RemoteAccess, TenWrongTokensInAMinuteLockTheAddressOutForAMinute)
{
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    RemoteGuard guard([&now] { return now; });
    const QHostAddress phone(QStringLiteral("192.0.2.7"));
    const QHostAddress other(QStringLiteral("192.0.2.8"));
    for (int i = 0; i < 9; ++i)
        guard.failed(phone);
    EXPECT_FALSE(guard.refused(phone));
    guard.failed(phone);
    EXPECT_TRUE(guard.refused(phone));
    EXPECT_FALSE(guard.refused(other));
    now += std::chrono::seconds(59);
    EXPECT_TRUE(guard.refused(phone));
    now += std::chrono::seconds(1);
    EXPECT_FALSE(guard.refused(phone));

    // Nine in one minute and nine in the next lock nothing.
    for (int i = 0; i < 9; ++i)
        guard.failed(other);
    now += std::chrono::seconds(61);
    for (int i = 0; i < 9; ++i)
        guard.failed(other);
    EXPECT_FALSE(guard.refused(other));

    // A flood from many addresses is remembered within bounds, and a locked address stays locked.
    guard = RemoteGuard([&now] { return now; });
    for (int i = 0; i < 10; ++i)
        guard.failed(phone);
    for (quint32 i = 0; i < 5000; ++i)
        guard.failed(QHostAddress(0x0A000000u + i));
    EXPECT_LE(guard.remembered(), RemoteGuard::MaxAddresses);
    EXPECT_TRUE(guard.refused(phone));
}

TEST(RemoteAccess, HostAndOriginMustBeThePagesOwn)
{
    EXPECT_TRUE(hostIsOurs("127.0.0.1:9080", 9080, false));
    EXPECT_TRUE(hostIsOurs("localhost:9080", 9080, false));
    EXPECT_TRUE(hostIsOurs("[::1]:9080", 9080, false));
    for (const char *host : {"127.0.0.1:9081", "127.0.0.1", "evil.example:9080", "127.0.0.1:9080/x",
                             "user@127.0.0.1:9080", "", "10.0.0.1:9080"})
        EXPECT_FALSE(hostIsOurs(host, 9080, false)) << host;
    EXPECT_TRUE(originMatches("http://127.0.0.1:9080", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("http://evil.example", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("null", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("http://127.0.0.1:9080", ""));
}
