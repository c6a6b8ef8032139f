#pragma once
// The remote page's server: HTTP for the page, a WebSocket for its messages,
// in the window's thread. Every request and every connection proves the
// token; an address that keeps guessing is refused for a while. It never
// listens unless start() is called.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>

#include "ui/remote/RemoteNet.h"
#include "ui/remote/net/RemoteAccess.h"

class QHttpServer;
class QTcpSocket;
class QWebSocket;

namespace korvanel {

class HttpRemote final : public RemoteNet {
public:
    HttpRemote(Events &events, QByteArray page);
    ~HttpRemote() override;

    QString start(quint16 port, bool network, RemoteStartError &error) override;
    void stop() override;
    bool listening() const override { return m_http != nullptr; }
    quint16 port() const override { return m_port; }
    QByteArray token() const override { return m_token; }
    void renewToken() override;
    int clientCount() const override { return static_cast<int>(m_clients.size()); }
    void send(quint64 client, const QByteArray &text) override;
    void sendAll(const QByteArray &text) override;
    void setHeartbeat(int pingMs, int silenceMs) override
    {
        m_heartbeat.setInterval(pingMs);
        m_silenceMs = silenceMs;
    }
    QImage qrImage(const QByteArray &text, int scale) const override;
    QString networkHost() const override;

private:
    enum class Access { Granted, NoToken, WrongToken, Refused, ForeignHost };
    Access check(const QHostAddress &peer, const QByteArray &host, const QByteArray &queryToken,
                 const QByteArray &cookie, bool count);
    void acceptWebSockets();
    void dropAll();
    void drop(quint64 client);
    void heard(quint64 client);
    QTcpSocket *transportOf(const QWebSocket &socket) const;

    Events &m_events;
    // The owner of the sockets and the context of every connection.
    QObject m_context;
    std::unique_ptr<QHttpServer> m_http;
    QByteArray m_token;
    const QByteArray m_page;
    quint16 m_port = 0;
    bool m_network = false;
    RemoteGuard m_guard;
    quint64 m_nextClient = 1;

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
