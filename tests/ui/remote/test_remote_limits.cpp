// What a party on the network can make the remote page's server hold, and
// for how long: idle connections, guesses, held pictures, the token itself.
#include "ui/remote/remote_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QNetworkInterface>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "app/DescriptorLimit.h"
#include "ui/remote/RemoteGroup.h"
#include "ui/remote/RemoteSurface.h"
#include "ui/remote/RemoteToken.h"

using namespace korvanel;

namespace {

QByteArray pageRequest(quint16 port, const QByteArray &token, const QByteArray &version = "HTTP/1.1",
                       const QByteArray &headers = {})
{
    return "GET /?token=" + token + ' ' + version + "\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n" +
        headers + "\r\n";
}

// A client that sends `request`, reads the answer and stays: whether the server ends the connection.
struct Lingering {
    Lingering(quint16 port, const QByteArray &request)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write(request);
        answered = QTest::qWaitFor([&] { return (answer += socket.readAll()).contains("</html>"); }, 3000);
    }
    bool closedByServer(int ms = 2000)
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, ms);
    }
    QTcpSocket socket;
    QByteArray answer;
    bool answered = false;
};

} // namespace

TEST_F(RemoteTest, TwoThousandIdleConnectionsNeitherStarveThePageNorTheSave)
{
    ASSERT_GE(raiseDescriptorLimit(), 2400u) << "the flood below needs its descriptors";
    switchOn();
    qint64 clock = 0;
    server().setClock([&clock] { return clock; });
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<int> flood;
    for (int i = 0; i < 2000; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ASSERT_GE(fd, 0);
        static_cast<void>(::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to));
        flood.push_back(fd);
        if (i % 50 == 49)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_LE(server().pendingCount(), RemoteNet::MaxPendingPerParty);

    // The phone's page, within two seconds, in the middle of it; then a save from the window.
    const QByteArray page = rawHttp(port, pageRequest(port, token), 2000);
    EXPECT_EQ(statusOf(page), 200);
    QTemporaryDir dir;
    form->setSaveDialogFileName(dir.filePath(QStringLiteral("flood.kvl")));
    get<QAction>("SaveItem")->trigger();
    EXPECT_EQ(QFile(form->saveDialogFileName()).size(), 81920);
    EXPECT_LE(server().pendingCount(), RemoteNet::MaxPendingPerParty);

    // Those that never complete a request are let go after their time.
    clock += RemoteNet::RequestTimeoutMs + 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return server().pendingCount() == 0; }, 3000)) << server().pendingCount();
    for (const int fd : flood)
        ::close(fd);
}

TEST_F(RemoteTest, KeepAliveConnectionsEndWhenAskedOrWhenIdle)
{
    switchOn();
    qint64 clock = 0;
    server().setClock([&clock] { return clock; });
    Lingering close(port, pageRequest(port, token, "HTTP/1.1", "Connection: close\r\n"));
    Lingering old(port, pageRequest(port, token, "HTTP/1.0"));
    Lingering kept(port, pageRequest(port, token));
    for (Lingering *client : {&close, &old, &kept})
        ASSERT_TRUE(client->answered);
    EXPECT_TRUE(close.closedByServer());
    EXPECT_TRUE(old.closedByServer());
    EXPECT_TRUE(close.answer.contains("Connection: close"));
    EXPECT_FALSE(kept.closedByServer(300)) << "HTTP/1.1 keeps the connection for the next request";
    kept.answer.clear();
    kept.socket.write(pageRequest(port, token));
    EXPECT_TRUE(QTest::qWaitFor([&] { return (kept.answer += kept.socket.readAll()).contains("</html>"); }, 3000));
    clock += RemoteNet::RequestTimeoutMs + 1;
    EXPECT_TRUE(kept.closedByServer(3000)) << "idle for longer than a request may take";
}

TEST_F(RemoteTest, RefusedWebSocketsGetAStatusAndLeaveNothingInTheLog)
{
    switchOn();
    const QByteArray at = "127.0.0.1:" + QByteArray::number(port);
    auto upgrade = [&](const QByteArray &query, const QByteArray &origin) {
        return rawHttp(port,
                       "GET /ws" + query + " HTTP/1.1\r\nHost: " + at + "\r\nOrigin: " + origin +
                           "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n");
    };
    static int logged = 0;
    logged = 0;
    // The offscreen platform's notice that it cannot pass the window's size limits on is not the server's.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
            if (!m.contains(QLatin1String("propagateSizeHints")))
                ++logged;
        });
    EXPECT_EQ(statusOf(upgrade({}, "http://" + at)), 401);
    EXPECT_EQ(statusOf(upgrade("?token=" + QByteArray(40, 'f'), "http://" + at)), 403);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(statusOf(upgrade("?token=" + token, "http://evil.example")), 403);
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, 0);
    EXPECT_EQ(statusOf(upgrade("?token=" + token, "http://" + at)), 101) << "the right one becomes a WebSocket";
}

