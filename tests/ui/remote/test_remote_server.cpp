// The remote page's server as a phone, or someone else on the network, meets
// it: off until switched on, and nothing without the token.
#include "ui/remote/remote_fixture.h"

#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/Engine.h"
#include "ui/remote/RemoteGroup.h"
#include "ui/remote/RemoteSurface.h"

using namespace korvanel;

// A well-formed token that is not the server's.
static QByteArray wrongToken(int n) { return QByteArray::number(n).rightJustified(40, 'f'); }

TEST_F(RemoteTest, OffUntilSwitchedOnThenTheAddressCarriesTheToken)
{
    EXPECT_FALSE(server().listening());
    EXPECT_EQ(get<QLabel>("LabelRemoteAddress")->text(), "");
    EXPECT_FALSE(get<QToolButton>("SpeedButtonRemoteToken")->isEnabled());
    EXPECT_TRUE(get<QGroupBox>("RadioGroupRemoteBind")->findChildren<QRadioButton *>().at(0)->isChecked());

    switchOn();
    EXPECT_EQ(get<QLabel>("LabelRemoteAddress")->text(),
              QStringLiteral("http://127.0.0.1:%1/?token=%2").arg(port).arg(QString::fromLatin1(token)));
    EXPECT_FALSE(get<QLabel>("LabelRemoteQr")->pixmap().isNull());
    EXPECT_TRUE(get<QLabel>("LabelRemoteStatus")->text().startsWith(QStringLiteral("Работает")));
    EXPECT_EQ(form->remoteGroup()->settings(), (RemoteSettings{true, port, false, ""}));
    if (const QByteArray shots = qgetenv("KORVANEL_SHOTS"); !shots.isEmpty()) {
        bringToFront(form->remoteGroup());
        form->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/options-remote.png"));
        form->remoteGroup()->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/remote-group.png"));
    }

    const QByteArray page = httpGet(port, "/?token=" + token);
    EXPECT_EQ(statusOf(page), 200);
    EXPECT_TRUE(page.contains("<!DOCTYPE html>"));
    // Browsers send a cookie to every port of the host: no cookie carries the token, none opens the page.
    EXPECT_FALSE(page.toLower().contains("set-cookie"));
    EXPECT_EQ(statusOf(httpGet(port, "/", "Cookie: korvanel_token=" + token + "\r\n")), 401);

    // Off again: nothing listens.
    click(get<QCheckBox>("CheckBoxRemote"));
    EXPECT_FALSE(server().listening());
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 0);
}

TEST_F(RemoteTest, NoTokenAWrongOneOrOneInTheWrongPlaceGetsNothing)
{
    switchOn();
    const std::vector<std::pair<QByteArray, QByteArray>> refused{
        {"/", {}},
        {"/?token=" + QByteArray(40, '0'), {}},
        {"/?token=" + token.left(39), {}},
        {"/?Token=" + token, {}},
        {"/" + token, {}},
        {"/", "Authorization: Bearer " + token + "\r\n"},
        {"/", "X-Token: " + token + "\r\n"},
        {"/", "Cookie: token=" + token + "\r\n"},
    };
    for (const auto &[target, headers] : refused) {
        const QByteArray answer = httpGet(port, target, headers);
        EXPECT_TRUE(statusOf(answer) == 401 || statusOf(answer) == 403) << target.constData() << headers.constData();
        EXPECT_FALSE(answer.contains("<!DOCTYPE")) << target.constData();
    }
    // A page asked for under another name: a rebinding trick or a mistyped address.
    EXPECT_EQ(
        statusOf(rawHttp(
            port, "GET /?token=" + token + " HTTP/1.1\r\nHost: evil.example:" + QByteArray::number(port) + "\r\n\r\n")),
        403);
    EXPECT_EQ(statusOf(rawHttp(port,
                               "POST /?token=" + token + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                                   "\r\nContent-Length: 0\r\n\r\n")),
              405);
    // Nothing but the page itself is served, under no spelling of a path.
    for (const QByteArray path : {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/..%2f..%2fetc%2fpasswd",
                                  "/remote.html", "/:/remote/remote.html", "//etc/passwd", "/%00"}) {
        const QByteArray answer = httpGet(port, path + "?token=" + token);
        EXPECT_TRUE(statusOf(answer) == 404 || statusOf(answer) == 400) << path.constData() << answer.constData();
        EXPECT_FALSE(answer.contains("root:") || answer.contains("<!DOCTYPE")) << path.constData();
    }
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 200);

    // Twenty wrong tokens, as a hostile page in the phone's own browser can send: the right one still opens
    // at once, from any loopback address, while the wrong ones are now answered late.
    std::vector<std::unique_ptr<QTcpSocket>> guesses;
    for (int i = 0; i < 20; ++i) {
        guesses.push_back(std::make_unique<QTcpSocket>());
        guesses.back()->connectToHost(QHostAddress(QStringLiteral("127.0.0.%1").arg(1 + i % 3)), port);
        guesses.back()->write("GET /?token=" + wrongToken(i) +
                              " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n\r\n");
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return std::all_of(guesses.begin(), guesses.end(), [](auto &g) { return g->bytesToWrite() == 0; }); },
        3000));
    QTest::qWait(100);
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 200);
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + wrongToken(99))), 429);
}

