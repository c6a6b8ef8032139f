#include "ui/remote/net/HttpRemote.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QNetworkRequest>
#include <QPainter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>
#include <qrencode.h>

namespace korvanel {

namespace {

constexpr qsizetype MaxTokenLength = 128;
constexpr QByteArrayView CookieName = "korvanel_token";

QByteArray cookieToken(const QByteArray &cookies)
{
    if (cookies.size() > 8192)
        return {};
    for (const QByteArray &part : cookies.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.startsWith(CookieName) && item.size() > CookieName.size() && item[CookieName.size()] == '=')
            return item.mid(CookieName.size() + 1);
    }
    return {};
}

QByteArray queryToken(const QUrl &url)
{
    return QUrlQuery(url).queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8();
}

// The listener hands the HTTP server connections that may bring only so much
// before they become WebSockets: the HTTP server would keep any request body
// or header, however large, in memory.
class BoundedListener : public QTcpServer {
public:
    static constexpr const char *Upgraded = "korvanelUpgraded";

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        // Connected before the HTTP server's own handler, so it sees each arrival first.
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            if (socket->property(Upgraded).toBool())
                return;
            const qint64 received = socket->property("korvanelReceived").toLongLong() + socket->bytesAvailable();
            socket->setProperty("korvanelReceived", received);
            if (received > RemoteNet::MaxRequestBytes)
                socket->abort();
        });
        addPendingConnection(socket);
    }
};

QHttpServerResponse refusal(QHttpServerResponse::StatusCode status)
{
    QHttpServerResponse response(QByteArrayLiteral("text/plain; charset=utf-8"), QStringLiteral("Нет доступа").toUtf8(),
                                 status);
    response.addHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    return response;
}

} // namespace

HttpRemote::HttpRemote(Events &events, QByteArray page) : m_events(events), m_page(std::move(page))
{
    m_clock.start();
    m_heartbeat.setInterval(HeartbeatMs);
    QObject::connect(&m_heartbeat, &QTimer::timeout, &m_context, [this] {
        std::vector<quint64> silent;
        for (const auto &[id, client] : m_clients) {
            if (m_clock.elapsed() - client.lastHeard > m_silenceMs)
                silent.push_back(id);
            else
                client.socket->ping();
        }
        for (const quint64 id : silent)
            drop(id);
    });
}

HttpRemote::~HttpRemote() { stop(); }

