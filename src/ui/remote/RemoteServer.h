#pragma once
// The remote page's server: HTTP for the page, a WebSocket for its messages,
// in the window's thread. Every request and every connection proves the
// token; an address that keeps guessing is refused for a while. It never
// listens unless start() is called.

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

#include "ui/remote/RemoteAccess.h"
#include "ui/remote/RemoteProtocol.h"

class QHttpServer;
class QHttpServerRequest;
class QTcpServer;
class QTcpSocket;
class QWebSocket;

namespace korvanel {

class RemoteServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxClients = 40;
    // A frame or message larger than this closes the connection before it is kept.
    static constexpr int MaxIncoming = 4096;
    // What one connection may send before it is a WebSocket: a page request is a kilobyte or two.
    static constexpr qint64 MaxRequestBytes = 64 * 1024;
    // A client that has this much unsent is not reading: it is dropped.
    static constexpr qint64 MaxQueued = 1024 * 1024;
    static constexpr int HeartbeatMs = 5000;
    static constexpr int SilenceMs = 20000;
    // The reason a page is given when a new token drops it (with close code 1008, policy).
    static inline const QString TokenRenewed = QStringLiteral("token-renewed");

    explicit RemoteServer(QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens on 127.0.0.1 (network false) or on every interface. An empty
    // string when it listens, else the system's reason.
    QString start(quint16 port, bool network);
    void stop();
    bool listening() const;
    quint16 port() const { return m_port; }
    // Why the last start() failed.
    QAbstractSocket::SocketError startError() const { return m_error; }

    const QByteArray &token() const { return m_token; }
    // A new token; every client of the old one is dropped.
    void renewToken();

    int clientCount() const { return static_cast<int>(m_clients.size()); }
    void send(quint64 client, const QByteArray &text);
    void sendAll(const QByteArray &text);
    RemoteGuard &guard() { return m_guard; }
    // How often clients are pinged and how long one may stay silent (tests shorten both).
    void setHeartbeat(int pingMs, int silenceMs)
    {
        m_heartbeat.setInterval(pingMs);
        m_silenceMs = silenceMs;
    }

    // The page's name in the resources.
    static QString pagePath() { return QStringLiteral(":/remote/remote.html"); }

signals:
    void clientJoined(quint64 client);
    void clientLeft(quint64 client);
    void command(quint64 client, const korvanel::RemoteCommand &command);
    void clientCountChanged(int count);

private:
    enum class Access { Granted, NoToken, WrongToken, Refused, ForeignHost };
    Access check(const QHostAddress &peer, const QByteArray &host, const QByteArray &queryToken,
                 const QByteArray &cookie, bool count);
    void acceptWebSockets();
    void dropAll();
    void drop(quint64 client);
    void heard(quint64 client);

    std::unique_ptr<QHttpServer> m_http;
    QByteArray m_token;
    QByteArray m_page;
    quint16 m_port = 0;
    bool m_network = false;
    QAbstractSocket::SocketError m_error = QAbstractSocket::UnknownSocketError;
    RemoteGuard m_guard;
    quint64 m_nextClient = 1;
    QTcpSocket *transportOf(const QWebSocket &socket) const;

    struct Client {
        QWebSocket *socket;
        QPointer<QTcpSocket> transport; // its connection, when found
        qint64 lastHeard;               // ms of m_clock
    };
    std::map<quint64, Client> m_clients;
    // Pings the clients; one not heard from for a while has gone (a phone that
    // left the network says nothing).
    QTimer m_heartbeat;
    int m_silenceMs = SilenceMs;
    QElapsedTimer m_clock;
};

} // namespace korvanel