TEST_F(RemoteTest, WebSocketsNeedTheTokenTheirPathAndThePagesOrigin)
{
    switchOn();
    PageClient good(port, token);
    ASSERT_TRUE(good.connected());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !good.last("page").isEmpty(); }, 2000));
    EXPECT_EQ(server().clientCount(), 1);

    PageClient noToken(port, {});
    PageClient wrongToken(port, ::wrongToken(0));
    PageClient foreign(port, token, QStringLiteral("http://evil.example"));
    PageClient wrongPath(port, token, {}, "/");
    for (PageClient *client : {&noToken, &wrongToken, &foreign, &wrongPath})
        EXPECT_TRUE(client->closed()) << client->socket.requestUrl().toString().toStdString();
    EXPECT_EQ(server().clientCount(), 1);

    // A new token drops every client of the old one, and the old one opens nothing.
    const QString oldAddress = get<QLabel>("LabelRemoteAddress")->text();
    click(get<QToolButton>("SpeedButtonRemoteToken"));
    EXPECT_TRUE(good.closed());
    EXPECT_EQ(good.socket.closeReason(), RemoteServer::TokenRenewed) << "the page is told why";
    EXPECT_NE(server().token(), token);
    EXPECT_NE(get<QLabel>("LabelRemoteAddress")->text(), oldAddress);
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 403);
    PageClient stale(port, token);
    EXPECT_TRUE(stale.closed());
    PageClient renewed(port, server().token());
    EXPECT_TRUE(renewed.connected());
}

TEST_F(RemoteTest, BadMessagesFloodsAndDroppedConnectionsLeaveTheShowAndTheServerAsTheyWere)
{
    initialiseAtStart(*engine);
    form->ClearAll();
    switchOn();
    PageClient client(port, token);
    ASSERT_TRUE(client.connected());
    std::vector<std::uint8_t> before(SceneMemorySize);
    for (std::size_t i = 0; i < SceneMemorySize; ++i)
        before[i] = engine->SceneMemory.get(i);
    const int objectsBefore = server().heldObjects();
    ASSERT_GT(objectsBefore, 0) << "the connected page is counted";

    for (const char *bad :
         {"{", "[]", "null", R"({"t":"fader","ch":0,"v":5})", R"({"t":"fader","ch":256,"v":5})",
          R"({"t":"fader","ch":1,"v":-1})", R"({"t":"fader","ch":1,"v":256})", R"({"t":"select","ch":300,"on":true})",
          R"({"t":"open","name":"/etc/passwd"})", R"({"t":"page","off":-27})"})
        client.send(bad);
    client.socket.sendBinaryMessage(QByteArray(64, '\x01'));
    QTest::qWait(200);
    EXPECT_EQ(client.socket.state(), QAbstractSocket::ConnectedState) << "bad messages are ignored, not fatal";
    EXPECT_EQ(form->remoteSurface()->applied(), 0u);

    // Ten megabytes in one message: that client goes, the show and the others stay.
    PageClient flood(port, token);
    ASSERT_TRUE(flood.connected());
    flood.send(QByteArray(10 * 1024 * 1024, 'x'));
    EXPECT_TRUE(flood.closed(10000));
    EXPECT_EQ(client.socket.state(), QAbstractSocket::ConnectedState);

    // Ten megabytes of request body or header before any WebSocket: refused, the connection cut, nothing kept.
    for (const QByteArray &request :
         {"POST /?token=" + token + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
              "\r\nContent-Length: 10485760\r\n\r\n" + QByteArray(10 * 1024 * 1024, 'x'),
          "GET /?token=" + token + " HTTP/1.1\r\nX-Pad: " + QByteArray(10 * 1024 * 1024, 'x') + "\r\n\r\n"}) {
        const int status = statusOf(rawHttp(port, request));
        EXPECT_TRUE(status == 0 || status == 405 || status == 431) << status;
    }

    // A thousand connections opened and dropped, half-way through a request or a handshake.
    for (int batch = 0; batch < 20; ++batch) {
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        for (int i = 0; i < 50; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, port);
            sockets.push_back(std::move(socket));
        }
        static_cast<void>(QTest::qWaitFor(
            [&] {
                return std::all_of(sockets.begin(), sockets.end(),
                                   [](const auto &s) { return s->state() == QAbstractSocket::ConnectedState; });
            },
            3000));
        for (std::size_t i = 0; i < sockets.size(); ++i)
            sockets[i]->write(i % 2 ? "GET /ws?token=" + token + " HTTP/1.1\r\nUpgrade: websock"
                                    : QByteArray("GET / HT"));
        QTest::qWait(5);
        for (auto &socket : sockets)
            socket->abort();
    }
    QTest::qWait(300);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(server().clientCount(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server().pendingCount() == 0; }, 3000)) << server().pendingCount();
    EXPECT_LE(server().heldObjects(), objectsBefore + 4) << "what each connection left is gone";
    for (std::size_t i = 0; i < SceneMemorySize; ++i)
        ASSERT_EQ(engine->SceneMemory.get(i), before[i]) << "show byte " << i;
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 200);
}

