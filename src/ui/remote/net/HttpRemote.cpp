#include "ui/remote/net/HttpRemote.h"

#include <QNetworkInterface>
#include <QPainter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <QWebSocketServer>
#include <qrencode.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <vector>

namespace korvanel {

namespace {

class Listener final : public QTcpServer {
public:
    explicit Listener(HttpRemote &server) : m_server(server) {}

protected:
    void incomingConnection(qintptr descriptor) override { m_server.arrived(descriptor); }

private:
    HttpRemote &m_server;
};

QByteArray refusalAnswer(int status)
{
    return httpAnswer(status, "text/plain; charset=utf-8", QStringLiteral("Нет доступа").toUtf8(), true,
                      status == 426 ? QByteArrayLiteral("Sec-WebSocket-Version: 13\r\n") : QByteArray());
}

// Nothing came from it yet, neither read nor waiting in the kernel.
bool silent(QTcpSocket &socket)
{
    int waiting = 0;
    return socket.bytesAvailable() == 0 &&
        ::ioctl(static_cast<int>(socket.socketDescriptor()), FIONREAD, &waiting) == 0 && waiting == 0;
}

} // namespace

HttpRemote::HttpRemote(Events &events, QByteArray page)
    : m_events(events), m_page(std::move(page)),
      m_guard([this] { return std::chrono::steady_clock::time_point{} + std::chrono::milliseconds(now()); })
{
    m_elapsed.start();
    m_now = [this] { return m_elapsed.elapsed(); };
    m_heartbeat.setInterval(HeartbeatMs);
    QObject::connect(&m_heartbeat, &QTimer::timeout, &m_context, [this] {
        // Ids first: a ping that fails may drop its client from m_clients at once.
        std::vector<quint64> ids;
        ids.reserve(m_clients.size());
        for (const auto &entry : m_clients)
            ids.push_back(entry.first);
        for (const quint64 id : ids) {
            const auto it = m_clients.find(id);
            if (it == m_clients.end())
                continue;
            if (now() - it->second.lastHeard > m_silenceMs)
                drop(id);
            else
                it->second.socket->ping();
        }
    });
    m_sweep.setInterval(250);
    QObject::connect(&m_sweep, &QTimer::timeout, &m_context, [this] { sweep(); });
}

HttpRemote::~HttpRemote() { stop(); }

void HttpRemote::setClock(std::function<qint64()> msClock)
{
    m_now = std::move(msClock);
    const qint64 at = now();
    for (auto &entry : m_clients)
        entry.second.lastHeard = at;
    for (auto &entry : m_pending)
        entry.second.deadline = at + RequestTimeoutMs;
}

QString HttpRemote::start(quint16 port, bool network, const QByteArray &token, RemoteStartError &error)
{
    stop();
    auto listener = std::make_unique<Listener>(*this);
    if (!listener->listen(network ? QHostAddress::Any : QHostAddress::LocalHost, port)) {
        error = listener->serverError() == QAbstractSocket::AddressInUseError ? RemoteStartError::AddressInUse
            : listener->serverError() == QAbstractSocket::SocketAccessError   ? RemoteStartError::Access
                                                                              : RemoteStartError::Other;
        return listener->errorString();
    }
    // Out of descriptors the listener stops accepting for good: it is woken again.
    QObject::connect(listener.get(), &QTcpServer::acceptError, &m_context, [this] {
        QTimer::singleShot(500, &m_context, [this] {
            if (m_listener)
                m_listener->resumeAccepting();
        });
    });
    rlimit limit{};
    m_descriptorCeiling = ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        ? static_cast<qintptr>(limit.rlim_cur) - DescriptorReserve
        : 1 << 20;
    error = RemoteStartError::None;
    m_port = listener->serverPort();
    m_network = network;
    m_token = token;
    m_listener = std::move(listener);
    m_webSockets = std::make_unique<QWebSocketServer>(QStringLiteral("korvanel"), QWebSocketServer::NonSecureMode);
    m_webSockets->setHandshakeTimeout(RequestTimeoutMs);
    QObject::connect(m_webSockets.get(), &QWebSocketServer::newConnection, &m_context, [this] { acceptWebSockets(); });
    return {};
}

void HttpRemote::stop()
{
    dropAll();
    while (!m_pending.empty())
        forget(m_pending.begin()->first, true);
    for (auto &[id, socket] : m_handed) {
        if (socket) {
            socket->abort();
            socket->deleteLater();
        }
    }
    m_handed.clear();
    m_sweep.stop();
    m_webSockets.reset();
    m_listener.reset();
    m_token.clear();
}

int HttpRemote::heldObjects() const
{
    qsizetype held = m_context.findChildren<QObject *>().size();
    if (m_webSockets)
        held += m_webSockets->findChildren<QObject *>().size();
    return static_cast<int>(held);
}

void HttpRemote::setToken(const QByteArray &token)
{
    if (token == m_token)
        return;
    // The pages are told why, so that they stop knocking with the old token and say so.
    // A close can report the disconnect at once, which drops the client from
    // m_clients: the sockets are taken out of the list first.
    std::vector<QPointer<QWebSocket>> sockets;
    sockets.reserve(m_clients.size());
    for (const auto &entry : m_clients)
        sockets.emplace_back(entry.second.socket);
    for (const QPointer<QWebSocket> &socket : sockets) {
        if (socket)
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated, TokenRenewed);
    }
    dropAll();
    m_token = token;
}

