// The remote page's gatekeeping, apart from any socket.
#include <gtest/gtest.h>

#include "ui/remote/net/HttpGate.h"
#include "ui/remote/net/RemoteAccess.h"

using namespace korvanel;

TEST(RemoteAccess, TokensAreComparedWhole)
{
    const QByteArray a("0123456789abcdef0123456789abcdef01234567");
    EXPECT_TRUE(sameToken(a, a));
    for (const QByteArray &wrong : {a.left(39), a + "0", QByteArray(), a.toUpper()})
        EXPECT_FALSE(sameToken(wrong, a)) << wrong.constData();
    EXPECT_FALSE(sameToken(QByteArray(), QByteArray())) << "no token expected: nothing matches";
}

TEST(RemoteAccess, TenWrongTokensInAMinuteMarkThePartyAsGuessingForAMinute)
{
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    RemoteGuard guard([&now] { return now; });
    const QString phone = addressKey(QHostAddress(QStringLiteral("192.0.2.7")));
    const QString other = addressKey(QHostAddress(QStringLiteral("192.0.2.8")));
    for (int i = 0; i < 9; ++i)
        guard.failed(phone);
    EXPECT_FALSE(guard.guessing(phone));
    guard.failed(phone);
    EXPECT_TRUE(guard.guessing(phone));
    EXPECT_FALSE(guard.guessing(other));
    now += std::chrono::seconds(59);
    EXPECT_TRUE(guard.guessing(phone));
    now += std::chrono::seconds(1);
    EXPECT_FALSE(guard.guessing(phone));

    // Nine in one minute and nine in the next mark nothing.
    for (int i = 0; i < 9; ++i)
        guard.failed(other);
    now += std::chrono::seconds(61);
    for (int i = 0; i < 9; ++i)
        guard.failed(other);
    EXPECT_FALSE(guard.guessing(other));

    // A flood from many addresses is remembered within bounds, and a marked party stays marked.
    guard = RemoteGuard([&now] { return now; });
    for (int i = 0; i < 10; ++i)
        guard.failed(phone);
    for (quint32 i = 0; i < 5000; ++i)
        guard.failed(addressKey(QHostAddress(0x0A000000u + i)));
    EXPECT_LE(guard.remembered(), RemoteGuard::MaxAddresses);
    EXPECT_TRUE(guard.guessing(phone));
}

TEST(RemoteAccess, OneMachineCountsAsOneParty)
{
    const QString loopback = addressKey(QHostAddress(QStringLiteral("127.0.0.1")));
    for (const char *same : {"127.0.0.2", "127.255.3.4", "::1", "::ffff:127.0.0.9"})
        EXPECT_EQ(addressKey(QHostAddress(QLatin1String(same))), loopback) << same;
    EXPECT_EQ(addressKey(QHostAddress(QStringLiteral("::ffff:192.0.2.7"))), QStringLiteral("192.0.2.7"));
    EXPECT_EQ(addressKey(QHostAddress(QStringLiteral("2001:db8:1:2::5"))),
              addressKey(QHostAddress(QStringLiteral("2001:db8:1:2:aaaa:bbbb:cccc:dddd"))));
    EXPECT_NE(addressKey(QHostAddress(QStringLiteral("2001:db8:1:2::5"))),
              addressKey(QHostAddress(QStringLiteral("2001:db8:1:3::5"))));
    EXPECT_NE(addressKey(QHostAddress(QStringLiteral("192.0.2.7"))),
              addressKey(QHostAddress(QStringLiteral("192.0.2.8"))));
}