TEST_F(RemoteTest, APortInUseIsSaidOnTheOptionsPageAndTheProgramRunsOn)
{
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 0));
    get<QSpinBox>("SpinEditRemotePort")->setValue(squatter.serverPort());
    click(get<QCheckBox>("CheckBoxRemote"));
    EXPECT_FALSE(server().listening());
    EXPECT_EQ(get<QLabel>("LabelRemoteStatus")->text(),
              QStringLiteral("Порт %1 занят другой программой: пульт не запущен. Выберите другой порт.")
                  .arg(squatter.serverPort()));
    EXPECT_EQ(get<QLabel>("LabelRemoteAddress")->text(), "");
    // Another port: it runs.
    get<QSpinBox>("SpinEditRemotePort")->setValue(freePort());
    EXPECT_TRUE(server().listening());

    // A program without the server's module says so where the page is switched on.
    RemoteServer bare(nullptr, QStringLiteral("/nonexistent/korvanel-remote.so"));
    RemoteGroup group(bare);
    group.findChild<QCheckBox *>(QStringLiteral("CheckBoxRemote"))->setChecked(true);
    EXPECT_FALSE(bare.listening());
    const QString status = group.findChild<QLabel *>(QStringLiteral("LabelRemoteStatus"))->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Пульт не запущен: /nonexistent/korvanel-remote.so не загружается")))
        << status.toStdString();
    EXPECT_EQ(group.address(), "");

    // A module of another version is refused before anything of it is called (its entry aborts).
    const QString fakes = QStringLiteral(FAKE_MODULES_FOLDER);
    const std::pair<const char *, QString> others[] = {
        {"fake_remote_old_interface.so",
         QStringLiteral("Пульт не запущен: fake_remote_old_interface.so от другой версии программы (интерфейс 0, "
                        "нужен %1), переустановите программу")
             .arg(RemoteNetInterfaceVersion)},
        {"fake_module_no_info.so",
         QStringLiteral("Пульт не запущен: fake_module_no_info.so от другой версии "
                        "программы (модуль не описывает себя), переустановите программу")},
    };
    for (const auto &[file, said] : others) {
        RemoteServer old(nullptr, fakes + QLatin1Char('/') + QLatin1String(file));
        RemoteGroup oldGroup(old);
        oldGroup.findChild<QCheckBox *>(QStringLiteral("CheckBoxRemote"))->setChecked(true);
        EXPECT_FALSE(old.listening());
        EXPECT_EQ(oldGroup.findChild<QLabel *>(QStringLiteral("LabelRemoteStatus"))->text(), said);
    }
    // The window's own server ran on through all of it.
    EXPECT_TRUE(server().listening());
}

TEST_F(RemoteTest, AClientThatVanishesMidMessageIsDroppedAndTheOthersGoOn)
{
    switchOn();
    server().setHeartbeat(100, 400);
    PageClient phone(port, token);
    ASSERT_TRUE(phone.connected());

    // A phone that left the network: its handshake went through, half a frame came, then nothing.
    QTcpSocket gone;
    gone.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(gone.waitForConnected(3000));
    const QByteArray at = "127.0.0.1:" + QByteArray::number(port);
    gone.write("GET /ws?token=" + token + " HTTP/1.1\r\nHost: " + at + "\r\nOrigin: http://" + at +
               "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n");
    QByteArray answer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (answer += gone.readAll()).contains("101 Switching"); }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server().clientCount() == 2; }, 3000));
    gone.write("\x81\x85\x01\x02");
    EXPECT_TRUE(QTest::qWaitFor([&] { return server().clientCount() == 1; }, 3000));
    EXPECT_EQ(phone.socket.state(), QAbstractSocket::ConnectedState) << "a page that answers the pings stays";
    EXPECT_EQ(statusOf(httpGet(port, "/?token=" + token)), 200);
}