void HttpRemote::arrived(qintptr descriptor)
{
    // Descriptors are handed out lowest first: a high one means few are left.
    if (descriptor >= m_descriptorCeiling) {
        ::close(static_cast<int>(descriptor));
        return;
    }
    auto *socket = new QTcpSocket(&m_context);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    // More than a head is never read ahead before the connection is a WebSocket.
    socket->setReadBufferSize(MaxHeadBytes + 1);
    const QString party = addressKey(socket->peerAddress());
    makeRoomFor(party);
    const quint64 id = m_nextId++;
    m_pending.emplace(id, Pending{socket, party, now() + RequestTimeoutMs});
    ++m_pendingOf[party];
    QObject::connect(socket, &QTcpSocket::readyRead, &m_context, [this, id] { readable(id); });
    QObject::connect(socket, &QTcpSocket::disconnected, &m_context, [this, id] { forget(id, false); });
    if (!m_sweep.isActive())
        m_sweep.start();
}

void HttpRemote::makeRoomFor(const QString &party)
{
    const bool partyFull = m_pendingOf.value(party) >= MaxPendingPerParty;
    if (!partyFull && static_cast<int>(m_pending.size()) < MaxPending)
        return;
    // Closing ones first, then those that have sent nothing, each the oldest.
    auto rank = [](Pending &entry) { return entry.closing || !entry.socket ? 0 : silent(*entry.socket) ? 1 : 2; };
    quint64 victim = 0;
    int best = 3;
    for (auto &[id, entry] : m_pending) {
        if (partyFull && entry.party != party)
            continue;
        if (const int r = rank(entry); r < best) {
            best = r;
            victim = id;
            if (r == 0)
                break;
        }
    }
    if (victim != 0)
        forget(victim, true);
}

void HttpRemote::readable(quint64 id)
{
    // A few requests at a time from one connection; the rest on its next arrival.
    for (int n = 0; n < 8; ++n) {
        const auto it = m_pending.find(id);
        if (it == m_pending.end() || it->second.closing || it->second.waiting || !it->second.socket)
            return;
        QTcpSocket &socket = *it->second.socket;
        const QByteArray bytes = socket.peek(MaxHeadBytes + 1);
        if (bytes.isEmpty())
            return;
        HttpHead head;
        switch (readHttpHead(bytes, head)) {
        case HeadRead::Incomplete:
            return;
        case HeadRead::TooLarge:
            answer(id, refusalAnswer(431), true);
            return;
        case HeadRead::Bad:
            answer(id, refusalAnswer(400), true);
            return;
        case HeadRead::Complete:
            serve(id, it->second, head);
            break;
        }
    }
}

void HttpRemote::serve(quint64 id, Pending &entry, const HttpHead &head)
{
    const GateRules rules{m_token, m_port,
                          m_network ? OwnAddress([](const QHostAddress &address) {
                              return QNetworkInterface::allAddresses().contains(address);
                          })
                                    : OwnAddress(),
                          static_cast<int>(m_clients.size() + m_handed.size()) < MaxClients};
    const GateVerdict verdict = judgeRequest(head, rules);
    QTcpSocket *socket = entry.socket;
    if (verdict.serve == GateVerdict::Serve::WebSocket) {
        // It proved the token: the handshake is the WebSocket server's, the head still unread.
        entry.socket = nullptr;
        forget(id, false);
        socket->disconnect(&m_context);
        socket->setReadBufferSize(0);
        m_handed.emplace(id, socket);
        QObject::connect(socket, &QTcpSocket::disconnected, &m_context, [this, id] {
            if (const auto it = m_handed.find(id); it != m_handed.end()) {
                if (it->second)
                    it->second->deleteLater();
                m_handed.erase(it);
            }
        });
        m_webSockets->handleConnection(socket);
        return;
    }
    socket->read(head.length);
    if (verdict.serve == GateVerdict::Serve::Page) {
        entry.answered = true;
        entry.deadline = now() + RequestTimeoutMs;
        answer(id,
               httpAnswer(200, "text/html; charset=utf-8", m_page, verdict.close,
                          "Referrer-Policy: no-referrer\r\nX-Frame-Options: DENY\r\n"
                          "X-Content-Type-Options: nosniff\r\nContent-Security-Policy: default-src 'none'; "
                          "script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src data:; "
                          "connect-src 'self'\r\n"),
               verdict.close);
        return;
    }
    if (verdict.wrongToken) {
        m_guard.failed(entry.party);
        if (m_guard.guessing(entry.party)) {
            // A guesser learns late, and meanwhile holds one of its party's few connections.
            entry.waiting = true;
            QTimer::singleShot(GuessDelayMs, &m_context, [this, id] {
                if (m_pending.count(id))
                    answer(id, refusalAnswer(429), true);
            });
            return;
        }
    }
    answer(id, refusalAnswer(verdict.status), true);
}