QString HttpRemote::start(quint16 port, bool network, RemoteStartError &error)
{
    stop();
    // Our own listening socket: QHttpServer::listen() would only log why it failed.
    auto tcp = std::make_unique<BoundedListener>();
    if (!tcp->listen(network ? QHostAddress::Any : QHostAddress::LocalHost, port)) {
        error = tcp->serverError() == QAbstractSocket::AddressInUseError ? RemoteStartError::AddressInUse
            : tcp->serverError() == QAbstractSocket::SocketAccessError   ? RemoteStartError::Access
                                                                         : RemoteStartError::Other;
        return tcp->errorString();
    }
    error = RemoteStartError::None;
    m_port = tcp->serverPort();
    m_network = network;
    m_token = makeRemoteToken();
    m_http = std::make_unique<QHttpServer>();

    using Status = QHttpServerResponse::StatusCode;
    auto statusOf = [](Access access) {
        switch (access) {
        case Access::Refused:
            return Status::TooManyRequests;
        case Access::NoToken:
            return Status::Unauthorized;
        default:
            return Status::Forbidden;
        }
    };
    m_http->route(QStringLiteral("/"), [this, statusOf](const QHttpServerRequest &request) {
        const Access access = check(request.remoteAddress(), request.value("Host"), queryToken(request.url()),
                                    request.value("Cookie"), true);
        if (access != Access::Granted)
            return refusal(statusOf(access));
        if (request.method() != QHttpServerRequest::Method::Get)
            return refusal(Status::MethodNotAllowed);
        QHttpServerResponse response(QByteArrayLiteral("text/html; charset=utf-8"), m_page);
        response.addHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
        response.addHeader(QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
        response.addHeader(QByteArrayLiteral("X-Frame-Options"), QByteArrayLiteral("DENY"));
        response.addHeader(QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
        response.addHeader(QByteArrayLiteral("Content-Security-Policy"),
                           QByteArrayLiteral("default-src 'none'; script-src 'unsafe-inline'; style-src "
                                             "'unsafe-inline'; img-src data:; connect-src 'self'"));
        response.addHeader(QByteArrayLiteral("Set-Cookie"),
                           CookieName.toByteArray() + '=' + m_token + "; HttpOnly; SameSite=Strict; Path=/");
        return response;
    });
    // This route runs before the WebSocket handshake and what it writes goes
    // out ahead of it: on success it writes nothing. The connection is checked
    // again when it arrives (acceptWebSockets).
    m_http->route(
        QStringLiteral("/ws"), [this, statusOf](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
            const QByteArray host = request.value("Host");
            const Access access =
                check(request.remoteAddress(), host, queryToken(request.url()), request.value("Cookie"), true);
            const bool upgrade = request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
            if (access == Access::Granted && upgrade && originMatches(request.value("Origin"), host))
                return;
            responder.write(access == Access::Granted ? Status::Forbidden : statusOf(access));
        });
    m_http->setMissingHandler([this, statusOf](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        const Access access = check(request.remoteAddress(), request.value("Host"), queryToken(request.url()),
                                    request.value("Cookie"), true);
        responder.write(access == Access::Granted ? Status::NotFound : statusOf(access));
    });
    QObject::connect(m_http.get(), &QHttpServer::newWebSocketConnection, &m_context, [this] { acceptWebSockets(); });
    m_http->bind(tcp.release());
    return {};
}

void HttpRemote::stop()
{
    dropAll();
    m_http.reset();
    m_token.clear();
}

void HttpRemote::renewToken()
{
    if (!m_http)
        return;
    // The pages are told why, so that they stop knocking with the old token and say so.
    for (const auto &entry : m_clients)
        entry.second.socket->close(QWebSocketProtocol::CloseCodePolicyViolated, TokenRenewed);
    dropAll();
    m_token = makeRemoteToken();
}

HttpRemote::Access HttpRemote::check(const QHostAddress &peer, const QByteArray &host, const QByteArray &queryToken,
                                     const QByteArray &cookie, bool count)
{
    if (m_guard.refused(peer))
        return Access::Refused;
    if (!hostIsOurs(host, m_port, m_network))
        return Access::ForeignHost;
    const QByteArray token = queryToken.isEmpty() ? cookieToken(cookie) : queryToken;
    if (token.isEmpty())
        return Access::NoToken;
    if (token.size() <= MaxTokenLength && sameToken(token, m_token))
        return Access::Granted;
    if (count)
        m_guard.failed(peer);
    return Access::WrongToken;
}

void HttpRemote::acceptWebSockets()
{
    for (int n = 0; n < 256 && m_http && m_http->hasPendingWebSocketConnections(); ++n) {
        std::unique_ptr<QWebSocket> socket = m_http->nextPendingWebSocketConnection();
        if (!socket)
            break;
        const QNetworkRequest request = socket->request();
        const QByteArray host = request.rawHeader("Host");
        const bool ok = socket->requestUrl().path() == QLatin1String("/ws") &&
            check(socket->peerAddress(), host, queryToken(socket->requestUrl()), request.rawHeader("Cookie"), false) ==
                Access::Granted &&
            originMatches(socket->origin().toUtf8(), host) && clientCount() < MaxClients;
        if (!ok) {
            socket->abort();
            socket.release()->deleteLater();
            continue;
        }
        // Without it each push to a client waits for the previous one's acknowledgement.
        QTcpSocket *tcp = transportOf(*socket);
        if (tcp) {
            tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            // From here the WebSocket's own frame and message limits apply.
            tcp->setProperty(BoundedListener::Upgraded, true);
        }
        socket->setMaxAllowedIncomingFrameSize(MaxIncoming);
        socket->setMaxAllowedIncomingMessageSize(MaxIncoming);
        const quint64 id = m_nextClient++;
        QWebSocket *client = socket.release();
        client->setParent(&m_context);
        QObject::connect(client, &QWebSocket::pong, &m_context, [this, id] { heard(id); });
        QObject::connect(client, &QWebSocket::textMessageReceived, &m_context, [this, id](const QString &text) {
            heard(id);
            m_events.message(id, text.toUtf8());
        });
        QObject::connect(client, &QWebSocket::disconnected, &m_context, [this, id] { drop(id); });
        m_clients.emplace(id, Client{client, tcp, m_clock.elapsed()});
        m_heartbeat.start();
        m_events.joined(id);
    }
}

QTcpSocket *HttpRemote::transportOf(const QWebSocket &socket) const
{
    // The handshake's connection stays with the HTTP server's listener, not with the WebSocket.
    for (QTcpSocket *tcp : m_http->findChildren<QTcpSocket *>()) {
        if (tcp->peerPort() == socket.peerPort() && tcp->peerAddress() == socket.peerAddress() &&
            tcp->localPort() == socket.localPort())
            return tcp;
    }
    return nullptr;
}

void HttpRemote::send(quint64 client, const QByteArray &text)
{
    const auto it = m_clients.find(client);
    if (it == m_clients.end())
        return;
    // A client that stopped reading is dropped rather than buffered for without end.
    if (const QTcpSocket *tcp = it->second.transport; tcp && tcp->bytesToWrite() > MaxQueued) {
        drop(client);
        return;
    }
    it->second.socket->sendTextMessage(QString::fromUtf8(text));
}

void HttpRemote::sendAll(const QByteArray &text)
{
    std::vector<quint64> ids;
    ids.reserve(m_clients.size());
    for (const auto &entry : m_clients)
        ids.push_back(entry.first);
    for (const quint64 id : ids)
        send(id, text);
}

void HttpRemote::drop(quint64 client)
{
    const auto it = m_clients.find(client);
    if (it == m_clients.end())
        return;
    QWebSocket *socket = it->second.socket;
    m_clients.erase(it);
    if (m_clients.empty())
        m_heartbeat.stop();
    socket->disconnect(&m_context);
    if (socket->state() != QAbstractSocket::ClosingState)
        socket->abort();
    socket->deleteLater();
    m_events.left(client);
}

void HttpRemote::heard(quint64 client)
{
    if (const auto it = m_clients.find(client); it != m_clients.end())
        it->second.lastHeard = m_clock.elapsed();
}

void HttpRemote::dropAll()
{
    while (!m_clients.empty())
        drop(m_clients.begin()->first);
}

QImage HttpRemote::qrImage(const QByteArray &text, int scale) const
{
    QRcode *code = QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_M);
    if (code == nullptr)
        return {};
    constexpr int Quiet = 4;
    const int modules = code->width;
    QImage image((modules + 2 * Quiet) * scale, (modules + 2 * Quiet) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            if (code->data[y * modules + x] & 1)
                painter.fillRect((x + Quiet) * scale, (y + Quiet) * scale, scale, scale, Qt::black);
        }
    }
    QRcode_free(code);
    return image;
}

QString HttpRemote::networkHost() const
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

} // namespace korvanel