TEST_F(RemoteTest, APictureHeldByAPhoneThatFallsSilentGoesOutWithinTwoSeconds)
{
    switchOn();
    qint64 clock = 0;
    RemoteSurface &surface = *form->remoteSurface();
    surface.setClock([&clock] { return clock; });
    PageClient phone(port, token);
    ASSERT_TRUE(phone.connected());
    QCheckBox *flash = get<QCheckBox>("CheckBoxChs3");
    auto say = [&](const QByteArray &message) {
        const quint64 before = surface.applied();
        phone.send(message);
        return QTest::qWaitFor([&] { return surface.applied() > before; }, 3000);
    };
    ASSERT_TRUE(say(R"({"t":"pic","n":3,"down":true})"));
    ASSERT_TRUE(flash->isChecked());
    // Renewed twice a second, it stays for as long as the finger does.
    for (int i = 0; i < 6; ++i) {
        clock += 500;
        ASSERT_TRUE(say(R"({"t":"hold"})"));
        surface.expireHolds();
        EXPECT_TRUE(flash->isChecked()) << i;
    }
    // The phone left the Wi-Fi: its connection is still open, its flash goes out.
    clock += RemoteSurface::HoldLeaseMs;
    surface.expireHolds();
    EXPECT_TRUE(flash->isChecked());
    clock += 400;
    surface.expireHolds();
    EXPECT_FALSE(flash->isChecked());
    EXPECT_EQ(server().clientCount(), 1);

    // A page that hears nothing takes its connection for lost: it hears something every second.
    // The flash's own changes go out first, so that only the silence is left.
    for (int i = 0; i < RemoteSurface::LevelsEvery; ++i)
        surface.push();
    const qsizetype heard = phone.received.size();
    clock += RemoteSurface::AliveMs;
    surface.push();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !phone.last(QStringLiteral("alive"), heard).isEmpty(); }, 3000));
}

TEST(RemoteToken, OnePairingLastsUntilANewKeyIsAskedFor)
{
    const QByteArray a = makeRemoteToken();
    EXPECT_EQ(a.size(), 40); // 160 bits in hex
    EXPECT_NE(a, makeRemoteToken());

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data/remote-token"));
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const auto port = static_cast<int>(probe.serverPort());
    probe.close();
    QByteArray first;
    {
        RemoteServer server;
        server.setTokenFile(file);
        RemoteGroup group(server);
        group.applySettings({true, port, false, ""});
        first = server.token();
        ASSERT_EQ(first.size(), 40);
        EXPECT_EQ(
            QFile(file).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser), 0)
            << "the user's alone";
        auto *enabled = group.findChild<QCheckBox *>(QStringLiteral("CheckBoxRemote"));
        enabled->setChecked(false);
        enabled->setChecked(true);
        EXPECT_EQ(server.token(), first) << "off and on";
        group.findChild<QSpinBox *>(QStringLiteral("SpinEditRemotePort"))
            ->setValue(port + 1 > 65535 ? port - 1 : port + 1);
        EXPECT_EQ(server.token(), first) << "another port";
    }
    QByteArray second;
    {
        RemoteServer server;
        server.setTokenFile(file);
        RemoteGroup group(server);
        group.applySettings({true, port, false, ""});
        EXPECT_EQ(server.token(), first) << "the next start";
        group.findChild<QToolButton *>(QStringLiteral("SpeedButtonRemoteToken"))->click();
        second = server.token();
        EXPECT_NE(second, first);
    }
    // A file others could read is not trusted.
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    RemoteServer server;
    server.setTokenFile(file);
    RemoteGroup group(server);
    group.applySettings({true, port, false, ""});
    EXPECT_NE(server.token(), second);
    EXPECT_EQ(server.token().size(), 40);
}

// Runs in the private network its ctest entry makes: loopback and a bridge
// without ports holding two addresses, so that nothing listening on every interface
// is reachable from outside.
TEST_F(RemoteTest, TheAddressShownForTheNetworkIsTheOperatorsChoice)
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack) && interface.name() != "korvlan0")
            GTEST_SKIP()
                << "runs only inside its private network (ctest RemoteAddressChoiceInAPrivateNetwork), not beside "
                << interface.name().toStdString();
    }
    if (QNetworkInterface::interfaceFromName(QStringLiteral("korvlan0")).addressEntries().size() < 2)
        GTEST_SKIP() << "runs only inside its private network (ctest RemoteAddressChoiceInAPrivateNetwork)";
    get<QSpinBox>("SpinEditRemotePort")->setValue(freePort());
    click(get<QGroupBox>("RadioGroupRemoteBind")->findChildren<QRadioButton *>().at(1));
    click(get<QCheckBox>("CheckBoxRemote"));
    ASSERT_TRUE(server().listening());
    auto *choice = get<QComboBox>("ComboBoxRemoteAddress");
    ASSERT_EQ(choice->count(), 2);
    EXPECT_TRUE(choice->isEnabled());
    const quint16 at = server().port();
    EXPECT_TRUE(get<QLabel>("LabelRemoteAddress")->text().startsWith(QStringLiteral("http://192.0.2.10:%1/").arg(at)));
    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_TRUE(
        get<QLabel>("LabelRemoteAddress")->text().startsWith(QStringLiteral("http://198.51.100.10:%1/").arg(at)));
    EXPECT_EQ(form->remoteGroup()->settings().Address, "198.51.100.10");
    const QByteArray page = rawHttp(at,
                                    "GET /?token=" + server().token() +
                                        " HTTP/1.1\r\nHost: 198.51.100.10:" + QByteArray::number(at) + "\r\n\r\n",
                                    3000, QHostAddress(QStringLiteral("198.51.100.10")));
    EXPECT_EQ(statusOf(page), 200);
    // Kept through a restart of the server.
    click(get<QCheckBox>("CheckBoxRemote"));
    click(get<QCheckBox>("CheckBoxRemote"));
    EXPECT_EQ(choice->currentText(), "198.51.100.10");
}