void HttpRemote::answer(quint64 id, const QByteArray &bytes, bool close)
{
    const auto it = m_pending.find(id);
    if (it == m_pending.end() || !it->second.socket)
        return;
    QTcpSocket &socket = *it->second.socket;
    socket.write(bytes);
    if (close) {
        it->second.closing = true;
        it->second.waiting = false;
        it->second.deadline = now() + RequestTimeoutMs;
        socket.disconnectFromHost();
    }
}

void HttpRemote::forget(quint64 id, bool abort)
{
    const auto it = m_pending.find(id);
    if (it == m_pending.end())
        return;
    if (QTcpSocket *socket = it->second.socket) {
        socket->disconnect(&m_context);
        if (abort)
            socket->abort();
        socket->deleteLater();
    }
    if (--m_pendingOf[it->second.party] <= 0)
        m_pendingOf.remove(it->second.party);
    m_pending.erase(it);
}

void HttpRemote::sweep()
{
    const qint64 at = now();
    std::vector<quint64> late;
    for (const auto &[id, entry] : m_pending) {
        if (at >= entry.deadline)
            late.push_back(id);
    }
    for (const quint64 id : late)
        forget(id, true);
    if (m_pending.empty() && m_handed.empty())
        m_sweep.stop();
}

void HttpRemote::acceptWebSockets()
{
    for (int n = 0; n < 256 && m_webSockets && m_webSockets->hasPendingConnections(); ++n) {
        QWebSocket *socket = m_webSockets->nextPendingConnection();
        if (!socket)
            break;
        // Its connection, found among those handed over.
        QPointer<QTcpSocket> tcp;
        for (auto it = m_handed.begin(); it != m_handed.end(); ++it) {
            if (it->second && it->second->peerPort() == socket->peerPort() &&
                it->second->peerAddress() == socket->peerAddress()) {
                tcp = it->second;
                it->second->disconnect(&m_context);
                m_handed.erase(it);
                break;
            }
        }
        if (static_cast<int>(m_clients.size()) >= MaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (tcp) {
            // Without it each push to a client waits for the previous one's acknowledgement.
            tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        }
        socket->setMaxAllowedIncomingFrameSize(MaxIncoming);
        socket->setMaxAllowedIncomingMessageSize(MaxIncoming);
        socket->setParent(&m_context);
        const quint64 id = m_nextId++;
        QObject::connect(socket, &QWebSocket::pong, &m_context, [this, id] { heard(id); });
        QObject::connect(socket, &QWebSocket::textMessageReceived, &m_context, [this, id](const QString &text) {
            heard(id);
            m_events.message(id, text.toUtf8());
        });
        QObject::connect(socket, &QWebSocket::disconnected, &m_context, [this, id] { drop(id); });
        m_clients.emplace(id, Client{socket, tcp, now()});
        m_heartbeat.start();
        m_events.joined(id);
    }
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
    const QPointer<QTcpSocket> transport = it->second.transport;
    m_clients.erase(it);
    if (m_clients.empty())
        m_heartbeat.stop();
    socket->disconnect(&m_context);
    if (socket->state() != QAbstractSocket::ClosingState)
        socket->abort();
    socket->deleteLater();
    if (transport)
        transport->deleteLater();
    m_events.left(client);
}

void HttpRemote::heard(quint64 client)
{
    if (const auto it = m_clients.find(client); it != m_clients.end())
        it->second.lastHeard = now();
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

QStringList HttpRemote::networkHosts() const
{
    QStringList v4;
    QStringList v6;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol)
                v4 << ip.toString();
            else if (ip.protocol() == QAbstractSocket::IPv6Protocol && !ip.isLinkLocal())
                v6 << QLatin1Char('[') + ip.toString() + QLatin1Char(']');
        }
    }
    return v4 + v6;
}

} // namespace korvanel