TEST(RemoteAccess, HostAndOriginMustBeThePagesOwn)
{
    const OwnAddress own = [](const QHostAddress &address) {
        return address == QHostAddress(QStringLiteral("10.0.0.1"));
    };
    EXPECT_TRUE(hostIsOurs("127.0.0.1:9080", 9080, {}));
    EXPECT_TRUE(hostIsOurs("localhost:9080", 9080, {}));
    EXPECT_TRUE(hostIsOurs("[::1]:9080", 9080, {}));
    EXPECT_TRUE(hostIsOurs("10.0.0.1:9080", 9080, own)) << "the network mode takes this machine's addresses";
    for (const char *host : {"127.0.0.1:9081", "127.0.0.1", "evil.example:9080", "127.0.0.1:9080/x",
                             "user@127.0.0.1:9080", "", "10.0.0.1:9080"})
        EXPECT_FALSE(hostIsOurs(host, 9080, {})) << host;
    EXPECT_FALSE(hostIsOurs("10.0.0.2:9080", 9080, own));
    EXPECT_TRUE(originMatches("http://127.0.0.1:9080", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("http://evil.example", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("null", "127.0.0.1:9080"));
    EXPECT_FALSE(originMatches("http://127.0.0.1:9080", ""));
}

TEST(HttpGate, HeadsAreReadWithinTheirLimitsAndOnlyTheRightTokenOpens)
{
    const QByteArray token("0123456789abcdef0123456789abcdef01234567");
    const GateRules rules{token, 9080, {}, true};
    auto judge = [&](const QByteArray &bytes) {
        HttpHead head;
        EXPECT_EQ(readHttpHead(bytes, head), HeadRead::Complete) << bytes.constData();
        return judgeRequest(head, rules);
    };
    const QByteArray host = "Host: 127.0.0.1:9080\r\n";
    using Serve = GateVerdict::Serve;

    GateVerdict v = judge("GET /?token=" + token + " HTTP/1.1\r\n" + host + "\r\n");
    EXPECT_TRUE(v.serve == Serve::Page && !v.close);
    // Keep-alive as HTTP/1.1 has it; closed when asked, for HTTP/1.0 and after a body.
    EXPECT_TRUE(judge("GET /?token=" + token + " HTTP/1.1\r\n" + host + "Connection: Close\r\n\r\n").close);
    EXPECT_TRUE(judge("GET /?token=" + token + " HTTP/1.0\r\n\r\n").close);
    EXPECT_FALSE(judge("GET /?token=" + token + " HTTP/1.0\r\nConnection: keep-alive\r\n" + host + "\r\n").close);
    // Refusals, each with its status and the connection closed after it.
    const std::pair<QByteArray, int> refused[] = {
        {"GET / HTTP/1.1\r\n" + host + "\r\n", 401},
        {"GET /?token=" + QByteArray(40, '0') + " HTTP/1.1\r\n" + host + "\r\n", 403},
        {"GET /?token=" + token + " HTTP/1.1\r\nHost: evil.example:9080\r\n\r\n", 403},
        {"GET / HTTP/1.1\r\n" + host + "Cookie: korvanel_token=" + token + "\r\n\r\n", 401},
        {"GET /?Token=" + token + " HTTP/1.1\r\n" + host + "\r\n", 401},
        {"POST /?token=" + token + " HTTP/1.1\r\n" + host + "Content-Length: 5\r\n\r\n", 405},
        {"GET /x?token=" + token + " HTTP/1.1\r\n" + host + "\r\n", 404},
        {"GET /ws?token=" + token + " HTTP/1.1\r\n" + host + "\r\n", 400},
        {"GET /ws?token=" + token + " HTTP/1.1\r\n" + host +
             "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: a\r\nSec-WebSocket-Version: 8\r\n"
             "Origin: http://127.0.0.1:9080\r\n\r\n",
         426},
        {"GET /ws?token=" + token + " HTTP/1.1\r\n" + host +
             "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: a\r\nSec-WebSocket-Version: 13\r\n"
             "Origin: http://evil.example\r\n\r\n",
         403},
    };
    for (const auto &[request, status] : refused) {
        v = judge(request);
        EXPECT_EQ(v.status, status) << request.constData();
        EXPECT_TRUE(v.close && v.serve == Serve::Refusal) << request.constData();
    }
    EXPECT_TRUE(judge("GET /?token=" + QByteArray(40, '0') + " HTTP/1.1\r\n" + host + "\r\n").wrongToken);

    const QByteArray upgrade = "GET /ws?token=" + token + " HTTP/1.1\r\n" + host +
        "Upgrade: websocket\r\nConnection: keep-alive, Upgrade\r\nSec-WebSocket-Key: a\r\nSec-WebSocket-Version: "
        "13\r\nOrigin: http://127.0.0.1:9080\r\n\r\n";
    EXPECT_EQ(judge(upgrade).serve, Serve::WebSocket);
    HttpHead head;
    ASSERT_EQ(readHttpHead(upgrade, head), HeadRead::Complete);
    EXPECT_EQ(judgeRequest(head, GateRules{token, 9080, {}, false}).status, 503) << "no room for another page";

    // Heads that are not whole, not well formed or too large.
    EXPECT_EQ(readHttpHead("GET / HTTP/1.1\r\nHost: a", head), HeadRead::Incomplete);
    for (const QByteArray &bad :
         {QByteArray("GET / HTTP/2.0\r\n\r\n"), QByteArray("GET  HTTP/1.1\r\n\r\n"),
          QByteArray("GET / HTTP/1.1\r\n\r\n"), "GET / HTTP/1.1\r\n" + host + host + "\r\n",
          "GET / HTTP/1.1\r\n" + host + " folded\r\n\r\n", "GET / HTTP/1.1\r\n" + host + "Content-Length: -1\r\n\r\n",
          QByteArray("GET http://a/ HTTP/1.1\r\n\r\n")})
        EXPECT_EQ(readHttpHead(bad, head), HeadRead::Bad) << bad.constData();
    EXPECT_EQ(readHttpHead("GET / HTTP/1.1\r\nX: " + QByteArray(MaxHeadBytes, 'x'), head), HeadRead::TooLarge);
}
